// Division of Revenue (dialog 550): the revenue of the shipment (its total
// less the accessorials) shared among the origin, bridge and destination
// carriers by their miles.
#pragma once

#include <functional>
#include <memory>

#include "dialogs/qiv_dialog.h"
#include "fields/decimal_edit.h"

namespace qiv {

struct RevenueShares {
  double origin = 0, bridge = 0, destination = 0;
};
// The shares: the bridge's and the destination's their part of the miles
// (rounded to cents) of the revenue (rounded to cents), the origin's the
// rest; a carrier without miles has none.
using Rounding = std::function<double(float value, int decimals)>;
RevenueShares DivideRevenue(double revenue, int originMiles, int bridgeMiles, int destinationMiles,
                            const Rounding& round);

class RevenueDivisionDialog : public QivDialog {
 public:
  RevenueDivisionDialog(QivSession& session, platform::ui::WindowHandle parent, double revenue);

 protected:
  bool onInitDialog() override;
  void onOK() override {}

 private:
  void onMilesLeft(int field);
  void onCalculate();

  double revenue_;
  int miles_[3] = {0, 0, 0};
  std::unique_ptr<CDecimalEdit> fields_[3];
};

}  // namespace qiv
