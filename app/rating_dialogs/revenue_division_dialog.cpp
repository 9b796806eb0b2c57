#include "rating_dialogs/revenue_division_dialog.h"

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/money_rounding.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "rating_dialogs/rating_dialog_ids.h"

namespace qiv {

using namespace platform::ui;
namespace id = division_id;

namespace {
constexpr int kMilesIds[] = {id::OriginMiles, id::BridgeMiles, id::DestinationMiles};
constexpr int kShareIds[] = {id::OriginShare, id::BridgeShare, id::DestinationShare};
constexpr int kMilesLength = 3;
namespace lines = ratekit::shipment_lines;
}  // namespace

RevenueShares DivideRevenue(double revenue, int origin, int bridge, int destination, const Rounding& round) {
  const double miles = static_cast<double>(origin) + bridge + destination;
  auto share = [&](int part) {
    if (part <= 0) return 0.0;
    return round(static_cast<float>(round(static_cast<float>(part / miles), 2) * revenue), 2);
  };
  RevenueShares shares;
  shares.destination = share(destination);
  shares.bridge = share(bridge);
  shares.origin = origin > 0 ? revenue - (shares.destination + shares.bridge) : 0;
  return shares;
}

RevenueDivisionDialog::RevenueDivisionDialog(QivSession& session, WindowHandle parent, double revenue)
    : QivDialog(session, rating_dialog_id::RevenueDivision, parent), revenue_(revenue) {
  for (auto& field : fields_) field = std::make_unique<CDecimalEdit>(session);
  MessageMap& map = messageMap();
  map.onCommand(id::Calculate, [this] { onCalculate(); });
  map.onCommand(id::Close, [this] { onCancel(); });
  for (int field = 0; field < 3; ++field)
    map.onNotification(kMilesIds[field], edit::KillFocusNotify, [this, field] { onMilesLeft(field); });
}

bool RevenueDivisionDialog::onInitDialog() {
  Dialog::onInitDialog();
  const RatingContext& context = *session().context;
  if (platform::LeadingDecimalValue(context.textAt(lines::ClassCode(0))) == 0 ||
      platform::LeadingDecimalValue(context.textAt(lines::WeightText(0))) == 0) {
    endDialog(command_id::Cancel);
    return false;
  }
  applyLanguage();
  setDialogFont();
  for (int field = 0; field < 3; ++field) {
    fields_[field]->attachItem(kMilesIds[field], handle(), kMilesLength, 0);
  }
  CenterWindow(handle(), parent());
  SetFocus(fields_[0]->handle());
  SendUpdateStatus(session());
  return false;
}

void RevenueDivisionDialog::onMilesLeft(int field) {
  miles_[field] = static_cast<int>(platform::LeadingDecimalValue(fields_[field]->text()));
  for (int share : kShareIds) SetDialogItemText(handle(), share, "");
}

void RevenueDivisionDialog::onCalculate() {
  const Rounding round =
      session().bindings.rndoff != nullptr
          ? Rounding(session().bindings.rndoff)
          : Rounding([](float value, int decimals) { return platform::RoundMoney(value, decimals); });
  const RevenueShares shares = DivideRevenue(revenue_, miles_[0], miles_[1], miles_[2], round);
  const double values[] = {shares.origin, shares.bridge, shares.destination};
  for (int i = 0; i < 3; ++i) SetDialogItemText(handle(), kShareIds[i], platform::DecimalText(values[i], 9, 2));
}

}  // namespace qiv
