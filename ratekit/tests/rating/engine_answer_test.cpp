// What RateShipment makes of the engine's answer: return codes, the second
// try, boxes, and the answer's figures in the RatingContext. The answers
// come from a fake engine.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "engine/engine_connection.h"
#include "platform/kernel/byte_record.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"
#include "vorn32/city_candidates.h"
#include "vorn32/shipment_record.h"

namespace ratekit {
namespace {

using testing::BoxRecorder;
using testing::TestContext;
namespace sr = vorn::shipment;
namespace rt = rating_totals;

void Put(char* record, platform::FieldSpan field, std::string_view text) {
  std::memcpy(record + field.offset, text.data(), field.width);
}
void PutCode(char* record, std::string_view code) { Put(record, sr::kReturnCode, code); }
void PutCandidates(void* block, std::int32_t count, std::int16_t kind) {
  auto* b = static_cast<std::uint8_t*>(block);
  platform::StoreLittleEndian(b + vorn::candidates::kCount.offset, count);
  platform::StoreLittleEndian(b + vorn::candidates::kListKind.offset, kind);
}
// An item of the engine's minimum-charge lists.
void PutItem(char* record, std::size_t q, char kind, std::int32_t number, std::int32_t charge) {
  auto* r = reinterpret_cast<std::uint8_t*>(record);
  r[sr::kItemKinds.offset + q] = static_cast<std::uint8_t>(kind);
  platform::StoreLittleEndian(r + sr::kItemNumbers.offset + 4 * q, number);
  platform::StoreLittleEndian(r + sr::kItemCharges.offset + 4 * q, charge);
}
void PutItemCount(char* record, std::int16_t count) {
  platform::StoreLittleEndian(reinterpret_cast<std::uint8_t*>(record) + sr::kItemCount.offset, count);
}

using FakeRating = testing::FakeEngineShipment;

TEST(EngineAnswer, EveryCodeEndsTheRatingWithOneBoxOrNone) {
  const struct {
    const char* what;
    const char* first;   // the first call's code
    std::int16_t kind;   // the candidates' list kind it leaves
    const char* second;  // the second call's code (null: no second call)
    int result, number;
    std::size_t boxes;
    bool blanked;
  } cases[] = {
      {"rated", "    ", 0, nullptr, 0, 0, 0, false},
      {"rated, NULs", "\0\0\0\0", 0, nullptr, 0, 0, 0, false},
      {"code 9999 counts as rated", "9999", 0, nullptr, 0, 0, 0, false},
      {"code 11", "0011", 0, nullptr, 9999, -1, 1, false},
      {"a lane refused", "0217", 0, nullptr, 9999, -1, 1, true},
      {"a class refused counts as 400", "0403", 0, nullptr, 9999, -1, 1, true},
      {"a city chosen at the second try", "0123", 0, "    ", 0, 0, 0, false},
      {"a city never chosen", "0124", 0, "0124", 9999, -1, 1, false},
      {"a city, then a refusal", "0124", 0, "0217", 9999, -1, 1, true},
      {"tariff candidates are not asked again", "0126", 1, nullptr, 9999, -1, 1, false},
  };
  for (const auto& k : cases) {
    FakeRating f;
    BoxRecorder boxes;
    f.fake().rate = [&](char* record, void* block, int call) {
      if (call == 0) {
        PutCode(record, std::string_view(k.first, 4));
        PutCandidates(block, 3, k.kind);
      } else {
        PutCode(record, k.second);
      }
    };
    EXPECT_EQ(f.rate(), k.result) << k.what;
    EXPECT_EQ(f.context.lastError(), k.number) << k.what;
    EXPECT_EQ(f.fake().requests.size(), k.second ? 2u : 1u) << k.what;
    EXPECT_EQ(boxes.boxes().size(), k.boxes) << k.what;
    if (!boxes.boxes().empty()) {
      EXPECT_EQ(boxes.boxes()[0].caption, "VORN Warning");
      EXPECT_EQ(boxes.boxes()[0].owner, nullptr);
    }
    EXPECT_EQ(f.context.text(shipment_point::Of(1, shipment_point::kCity)),
              k.blanked ? std::string(31, ' ') : "CHICAGO")
        << k.what;
  }
}

TEST(EngineAnswer, ShowsTheEnginesTextAfterTheCode) {
  const struct {
    const char* code;
    const char* engineText;
    const char* shown;
  } cases[] = {
      {"0217", "Destin Not in Tariff   ", "0217 Destin Not in Tariff   "},
      {"0700", "1010QK DLL Initialize failed", "1010 QK DLL Initialize failed"},  // a status before the text
      {"0011", "", "0011 "},
      {"ABCD", "?", "ABCD?"},
  };
  for (const auto& k : cases) {
    FakeRating f;
    BoxRecorder boxes;
    f.fake().errorText = k.engineText;
    f.fake().rate = [&](char* record, void*, int) { PutCode(record, k.code); };
    EXPECT_EQ(f.rate(), 9999);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, k.shown);
  }
}

TEST(EngineAnswer, FailsSilentlyWhenMessagesAreOffOrAPointIsEmpty) {
  for (int variant = 0; variant < 2; ++variant) {
    FakeRating f;
    BoxRecorder boxes;
    if (variant == 0) f.context.setInt(context::kEngineMessagesOff, 1);
    if (variant == 1) f.context.setPoint(0, "", "", "");
    f.fake().rate = [](char* record, void*, int) { PutCode(record, "0217"); };
    EXPECT_EQ(f.rate(), 9999);
    EXPECT_EQ(f.context.lastError(), -1);
    EXPECT_TRUE(boxes.boxes().empty());
  }
}

TEST(EngineAnswer, CandidateBlocksTooSmallAreReportedAndForgottenNextTime) {
  FakeRating f;
  BoxRecorder boxes;
  void* firstBlock = nullptr;
  f.fake().rate = [&](char* record, void* block, int call) {
    if (call == 0) {
      firstBlock = block;
      PutCandidates(block, -1, 0);
      PutCode(record, "0129");
    }
    // The first block's count of the rating before is not read again.
    if (call == 1) PutCode(record, "0124");
    if (call == 2) {
      EXPECT_NE(block, firstBlock);
      PutCandidates(block, -1, 0);
      PutCode(record, "0129");
    }
  };
  EXPECT_EQ(f.rate(), 9999);
  EXPECT_EQ(f.context.lastError(), 133);
  EXPECT_EQ(f.rate(), 9999);  // the second block overflows at the second try
  EXPECT_EQ(f.context.lastError(), 134);
  EXPECT_TRUE(boxes.boxes().empty());
  f.fake().rate = [&](char*, void* block, int) { EXPECT_EQ(block, firstBlock); };
  EXPECT_EQ(f.rate(), 0);
}

TEST(EngineAnswer, FillsTheChargeListsFromTheItems) {
  FakeRating f;
  f.context.setFloat(context::kFloor, 150.0f);  // dollars
  for (std::size_t k = 2; k < charge_list::kLists; ++k) f.context.view().fill(charge_list::Whole(k), 'Z');
  f.fake().rate = [](char* record, void*, int) {
    std::int16_t q = 0;
    // 17 minimum-charge items numbered downward, the last three dropped
    // beyond 15 a list; 3 others; one whose rate-table item is negative.
    for (std::int32_t n = 17; n >= 1; --n, ++q) PutItem(record, static_cast<std::size_t>(q), '1', n * 10, 10000 + n);
    PutItem(record, q++, '2', 7, 20000);
    PutItem(record, q++, '0', 3, 14999);
    PutItem(record, q++, ' ', 5, 15000);
    PutItem(record, q++, '1', 1, 1);
    auto* r = reinterpret_cast<std::uint8_t*>(record);
    platform::StoreLittleEndian<std::int32_t>(r + sr::kRateTable.offset + 4 * (q - 1), -5);
    PutItemCount(record, q);
  };
  ASSERT_EQ(f.rate(), 0);
  TestContext& x = f.context;
  ASSERT_EQ(x.integer(charge_list::Count(0)), 15);
  for (std::size_t i = 0; i < 15; ++i) {
    EXPECT_EQ(x.integer(charge_list::Number(0, i)), static_cast<std::int32_t>(30 + 10 * i))
        << i;                                                // 170 .. 30 kept, sorted
    EXPECT_EQ(x.integer(charge_list::Charge(0, i)), 15000);  // below the floor: raised
    EXPECT_EQ(x.bytes(charge_list::Flag(0, i)), std::string("*\0", 2));
  }
  EXPECT_EQ(x.text(charge_list::Label(0, 14)), "MC   170#>");
  ASSERT_EQ(x.integer(charge_list::Count(1)), 3);
  const std::int32_t numbers[] = {3, 5, 7}, charges[] = {15000, 15000, 20000};
  const char* flags[] = {"*", "", ""};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(x.integer(charge_list::Number(1, i)), numbers[i]);
    EXPECT_EQ(x.integer(charge_list::Charge(1, i)), charges[i]);
    EXPECT_EQ(x.text(charge_list::Flag(1, i)), flags[i]);
  }
  EXPECT_EQ(x.text(charge_list::Label(1, 0)), "SS     3#>");
  for (std::size_t k = 2; k < charge_list::kLists; ++k)
    EXPECT_EQ(x.bytes(charge_list::Whole(k)), std::string(charge_list::kSize, 'Z'));
}

TEST(EngineAnswer, KeepsEightCharactersOfTheRateBaseNumberAndItsServiceLetter) {
  const struct {
    const char* method;  // the 11 characters at 90
    int canada;
    const char* number;
  } cases[] = {
      {"     00004B", 0, "00004B"}, {"     00004A", 0, "00004N"},   {"     00004J", 0, "00004A"},
      {"     00004H", 0, "00004L"}, {" 1234567890", 0, "12345678"}, {"    12 3 4A", 0, "1234A"},
      {"     00020B", 1, "00020B"}, {"           ", 0, ""},
  };
  for (const auto& k : cases) {
    FakeRating f;
    f.context.setInt(context::kCanadaFlag, k.canada);
    f.fake().rate = [&](char* record, void*, int) { Put(record, sr::kMethodText, k.method); };
    ASSERT_EQ(f.rate(), 0);
    EXPECT_EQ(f.context.text(context::kRateBaseNumber), k.number) << k.method;
    EXPECT_EQ(f.context.bytes(context::kRateBaseNumber)[8], '\0');
  }
}

TEST(EngineAnswer, WorksOutThePercentageSurcharge) {
  const struct {
    const char* what;
    const char* fromBreak;
    const char* billed;
    char beforeDiscount;
    float ltl, tl;
    int result, number;
    const char* amount;
    int stored;
  } cases[] = {
      // 748.81 less 49.53 discount: 699.28.
      {"LTL below break 6", "6", "001550", 'N', 10.0f, 5.0f, 0, 0, "    69.93", 5},
      {"TL from break 6 (34.964 rounds down)", "6", "020000", 'N', 10.0f, 5.0f, 0, 0, "    34.96", 7},
      {"on the charge before discount", "6", "001550", 'Y', 10.0f, 5.0f, 0, 0, "    74.88", 5},
      {"a break outside the table", "25", "001550", 'N', 10.0f, 5.0f, 9999, 108, "", -99},
      {"a percentage beyond any amount", "6", "001550", 'N', 1e38f, 5.0f, 9999, 108, "", -99},
      {"an amount wider than its field", "6", "001550", 'N', 1e7f, 5.0f, 9999, 108, "", 5},
  };
  for (const auto& k : cases) {
    FakeRating f;
    f.context.setShort(rating_defaults::kSurchargeInUse, 1);
    f.context.setText(rating_defaults::kTlFromBreak, k.fromBreak);
    f.context.setText(tariff_settings::kSurchargeBeforeDiscount, std::string(1, k.beforeDiscount));
    f.context.setFloat(rating_defaults::kLtlSurchargePercent, k.ltl);
    f.context.setFloat(rating_defaults::kTlSurchargePercent, k.tl);
    f.context.setInt(rt::kSurchargeBreak, -99);
    f.fake().rate = [&](char* record, void*, int) {
      Put(record, {sr::DetailLine(0).offset + sr::detail::kCharge.offset, 9}, "000748.81");
      Put(record, sr::kBreakDiscountAmount, "    49.53");
      Put(record, sr::kBilledWeight, k.billed);
    };
    EXPECT_EQ(f.rate(), k.result) << k.what;
    EXPECT_EQ(f.context.lastError(), k.number) << k.what;
    if (k.result == 0) {
      EXPECT_EQ(f.context.text(rt::kSurchargeAmount), k.amount) << k.what;
    }
    EXPECT_EQ(f.context.integer(rt::kSurchargeBreak), k.stored) << k.what;
  }
}

TEST(EngineAnswer, AnAnswerWhoseFiguresDoNotFitFailsWithoutABox) {
  const struct {
    const char* what;
    platform::FieldSpan field;
    const char* text;
  } cases[] = {
      {"a line rate of seven digits", {sr::DetailLine(0).offset + sr::detail::kRate.offset, 7}, "9999999"},
      {"net and percent discount beyond the sum's room", sr::kNetCharge, "9999999"},
  };
  for (const auto& k : cases) {
    FakeRating f;
    BoxRecorder boxes;
    f.fake().rate = [&](char* record, void*, int) {
      Put(record, k.field, k.text);
      Put(record, sr::kPercentDiscountAmount, "9999999");
    };
    EXPECT_EQ(f.rate(), 9999) << k.what;
    EXPECT_EQ(f.context.lastError(), -1) << k.what;
    EXPECT_TRUE(boxes.boxes().empty());
  }
}

// Texts, each in a slot of the width, NUL-padded, as many slots as given.
std::string Slots(std::initializer_list<std::string_view> texts, std::size_t width, std::size_t slots) {
  std::string area(width * slots, '\0');
  std::size_t i = 0;
  for (std::string_view t : texts) area.replace(width * i++, t.size(), t);
  return area;
}

// After the engine call the class and break tables are the defaults, every
// byte of them, and what lies beyond the defaults is left as it was.
TEST(EngineAnswer, LeavesExactlyTheDefaultTables) {
  testing::FakeEngineShipment c;
  RatingContextView record = c.context.view();
  record.fill({context::kClassCodes.offset, context::kBreakCount.end() - context::kClassCodes.offset}, 'x');
  ASSERT_EQ(c.rate(), 0);
  const std::string classes = Slots({"500", "400", "300", "250", "200", "175", "150", "125", "110", "100", "92", "85",
                                     "77", "70", "65", "60", "55", "50"},
                                    6, 20);
  EXPECT_EQ(c.context.bytes(context::kClassCodes), classes);
  EXPECT_EQ(c.context.integer(context::kClassCount), 18);
  EXPECT_EQ(c.context.bytes(context::kBreakLabels),
            Slots({"L5C", "M5C", "M1M", "M2M", "M5M", "M10M", "M20M", "M30M", "M40M"}, 11, 20));
  const std::int32_t lower[] = {0, 500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
  const std::int32_t upper[] = {499, 999, 1999, 4999, 9999, 19999, 29999, 39999, 9999999};
  for (std::size_t i = 0; i < context::kBreakSlots; ++i) {
    if (i < std::size(lower)) {
      EXPECT_EQ(c.context.integer(context::BreakLowerBound(i)), lower[i]) << i;
      EXPECT_EQ(c.context.integer(context::BreakUpperBound(i)), upper[i]) << i;
    } else {
      EXPECT_EQ(c.context.bytes(context::BreakLowerBound(i)), "xxxx") << i;
      EXPECT_EQ(c.context.bytes(context::BreakUpperBound(i)), "xxxx") << i;
    }
  }
  EXPECT_EQ(c.context.integer(context::kBreakCount), 9);
  EXPECT_EQ(c.context.integer(context::kRateTableStride), 9);  // no table was in use
  EXPECT_EQ(c.context.integer(context::kClassAndWeightTablesFilled), 1);
  const vorn::ShipmentRecord& request = Engine().request;
  EXPECT_EQ(request.text(sr::kClassCodes), classes);
  EXPECT_EQ(request.integerAt<std::int16_t>(sr::kClassCount.offset), 18);
}

}  // namespace
}  // namespace ratekit
