// The rating screen's option fields, each a field of the family that only
// checks its own content (Validate) and then refreshes the result display:
//   1013 Discount:        DiscountField          (decimal)
//   4412 MC Discount:     McDiscountField        (decimal)
//   1014 Floor:           FloorField             (decimal)
//   1015 LTL Surcharge:   LtlSurchargeField      (decimal)
//   1017 TL Surcharge:    TlSurchargeField       (decimal)
//   1029 Accessorial:     AccessorialAmountField (decimal)
//   1075 Single Shipment: SingleShipmentField    (letters)
#pragma once

#include "fields/decimal_edit.h"

namespace qiv {

// A decimal field whose value is written into the RatingContext.
class ScreenDecimalField : public CDecimalEdit {
 public:
  using CDecimalEdit::CDecimalEdit;

 protected:
  double value() const;
  // The result display refreshed; true.
  bool refresh();
};

class DiscountField final : public ScreenDecimalField {
 public:
  using ScreenDecimalField::ScreenDecimalField;
  bool validate() override;
};

class McDiscountField final : public ScreenDecimalField {
 public:
  using ScreenDecimalField::ScreenDecimalField;
  bool validate() override;
};

class FloorField final : public ScreenDecimalField {
 public:
  using ScreenDecimalField::ScreenDecimalField;
  bool validate() override;
};

// The LTL and TL surcharge percentages (floats of the current profile).
class SurchargeField : public ScreenDecimalField {
 public:
  SurchargeField(QivSession& session, bool truckload) : ScreenDecimalField(session), truckload_(truckload) {}
  bool validate() override;

 private:
  bool truckload_;
};

class LtlSurchargeField final : public SurchargeField {
 public:
  explicit LtlSurchargeField(QivSession& session) : SurchargeField(session, false) {}
};

class TlSurchargeField final : public SurchargeField {
 public:
  explicit TlSurchargeField(QivSession& session) : SurchargeField(session, true) {}
};

class AccessorialAmountField final : public ScreenDecimalField {
 public:
  using ScreenDecimalField::ScreenDecimalField;
  bool validate() override;
};

// "N" or "Y"; on a Spanish screen with the Mexico option "N" or "S".
class SingleShipmentField final : public CCaptionEdit {
 public:
  using CCaptionEdit::CCaptionEdit;
  bool validate() override;
};

}  // namespace qiv
