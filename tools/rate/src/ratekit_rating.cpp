#include "ratekit_rating.h"

#include <stdexcept>
#include <string_view>
#include <vector>

#include "answer_report.h"
#include "context_shipment.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/module_loader.h"
#include "ratekit/ratekit32.h"
#include "ratekit/rating_context.h"

namespace rate_tool {
namespace {

using namespace ratekit;

template <class F>
F Bind(const platform::Module& module, const char* name) {
  F f = module.function<F>(name);
  if (f == nullptr) throw std::runtime_error(std::string("Ratekit32 has no function ") + name);
  return f;
}

std::string WithSeparator(std::string directory) {
  if (!directory.empty() && directory.back() != '/') directory += '/';
  return directory;
}

}  // namespace

struct RatekitRating::Loaded {
  platform::Module ratekit, engine;
  decltype(&RateShipment) rateShipment = nullptr;
  decltype(&EndZQdll) end = nullptr;
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kRatingContextSize, 0);
  RatingContextView view() { return RatingContextView(bytes.data()); }
  std::string text(platform::FieldSpan field) { return std::string(platform::UntilNul(view().text(field))); }
};

RatekitRating::RatekitRating(const std::string& libraryDirectory, const std::string& dataDirectory,
                             const std::string& level)
    : loaded_(std::make_unique<Loaded>()) {
  Loaded& l = *loaded_;
  l.ratekit = platform::Module::Load(WithSeparator(libraryDirectory) + "Ratekit32.DLL");
  l.engine = platform::Module::Load(WithSeparator(libraryDirectory) + "VORN32.DLL");
  if (!l.ratekit.isLoaded() || !l.engine.isLoaded())
    throw std::runtime_error("cannot load the libraries: " + platform::Module::lastError());
  const RatekitHost& host = *Bind<decltype(&RatekitHostInterface)>(l.ratekit, "RatekitHostInterface")();
  l.rateShipment = Bind<decltype(&RateShipment)>(l.ratekit, "RateShipment");
  l.end = Bind<decltype(&EndZQdll)>(l.ratekit, "EndZQdll");
  RatingContextView record = l.view();
  record.setText(context::kDataDirectory, WithSeparator(dataDirectory), '\0');
  record.setText(context::kTariffBaseName, level, '\0');
  record.setInteger<std::int32_t>(context::kEngineInUse.offset, 1);
  record.setInteger<std::uint32_t>(context::kEngineModule.offset,
                                   host.makeToken(l.bytes.data(), RATEKIT_TOKEN_MODULE, l.engine.nativeHandle(), 0));
  if (Bind<decltype(&GetZQAddresses)>(l.ratekit, "GetZQAddresses")(l.bytes.data(), nullptr) != 1 ||
      Bind<decltype(&InitializeZQdll)>(l.ratekit, "InitializeZQdll")(l.bytes.data()) != 1)
    throw std::runtime_error("Ratekit32 does not connect to the engine: message " + std::to_string(lastError()));
}

RatekitRating::~RatekitRating() { loaded_->end(loaded_->bytes.data()); }

int RatekitRating::rate(const ShipmentBytes& shipment) {
  RatingContextView record = loaded_->view();
  const int lines = FillRatingContext(record, shipment);
  return loaded_->rateShipment(loaded_->bytes.data(), lines, nullptr);
}

int RatekitRating::lastError() const { return loaded_->view().integerAt<std::int32_t>(context::kLastErrorCode.offset); }

void RatekitRating::writeAnswer(std::ostream& out) const {
  Loaded& l = *loaded_;
  namespace rt = rating_totals;
  Row(out, "Tariff", l.text(context::kTariffName));
  Row(out, "Rate base number", l.text(context::kRateBaseNumber));
  out << "Line  Class  Weight       Rate      Charge\n";
  for (std::size_t i = 0; i < shipment_lines::kLines; ++i) {
    const std::string weight = l.text(shipment_lines::WeightText(i));
    if (weight.empty()) continue;
    std::string cls = l.text(shipment_lines::ClassCode(i));
    cls.resize(5, ' ');
    std::string weightColumn = std::string(7 - std::min<std::size_t>(7, weight.size()), ' ') + weight;
    out << "   " << i + 1 << "  " << cls << "  " << weightColumn << "  " << l.text(shipment_lines::RateText(i)) << "  "
        << l.text(shipment_lines::ChargeText(i)) << '\n';
  }
  Row(out, "Deficit weight", l.text(rt::kDeficitWeight));
  Row(out, "Deficit charge", l.text(rt::kDeficitCharge));
  Row(out, "Total weight", l.text(rt::kTotalWeight));
  Row(out, "Total charge", l.text(rt::kTotalCharge));
  Row(out, "Discount",
      std::string(l.view().text(rt::kDiscountAmount)) + " (" + std::string(l.view().text(rt::kDiscountPercent)) + "%)");
  Row(out, "Gross charge", l.text(rt::kNetCharge));
  Row(out, "Net and discount", l.text(rt::kHeaderAmountsSum));
  Row(out, "Surcharge", l.text(rt::kSurchargeAmount));
  for (std::size_t list = 0; list < 2; ++list) {
    const std::int32_t count = l.view().integerAt<std::int32_t>(charge_list::Count(list).offset);
    for (std::int32_t i = 0; i < count && i < static_cast<std::int32_t>(charge_list::kEntries); ++i) {
      const auto item = static_cast<std::size_t>(i);
      const std::int32_t cents = l.view().integerAt<std::int32_t>(charge_list::Charge(list, item).offset);
      Row(out, l.text(charge_list::Label(list, item)),
          platform::DecimalText(cents / 100.0, 0, 2) + l.text(charge_list::Flag(list, item)));
    }
  }
}

}  // namespace rate_tool
