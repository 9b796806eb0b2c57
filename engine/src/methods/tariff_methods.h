// The tariff methods: each turns the lane's origin and destination into the
// rate-basis number, reads the tariff's rate record (left in rating.rates)
// and writes the 11-character rate-basis text. Each raises its engine code.
//
// Common steps of the matrix methods: the two points (216, 217), the matrix
// cell of the pair (218), the rate-basis number (the cell, plus the two
// points' add-ons where the method adds them), the rate record of that
// number, and the text: the non-blank characters of the rate record's bytes
// 3 to 9.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "effective/tariff_types.h"

namespace vorn {

class RatingEngine;
struct Rating;
class RateRecord;
class MethodServices;

// The non-blank characters of bytes 3-9 of the record.
std::string RateBasisTextOf(const RateRecord& record);

// The text of types '1' and 'D': the 1-based position ("%1d") of the record's
// three-digit group among the tariff's rate groups (one past the last when it
// is not listed), then the record's bytes 5-8.
std::string NumberedRateBasisText(const RatingEngine& engine, const RateRecord& record);

// The common steps: the lane's matrix value (logged with the cell index),
// then the rate record of the value, plus the points' add-ons when asked.
// Answers the matrix value.
std::uint32_t ReadLaneRateRecord(RatingEngine& engine, Rating& rating, bool zoneList, bool addOns,
                                 std::size_t recordLength);
// The rate record of a rate-basis number (kept and logged).
void ReadRateBasisRecord(RatingEngine& engine, Rating& rating, std::int64_t number, std::size_t recordLength);

struct MatrixMethod {
  bool zoneList = false;  // points from the zone list (types '1', '3')
  bool addOns = false;    // the rate-basis number adds the points' add-ons
  bool numberedText = false;
};

// Types '0', '1', '3' to '6', 'A' to 'D'.
void RateByMatrix(RatingEngine& engine, Rating& rating, std::string& text, const MatrixMethod& method,
                  std::size_t recordLength);

// Types 'E' to 'H': the matrix with add-ons, read again at the matrix value
// alone when the tariff asks for no add-ons; a record without a number
// (bytes 4-8 "00000") takes its key from the light edition's tables when the
// tariff has them (119 when the record found is still empty).
void RateByBaseAndTable(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength);

// Type 'L': the matrix with add-ons, then the light edition's tables decide
// the rate record's key (119 when the record found is still empty).
void RateByLightTable(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength);

// Type 'I': the matrix with add-ons, then the key of the lane's record takes
// the number the light tables find for its kind letter (223 when the record
// of the key names no number); kind 'C' leaves the add-on record.
void RateByBaseAndAdjustment(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength);

// Type 'J': the matrix with add-ons; the light key "011 000000" of letter 'J'
// (the "J2"/"J " matrix or the record's own number, plus the "J1" add
// values), when found, must name a record of the rate file (214) and leaves
// the tariff its entry makes current, on which the lane's record is read
// again; the tables of the record's variant digit.
void RateByTableJ(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength);

// Type 'M': the light key "001 00000H" takes the number of the "M " add
// values (ten-thousands the group code, the rest the number); without a
// numbered record of it, the matrix with add-ons. The record found is then
// keyed by its kind's lettered code (119 when still empty).
void RateByLightRecord(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength);

// Type 'K', by the tariff's variant sign (column 68): the matrix with
// add-ons, then the add-on stage of the record's kind (223 when the record
// of the new key names no number). Any other sign looks nothing up and
// leaves no rate record.
void RateByVariantK(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength);

// Type '7': the rate-basis number by add-on arithmetic, a service digit in
// front of the text.
void RateByAddOnArithmetic(RatingEngine& engine, Rating& rating, std::string& text);

// Type 'N', first step: the lane's record number in the combined tariff's
// pair file (raises 216, 217, 218).
std::int64_t CombinedRecordNumber(RatingEngine& engine, Rating& rating);

// Type 'N': the rate record of the pair, the lane adjustments of the global
// list and the adjustment records the rate record names.
void RateCombinedTariff(RatingEngine& engine, Rating& rating, std::string& text, MethodServices& services,
                        std::size_t recordLength);

// The rate-basis step that a '+' at header byte 161 asks for: the rate record
// moves forward by step records (the four-digit number at bytes 162-165; 214
// when no record holds the target), the text takes the target's number.
void ApplyRateBasisStep(RatingEngine& engine, Rating& rating, std::string& text, std::int32_t step,
                        std::size_t recordLength);

// Selects the factor tables of a tariff number (the factor file's section of
// that kind) for the rest of the rating.
void SelectTariffNumberTables(RatingEngine& engine, Rating& rating, int tariffNumber);

}  // namespace vorn
