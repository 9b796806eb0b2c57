// Whole ratings of the numbered tariff types (and type D) through the
// exports, in the normal mode: each answer is checked field by field against
// the hand calculation in the test's comment. Money is in cents; a line
// charge is (weight x rate + 50) / 100; x p is (x x p + 5000) / 10000.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>

#include "platform/testing/child_process.h"
#include "ratings/rating_fixture.h"

namespace vorn {
namespace {

using testing::RatedShipment;
using testing::RatingThroughExports;
using testing::ShipmentRequest;

using NumberedTypes = RatingThroughExports;

// The lane 10001 -> 90001 of every tariff below: points 1 and 2, add-ons 1
// and 1, matrix cell of the pair 1; with add-ons rate record 1 + 1 + 1 = 3.
constexpr std::string_view kPointFiles = R"(
points tariff=TSTFRT01
  point low=10001 high=10099 number=1 addon=1
  point low=90001 high=90099 number=2 addon=1
  width value=0
matrix tariff=TSTFRT01
  pair a=1 b=2 value=1
lettered tariff=TSTFRT01 letter=Z
)";

// Two lines: class 100 at 600 pounds and class 70 at 300 pounds.
ShipmentRequest TwoLines() {
  return ShipmentRequest{}.detailCount("02").line(0, "100", "000600").line(1, "70", "000300");
}

void ExpectNoDiscounts(const RatedShipment& a) {
  EXPECT_EQ(a.breakDiscount(), "     0.00");
  EXPECT_EQ(a.percentDiscount(), "   0.00");
  EXPECT_EQ(a.discountPercent(), "00.00");
}

// --- Flat rate records: a rate per class and break ---

// Three classes, breaks 0, 500, 1000, 2000, 5000; entry 0 is the minimum
// charge, entries 1 + 5c + b the rates of class row c.
constexpr std::string_view kFlatFactors = R"(
factor tariff=TSTFRT01
  sets numbers=1
  classes codes="100 70 50"
  breaks weights="5000 2000 1000 500 0"
  class-factors
  break-factors
)";
// Rate records 0 to n of which record n is the lane's (its 10-byte head and
// entries), the others fillers.
std::string RatesWithLaneRecord(int n, std::string_view head, std::string_view entries) {
  std::string text = "rates tariff=TSTFRT01\n";
  for (int k = 0; k < n; ++k)
    text += "  record group=001 number=0000" + std::to_string(k) + " letter=B entries=\"1 1\"\n";
  return text + "  record head=\"" + std::string(head) + "\" entries=\"" + std::string(entries) + "\"\n";
}
std::string RatesWithLaneRecord(int n, std::string_view entries) {
  return RatesWithLaneRecord(n, "001 0000" + std::to_string(n) + "B", entries);
}
constexpr std::string_view kFlatEntries =
    "7500 2400 2100 1800 1500 1200 1900 1650 1400 1150 950 1500 1300 1100 900 700";

TEST_F(NumberedTypes, TypeZeroRatesTheBreakOfTheWeightOrACheaperDeficit) {
  start("efcrec\n  record type=0\n" + std::string(kPointFiles) + std::string(kFlatFactors) +
        RatesWithLaneRecord(3, kFlatEntries));
  // 900 pounds is break 1 (500): 600 x 2100 = 12600 and 300 x 1650 = 4950,
  // 17550. Break 2 (1000): 600 x 1800 = 10800, 300 x 1400 = 4200, and the
  // 100 pounds of deficit at the lowest rate 1400 = 1400: 16400, cheaper.
  // Break 3: 9000 + 3450 + 1100 x 1150 = 12650: 25100, dearer. So break 2,
  // billed 1000 pounds, gross and net 164.00 over the 75.00 minimum.
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00003B");  // bytes 3-9 of record 3 without the blank
  EXPECT_EQ(a.actualWeight(), "000900");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0018.00");
  EXPECT_EQ(a.lineCharge(0), "000108.00");
  EXPECT_EQ(a.lineRate(1), "0014.00");
  EXPECT_EQ(a.lineCharge(1), "000042.00");
  EXPECT_EQ(a.deficitRate(), "0014.00");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000014.00");
  EXPECT_EQ(a.grossCharge(), "000164.00");
  EXPECT_EQ(a.netCharge(), "0164.00");
  EXPECT_EQ(a.appliedMinimum(), 7500);
  EXPECT_EQ(a.pointLetters(), "  ");  // the tariff has no point-service file
  ExpectNoDiscounts(a);

  // 6000 pounds lies past the last break (5000): its rate, 6000 x 1200 =
  // 72000, with nothing higher to search.
  const RatedShipment heavy = rate(ShipmentRequest{}.line(0, "100", "006000"));
  EXPECT_EQ(heavy.returnCode(), "    ");
  EXPECT_EQ(heavy.billedWeight(), "006000");
  EXPECT_EQ(heavy.lineRate(0), "0012.00");
  EXPECT_EQ(heavy.lineCharge(0), "000720.00");
  EXPECT_EQ(heavy.netCharge(), "0720.00");
  // 1100000 pounds in two lines is more than the answer's billed weight
  // holds: 241.
  EXPECT_EQ(rate(ShipmentRequest{}.detailCount("02").line(0, "100", "600000").line(1, "70", "500000")).returnCode(),
            "0241");
}

// The file of a data directory whose name begins with prefix.
std::filesystem::path FileNamed(const std::filesystem::path& folder, std::string_view prefix) {
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().starts_with(prefix)) return entry.path();
  return {};
}

void Overwrite(const std::filesystem::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << content;  // same file, written in place
}

// Waits until the folder's last change lies more than two seconds back, so
// that the engine keeps its listing and handles between ratings.
void WaitUntilSettled(const std::filesystem::path& folder) {
  for (;;) {
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    if (std::time(nullptr) - std::max(st.st_mtim.tv_sec, st.st_ctim.tv_sec) > 2) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
}

TEST_F(NumberedTypes, EveryRatingReadsTheDataFilesAsTheyAreNowEvenInTheSameSecond) {
  const std::string tariff = "efcrec\n  record type=0\n" + std::string(kPointFiles) + std::string(kFlatFactors);
  start(tariff + RatesWithLaneRecord(3, kFlatEntries));
  // The changed files, built apart: class 100's rate at 1000 pounds 17.00
  // instead of 18.00 (600 x 17.00 + 42.00 + 14.00 = 158.00), and a
  // point-service file that serves the destination indirectly.
  testing::DataDirectory changed{""};
  changed.build(tariff +
                RatesWithLaneRecord(3, "7500 2400 2100 1700 1500 1200 1900 1650 1400 1150 950 1500 1300 1100 900 700") +
                "points-service tariff=TSTFRT01 suffix=01\n  header letter=D\n  range low=90000 high=90099 letter=I\n" +
                "tds\n  entry\ntda\n  state\n");
  const std::filesystem::path rates = FileNamed(data_.path(), "TSTFRT01.R");
  const std::string original = platform::testing::ReadFileText(rates);
  const std::string cheaper = platform::testing::ReadFileText(FileNamed(changed.path(), "TSTFRT01.R"));
  const std::filesystem::path service = FileNamed(changed.path(), "TSTFRT01.D");
  ASSERT_EQ(original.size(), cheaper.size());
  ASSERT_FALSE(service.empty());

  WaitUntilSettled(data_.path());
  EXPECT_EQ(rate(TwoLines()).netCharge(), "0164.00");
  // Rewritten in place at the same size: the handle the engine keeps reads
  // the new rates.
  Overwrite(rates, cheaper);
  EXPECT_EQ(rate(TwoLines()).netCharge(), "0158.00");
  // Replaced by rename while the engine holds the old file open.
  data_.write("rates.new", original);
  std::filesystem::rename(data_.path() / "rates.new", rates);
  EXPECT_EQ(rate(TwoLines()).netCharge(), "0164.00");
  // A missing file created, then removed.
  std::filesystem::copy_file(service, data_.path() / service.filename());
  EXPECT_EQ(rate(TwoLines()).pointLetters(), "DI");
  std::filesystem::remove(data_.path() / service.filename());
  EXPECT_EQ(rate(TwoLines()).pointLetters(), "  ");
  // A file the rating needs removed: the rating says so.
  std::filesystem::remove(rates);
  EXPECT_NE(rate(TwoLines()).returnCode(), "    ");
}

// A program that writes EFCREC.TBL owns the machine-wide lock meanwhile: a
// rating that needs a tariff's record waits until it lets go, and reads what
// it wrote, even when the program replaced the file after the rating began
// (here the June version, now asking for a rating version newer than the
// engine's: 398). The folder is settled and the engine has rated in it, so
// that it keeps its handles between ratings.
TEST_F(NumberedTypes, ARatingWaitsForTheProgramThatOwnsTheEffectiveLockAndReadsWhatItWrote) {
  start("efcrec\n  record type=0\n  record type=0 date=2024-06-01\n" + std::string(kPointFiles) +
        std::string(kFlatFactors) + RatesWithLaneRecord(3, kFlatEntries));
  WaitUntilSettled(data_.path());
  EXPECT_EQ(rate(TwoLines().date("03-01-2024")).effectiveDate(), "01-01-2024");
  platform::testing::ChildProcess writer([&](platform::testing::ChildProcess::Channel& channel) {
    channel.send(engine_->LockEffective() == 1 ? 'y' : 'n');
    channel.receive();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the rating is waiting by now
    data_.build("efcrec\n  record type=0\n  record type=0 date=2024-06-01 version=9.99\n");
    engine_->UnlockEffective();
  });
  ASSERT_EQ(writer.receive(), 'y');
  writer.send('g');
  EXPECT_EQ(rate(TwoLines()).returnCode(), "0398");  // shipped 06-15-2024: the June version
  writer.wait();
}

TEST_F(NumberedTypes, TypeThreeTakesItsPointsFromTheZoneList) {
  // Zones 5 (add-on 2) and 2 (add-on 0); the cell of the pair holds 1:
  // record 1 + 2 + 0 = 3, rated as type 0 above.
  start(R"(
efcrec
  record type=3
zones tariff=TSTFRT01
  zone low=10000 high=10099 number=5 addon=2
  zone low=90000 high=90099 number=2 addon=0
matrix tariff=TSTFRT01
  pair a=5 b=2 value=1
lettered tariff=TSTFRT01 letter=Z
)" + std::string(kFlatFactors) +
        RatesWithLaneRecord(3, kFlatEntries));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineCharge(0), "000108.00");
  EXPECT_EQ(a.lineCharge(1), "000042.00");
  EXPECT_EQ(a.deficitCharge(), "000014.00");
  EXPECT_EQ(a.netCharge(), "0164.00");
}

TEST_F(NumberedTypes, TypeFourKeepsTheBreakOfTheWeight) {
  // No add-ons: the cell's 1 is record 1. The deficit search of type 4
  // ends at the first total that is not lower, and the starting break's own
  // total never is: 900 pounds stays at break 1 (500) with no deficit.
  // 600 x 2100 = 12600, 300 x 1650 = 4950: gross and net 175.50.
  start("efcrec\n  record type=4\n" + std::string(kPointFiles) + std::string(kFlatFactors) +
        RatesWithLaneRecord(1, kFlatEntries));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00001B");
  EXPECT_EQ(a.actualWeight(), "000900");
  EXPECT_EQ(a.billedWeight(), "000900");
  EXPECT_EQ(a.lineRate(0), "0021.00");
  EXPECT_EQ(a.lineCharge(0), "000126.00");
  EXPECT_EQ(a.lineRate(1), "0016.50");
  EXPECT_EQ(a.lineCharge(1), "000049.50");
  EXPECT_EQ(a.deficitRate(), "0000.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000175.50");
  EXPECT_EQ(a.netCharge(), "0175.50");
  EXPECT_EQ(a.appliedMinimum(), 7500);
  ExpectNoDiscounts(a);
}

TEST_F(NumberedTypes, TypeSixReadsItsPointsFromTheYFileAndRaisesToTheMinimum) {
  // Points from the Y file, no add-ons: record 1. One line of class 50 at
  // 200 pounds, break 0: 200 x 1500 = 3000. Break 1 (500): 200 x 1300 =
  // 2600 + 300 pounds of deficit at 1300 = 3900: 6500, dearer. The 75.00
  // minimum raises the net; the gross stays 30.00.
  start(R"(
efcrec
  record type=6
points tariff=TSTFRT01 letter=Y
  point low=10001 high=10099 number=1 addon=1
  point low=90001 high=90099 number=2 addon=1
  width value=0
matrix tariff=TSTFRT01
  pair a=1 b=2 value=1
lettered tariff=TSTFRT01 letter=Z
)" + std::string(kFlatFactors) +
        RatesWithLaneRecord(1, kFlatEntries));
  const RatedShipment a = rate(ShipmentRequest{}.line(0, "50", "000200"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00001B");
  EXPECT_EQ(a.actualWeight(), "000200");
  EXPECT_EQ(a.billedWeight(), "000200");
  EXPECT_EQ(a.lineRate(0), "0015.00");
  EXPECT_EQ(a.lineCharge(0), "000030.00");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000030.00");
  EXPECT_EQ(a.netCharge(), "0075.00");
  EXPECT_EQ(a.appliedMinimum(), 7500);
  ExpectNoDiscounts(a);
}

// --- Discounts and factors, on the type-0 tariff ---

// Discounts on: 25.00 percent on the net, and per break 10, 15, 20, 25 and
// 30 percent (fields 1 to 5 for breaks 0 to 4).
ShipmentRequest Discounted(ShipmentRequest request, char kind) {
  return request.at(194, "Y")
      .at(214, std::string(1, kind))
      .discounts(1, "D%", {"02500", "01000", "01500", "02000", "02500", "03000", "00000", "00000", "00000", "00000"});
}

TEST_F(NumberedTypes, TypeZeroDiscountsTheChargesAtTheBreakAndThenTheNet) {
  start("efcrec\n  record type=0\n" + std::string(kPointFiles) + std::string(kFlatFactors) +
        RatesWithLaneRecord(3, kFlatEntries));
  // Discount kind C. A discount of x percent on an amount a takes
  // round(round(a x x) / 100) off, rounding up from .49. Break 1: 17550 less
  // 15 percent (2633) = 14917. Break 2: 16400 less 20 percent (3280) =
  // 13120, cheaper; break 3: 25100 less 6275 = 18825. So break 2 as without
  // discounts: charge 13120 over the 75.00 minimum. The gross is 16400 less
  // its break discount 3280; the net 13120 less 25 percent, 3280: 9840. The
  // percentage shown is the break's, since 13120 - 3280 is not above the
  // gross.
  const RatedShipment a = rate(Discounted(TwoLines(), 'C'));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0018.00");
  EXPECT_EQ(a.lineCharge(0), "000108.00");
  EXPECT_EQ(a.lineRate(1), "0014.00");
  EXPECT_EQ(a.lineCharge(1), "000042.00");
  EXPECT_EQ(a.deficitRate(), "0014.00");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000014.00");
  EXPECT_EQ(a.grossCharge(), "000131.20");
  EXPECT_EQ(a.breakDiscount(), "    32.80");
  EXPECT_EQ(a.percentDiscount(), "  32.80");
  EXPECT_EQ(a.discountPercent(), "20.00");
  EXPECT_EQ(a.netCharge(), "0098.40");
  EXPECT_EQ(a.appliedMinimum(), 7500);

  // Field 3 " 9999" ends the discounted breaks: 2 of them, so the break
  // used is at most 1 and the search looks no further. Break 1: 17550, its
  // discount (15 percent) 2633: gross 14917; net 14917 less 25 percent
  // (3729.25, 3729) = 11188.
  const RatedShipment limited = rate(TwoLines().at(194, "Y").discounts(
      1, "D%", {"02500", "01000", "01500", " 9999", "02500", "03000", "00000", "00000", "00000", "00000"}));
  EXPECT_EQ(limited.returnCode(), "    ");
  EXPECT_EQ(limited.billedWeight(), "000900");
  EXPECT_EQ(limited.lineRate(0), "0021.00");
  EXPECT_EQ(limited.lineCharge(0), "000126.00");
  EXPECT_EQ(limited.lineRate(1), "0016.50");
  EXPECT_EQ(limited.lineCharge(1), "000049.50");
  EXPECT_EQ(limited.deficitCharge(), "000000.00");
  EXPECT_EQ(limited.grossCharge(), "000149.17");
  EXPECT_EQ(limited.breakDiscount(), "    26.33");
  EXPECT_EQ(limited.percentDiscount(), "  37.29");
  EXPECT_EQ(limited.discountPercent(), "15.00");
  EXPECT_EQ(limited.netCharge(), "0111.88");
}

TEST_F(NumberedTypes, TheEndOfBreaksMarkIsKnownByItsTextAndAWholeDiscountIsTaken) {
  start("efcrec\n  record type=0\n" + std::string(kPointFiles) + std::string(kFlatFactors) +
        RatesWithLaneRecord(3, kFlatEntries));
  // Without a discount, 900 lb are rated at break 1 for 175.50 or, with
  // the 100 lb deficit, at break 2 (1000 lb) for 164.00; the minimum is
  // 75.00. Only break 2's field (field 3) is set. Under kind C it
  // discounts the charge at break 2, under kind R the rates of break 2.
  // " 9998" is 99.98 percent: 3 cents are left under C, under R each rate
  // (18.00, 14.00) is taken whole by rounding, and both are raised to the
  // minimum. " 9999" ends the discounted breaks after break 1, which is
  // then rated undiscounted. "10000" takes the whole amount (the minimum
  // remains), and "12000" is held at 100 percent.
  struct Case {
    char kind;
    const char* field;
    const char* billedWeight;
    const char* gross;
    const char* net;
  };
  for (const Case& c :
       {Case{'C', " 9998", "001000", "000000.03", "0075.00"}, Case{'C', " 9999", "000900", "000175.50", "0175.50"},
        Case{'C', "10000", "001000", "000000.00", "0075.00"}, Case{'C', "12000", "001000", "000000.00", "0075.00"},
        Case{'R', " 9998", "001000", "000000.00", "0075.00"}, Case{'R', " 9999", "000900", "000175.50", "0175.50"},
        Case{'R', "10000", "001000", "000000.00", "0075.00"}, Case{'R', "12000", "001000", "000000.00", "0075.00"}}) {
    ShipmentRequest request = TwoLines().at(194, "Y").at(214, std::string(1, c.kind));
    const RatedShipment a = rate(request.discounts(
        1, "D%", {"00000", "00000", "00000", c.field, "00000", "00000", "00000", "00000", "00000", "00000"}));
    SCOPED_TRACE(std::string(1, c.kind) + " '" + c.field + "'");
    EXPECT_EQ(a.returnCode(), "    ");
    EXPECT_EQ(a.billedWeight(), c.billedWeight);
    EXPECT_EQ(a.grossCharge(), c.gross);
    EXPECT_EQ(a.netCharge(), c.net);
  }
}

TEST_F(NumberedTypes, AnIndirectlyServedPointTakesTheIndirectDiscounts) {
  // The destination is served indirectly: the second record's discounts
  // apply, 10 percent on the net and 5 percent at every break. Break 1:
  // 17550 less 878 = 16672; break 2: 16400 less 820 = 15580, cheaper; break
  // 3: 25100 less 1255 = 23845. The gross 16400 less 820; the net 15580 less
  // 10 percent, 1558: 14022; the percentage shown is the break's.
  start("efcrec\n  record type=0\n" + std::string(kPointFiles) + std::string(kFlatFactors) +
        RatesWithLaneRecord(3, kFlatEntries) + R"(
points-service tariff=TSTFRT01 suffix=01
  header letter=D
  range low=90000 high=90099 letter=I
)");
  const RatedShipment a =
      rate(Discounted(TwoLines(), 'C')
               .discounts(2, "I%",
                          {"01000", "00500", "00500", "00500", "00500", "00500", "00500", "00500", "00500", "00500"}));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.pointLetters(), "DI");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineCharge(0), "000108.00");
  EXPECT_EQ(a.lineCharge(1), "000042.00");
  EXPECT_EQ(a.deficitCharge(), "000014.00");
  EXPECT_EQ(a.grossCharge(), "000155.80");
  EXPECT_EQ(a.breakDiscount(), "     8.20");
  EXPECT_EQ(a.percentDiscount(), "  15.58");
  EXPECT_EQ(a.discountPercent(), "05.00");
  EXPECT_EQ(a.netCharge(), "0140.22");
  // Both points served directly: the first record's discounts, as above.
  const RatedShipment direct =
      rate(Discounted(TwoLines(), 'C')
               .at(197, "D")
               .discounts(2, "I%",
                          {"01000", "00500", "00500", "00500", "00500", "00500", "00500", "00500", "00500", "00500"}));
  EXPECT_EQ(direct.pointLetters(), "DD");
  EXPECT_EQ(direct.grossCharge(), "000131.20");
  EXPECT_EQ(direct.netCharge(), "0098.40");
}

TEST_F(NumberedTypes, TypeZeroWithRateDiscountsDiscountsEachRateAndTheMinimum) {
  start("efcrec\n  record type=0\n" + std::string(kPointFiles) + std::string(kFlatFactors) +
        RatesWithLaneRecord(3, kFlatEntries));
  // Discount kind R: the rates of break b lose field b + 1's percentage,
  // the minimum field 0's. Class 100: 2100 - 315 = 1785 at break 1, 1800 -
  // 360 = 1440 at break 2; class 70: 1650 - 248 = 1402, 1400 - 280 = 1120.
  // Break 1: 10710 + 4206 = 14916. Break 2: 8640 + 3360 + 100 pounds at
  // 1120 = 13120, cheaper; break 3 (1125 and 862): 6750 + 2586 + 1100
  // pounds at 862 = 18818. The minimum loses field 0's 25 percent: 7500 -
  // 1875 = 5625. No charge discounts follow.
  const RatedShipment a = rate(Discounted(TwoLines(), 'R'));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0014.40");
  EXPECT_EQ(a.lineCharge(0), "000086.40");
  EXPECT_EQ(a.lineRate(1), "0011.20");
  EXPECT_EQ(a.lineCharge(1), "000033.60");
  EXPECT_EQ(a.deficitRate(), "0011.20");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000011.20");
  EXPECT_EQ(a.grossCharge(), "000131.20");
  EXPECT_EQ(a.netCharge(), "0131.20");
  EXPECT_EQ(a.appliedMinimum(), 5625);
  ExpectNoDiscounts(a);
  // The same lane with other percentages is rated afresh: at none, the
  // rates stand as without discounts.
  const RatedShipment none = rate(TwoLines().at(194, "Y").at(214, "R").discounts(
      1, "D%", {"00000", "00000", "00000", "00000", "00000", "00000", "00000", "00000", "00000", "00000"}));
  EXPECT_EQ(none.lineRate(0), "0018.00");
  EXPECT_EQ(none.netCharge(), "0164.00");
  EXPECT_EQ(none.appliedMinimum(), 7500);
}

TEST_F(NumberedTypes, TheTariffsRateAdjustmentFactorScalesRatesAndMinimum) {
  // RADJF 1.05: class 100 2205, 1890, 1575 and class 70 1733, 1470, 1208
  // at breaks 1 to 3 (x 10500, halves up), the minimum 7875. Break 1: 13230
  // + 5199 = 18429; break 2: 11340 + 4410 + 100 pounds at 1470 = 17220,
  // cheaper; break 3: 9450 + 3624 + 1100 pounds at 1208 = 26362.
  std::string factors(kFlatFactors);
  factors.insert(factors.find("  sets"), "  parameter name=RADJF value=1.05\n");
  start("efcrec\n  record type=0\n" + std::string(kPointFiles) + factors + RatesWithLaneRecord(3, kFlatEntries));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0018.90");
  EXPECT_EQ(a.lineCharge(0), "000113.40");
  EXPECT_EQ(a.lineRate(1), "0014.70");
  EXPECT_EQ(a.lineCharge(1), "000044.10");
  EXPECT_EQ(a.deficitRate(), "0014.70");
  EXPECT_EQ(a.deficitCharge(), "000014.70");
  EXPECT_EQ(a.grossCharge(), "000172.20");
  EXPECT_EQ(a.netCharge(), "0172.20");
  EXPECT_EQ(a.appliedMinimum(), 7875);
}

// --- One engine rating many times, versions, the header's plus ---

// The description with its files named for another tariff.
std::string ForTariff(std::string text, std::string_view name) {
  for (std::size_t at = 0; (at = text.find("tariff=TSTFRT01", at)) != std::string::npos; at += 15)
    text.replace(at + 7, 8, name);
  return text;
}

TEST_F(NumberedTypes, EachRatingOfOneEngineAnswersAsAFreshEngineWould) {
  // TSTFRT01 is the type-0 tariff above; TSTFRT02 a type-4 tariff on the
  // same files, whose search keeps the break of the weight.
  start("efcrec\n  record type=0\n  record type=4 name=TSTFRT02\n" + std::string(kPointFiles) +
        std::string(kFlatFactors) + RatesWithLaneRecord(3, kFlatEntries) +
        ForTariff(std::string(kPointFiles) + std::string(kFlatFactors) + RatesWithLaneRecord(1, kFlatEntries),
                  "TSTFRT02"));
  const RatedShipment first = rate(TwoLines());
  EXPECT_EQ(first.netCharge(), "0164.00");
  // The same request again (the engine keeps the last request's work).
  EXPECT_EQ(rate(TwoLines()).field(0, 2160), first.field(0, 2160));
  const RatedShipment other = rate(TwoLines().tariff("TSTFRT02"));
  EXPECT_EQ(other.returnCode(), "    ");
  EXPECT_EQ(other.tariffUsed(), "TSTFRT02");
  EXPECT_EQ(other.netCharge(), "0175.50");
  EXPECT_EQ(other.deficitWeight(), "000000");
  EXPECT_EQ(rate(TwoLines()).field(0, 2160), first.field(0, 2160));

  // The request's factor 0.9 scales every rate and the minimum: class 100
  // 1890, 1620, 1350 and class 70 1485, 1260, 1035 at breaks 1 to 3, the
  // minimum 6750. Break 1: 11340 + 4455 = 15795; break 2: 9720 + 3780 +
  // 100 pounds at 1260 = 14760, cheaper; break 3: 8100 + 3105 + 1100 pounds
  // at 1035 = 22590.
  const RatedShipment factored = rate(TwoLines().at(236, "09000"));
  EXPECT_EQ(factored.returnCode(), "    ");
  EXPECT_EQ(factored.billedWeight(), "001000");
  EXPECT_EQ(factored.lineRate(0), "0016.20");
  EXPECT_EQ(factored.lineCharge(0), "000097.20");
  EXPECT_EQ(factored.lineRate(1), "0012.60");
  EXPECT_EQ(factored.lineCharge(1), "000037.80");
  EXPECT_EQ(factored.deficitRate(), "0012.60");
  EXPECT_EQ(factored.deficitCharge(), "000012.60");
  EXPECT_EQ(factored.grossCharge(), "000147.60");
  EXPECT_EQ(factored.netCharge(), "0147.60");
  EXPECT_EQ(factored.appliedMinimum(), 6750);
  EXPECT_EQ(factored.field(236, 5), "09000");
  EXPECT_EQ(rate(TwoLines()).field(0, 2160), first.field(0, 2160));
  // A rating that fails (class 85 is not in the tariff: line 2 has no rate)
  // leaves nothing behind.
  EXPECT_EQ(rate(TwoLines().line(1, "85", "000300")).returnCode(), "0402");
  EXPECT_EQ(rate(TwoLines()).field(0, 2160), first.field(0, 2160));
}

// The description with its tariff files given a suffix of their own.
std::string WithSuffix(std::string text, std::string_view suffix) {
  for (std::size_t at = 0; (at = text.find("tariff=TSTFRT01", at)) != std::string::npos; at += 15)
    text.insert(at + 15, " suffix=" + std::string(suffix));
  return text;
}

// Record 4 after the lane's record: minimum 80.00; class 100 2600 2300 2000
// 1700 1400, class 70 2100 1850 1600 1300 1100, class 50 1700 1500 1300
// 1100 900.
constexpr std::string_view kRecordFourEntries =
    "8000 2600 2300 2000 1700 1400 2100 1850 1600 1300 1100 1700 1500 1300 1100 900";

TEST_F(NumberedTypes, TheVersionOfTheShipDateRatesWithItsOwnFiles) {
  // Version 01 from 01-01-2024 holds the rates above; version 02 from
  // 06-01-2024 those of record 4 in record 3's place. 900 pounds on
  // version 02: break 1 13800 + 5550 = 19350; break 2 12000 + 4800 + 100
  // pounds at 1600 = 18400, cheaper; break 3 10200 + 3900 + 1100 pounds at
  // 1300 = 28400.
  const std::string files = std::string(kPointFiles) + std::string(kFlatFactors);
  start("efcrec\n  record type=0\n  record type=0 date=2024-06-01 suffix=02\n" +
        WithSuffix(files + RatesWithLaneRecord(3, kFlatEntries), "01") +
        WithSuffix(files + RatesWithLaneRecord(3, kRecordFourEntries), "02"));
  const RatedShipment june = rate(TwoLines().date("06-15-2024"));
  EXPECT_EQ(june.returnCode(), "    ");
  EXPECT_EQ(june.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(june.effectiveDate(), "06-01-2024");
  EXPECT_EQ(june.lineRate(0), "0020.00");
  EXPECT_EQ(june.lineCharge(0), "000120.00");
  EXPECT_EQ(june.lineRate(1), "0016.00");
  EXPECT_EQ(june.lineCharge(1), "000048.00");
  EXPECT_EQ(june.deficitRate(), "0016.00");
  EXPECT_EQ(june.deficitCharge(), "000016.00");
  EXPECT_EQ(june.netCharge(), "0184.00");
  EXPECT_EQ(june.appliedMinimum(), 8000);
  // The day before version 02: version 01, as in the first rating above.
  const RatedShipment may = rate(TwoLines().date("05-31-2024"));
  EXPECT_EQ(may.returnCode(), "    ");
  EXPECT_EQ(may.effectiveDate(), "01-01-2024");
  EXPECT_EQ(may.netCharge(), "0164.00");
  EXPECT_EQ(may.appliedMinimum(), 7500);
  EXPECT_EQ(rate(TwoLines().date("06-15-2024")).field(0, 2160), june.field(0, 2160));
}

TEST_F(NumberedTypes, APlusInTheHeaderMovesTheRateRecordForward) {
  // "+0001" at byte 161: record 3's number 00003 plus 1 is record 4, rated
  // as version 02 above: 184.00. The text keeps five digits and the kind
  // letter.
  start("efcrec\n  record type=0\n" + std::string(kPointFiles) + std::string(kFlatFactors) +
        RatesWithLaneRecord(3, kFlatEntries) + "  record group=001 number=00004 letter=B entries=\"" +
        std::string(kRecordFourEntries) + "\"\n");
  const RatedShipment a = rate(TwoLines().at(161, "+0001"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00004B");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0020.00");
  EXPECT_EQ(a.lineRate(1), "0016.00");
  EXPECT_EQ(a.deficitCharge(), "000016.00");
  EXPECT_EQ(a.grossCharge(), "000184.00");
  EXPECT_EQ(a.netCharge(), "0184.00");
  EXPECT_EQ(a.appliedMinimum(), 8000);
  EXPECT_EQ(a.field(161, 5), "+0001");
  // A record past the file's last: 214.
  EXPECT_EQ(rate(TwoLines().at(161, "+0002")).returnCode(), "0214");
}

// --- A base rate scaled by class and break factors ---

TEST_F(NumberedTypes, TypeFiveScalesTheBreaksBaseRateByTheClassFactor) {
  // Classes 100, 70, 50 (factors 1, 0.85, 0.65), breaks 0, 500, 1000, 2000;
  // record 1 (no add-ons): minimum 60.00, base rates e(b + 1) 2000 1700
  // 1500 1200. 1500 pounds is break 2: class 70 at 1500 x 8500 = 1275,
  // 1200 x 1275 = 15300; class 100 at 1500, 300 x 1500 = 4500; 19800.
  // Break 3: class 70 1200 x 8500 = 1020, 12240; class 100 1200, 3600; and
  // 500 pounds of deficit at 1020 = 5100: 20940, dearer.
  start("efcrec\n  record type=5\n" + std::string(kPointFiles) + R"(
factor tariff=TSTFRT01
  sets numbers=1
  classes codes="100 70 50"
  breaks weights="2000 1000 500 0"
  class-factors values="1 0.85 0.65"
  break-factors
)" + RatesWithLaneRecord(1, "6000 2000 1700 1500 1200"));
  const RatedShipment a = rate(ShipmentRequest{}.detailCount("02").line(0, "70", "001200").line(1, "100", "000300"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00001B");
  EXPECT_EQ(a.actualWeight(), "001500");
  EXPECT_EQ(a.billedWeight(), "001500");
  EXPECT_EQ(a.lineRate(0), "0012.75");
  EXPECT_EQ(a.lineCharge(0), "000153.00");
  EXPECT_EQ(a.lineRate(1), "0015.00");
  EXPECT_EQ(a.lineCharge(1), "000045.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000198.00");
  EXPECT_EQ(a.netCharge(), "0198.00");
  EXPECT_EQ(a.appliedMinimum(), 6000);
  ExpectNoDiscounts(a);
}

// Type 1: rate groups 5 and 7; group 7 (the lane record's) has class
// factors 1, 0.85, 0.65 and break factors 1, 0.9, 0.8 at 0, 500, 1000
// (listed, as the breaks are, from the highest break down).
// Zones 5 (add-on 2) and 2: record 1 + 2 = 3, entries 0-3 the minimums
// (55.00 from 100 pounds, 40.00 single shipment, 35.00 below 100 pounds,
// 30.00), entry 4 the base rate 20.00.
constexpr std::string_view kTypeOne = R"(
efcrec
  record type=1
zones tariff=TSTFRT01
  zone low=10000 high=10099 number=5 addon=2
  zone low=90000 high=90099 number=2 addon=0
matrix tariff=TSTFRT01
  pair a=5 b=2 value=1
lettered tariff=TSTFRT01 letter=Z
factor tariff=TSTFRT01
  sets numbers="5 7"
  classes codes="100 70 50"
  breaks weights="1000 500 0"
  class-factors values="1 1 1"
  class-factors values="1 0.85 0.65"
  break-factors values="1 1 1"
  break-factors values="0.8 0.9 1"
)";

TEST_F(NumberedTypes, TypeOneTakesTheFactorsOfItsRateGroup) {
  start(std::string(kTypeOne) + RatesWithLaneRecord(3, "007 00003B", "5500 4000 3500 3000 2000"));
  // 900 pounds, break 1: 2000 x 9000 = 1800; class 70 1800 x 8500 = 1530,
  // 600 x 1530 = 9180; class 100 1800, 300 x 1800 = 5400; 14580. Break 2:
  // 2000 x 8000 = 1600; class 70 1600 x 8500 = 1360, 8160; class 100 1600,
  // 4800; 100 pounds of deficit at 1360 = 1360: 14320, cheaper. Billed 1000
  // pounds, gross and net 143.20; 900 pounds takes the 55.00 minimum.
  // The text: group 007 is the second rate group, then bytes 5-8.
  const RatedShipment a = rate(ShipmentRequest{}.detailCount("02").line(0, "70", "000600").line(1, "100", "000300"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "      20003");
  EXPECT_EQ(a.actualWeight(), "000900");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0013.60");
  EXPECT_EQ(a.lineCharge(0), "000081.60");
  EXPECT_EQ(a.lineRate(1), "0016.00");
  EXPECT_EQ(a.lineCharge(1), "000048.00");
  EXPECT_EQ(a.deficitRate(), "0013.60");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000013.60");
  EXPECT_EQ(a.grossCharge(), "000143.20");
  EXPECT_EQ(a.netCharge(), "0143.20");
  EXPECT_EQ(a.appliedMinimum(), 5500);
  ExpectNoDiscounts(a);

  // 80 pounds of class 50, break 0: 2000 x 6500 = 1300, 80 x 1300 = 1040;
  // below 100 pounds the 35.00 minimum applies.
  const RatedShipment light = rate(ShipmentRequest{}.line(0, "50", "000080"));
  EXPECT_EQ(light.returnCode(), "    ");
  EXPECT_EQ(light.lineRate(0), "0013.00");
  EXPECT_EQ(light.lineCharge(0), "000010.40");
  EXPECT_EQ(light.grossCharge(), "000010.40");
  EXPECT_EQ(light.netCharge(), "0035.00");
  EXPECT_EQ(light.appliedMinimum(), 3500);

  // A single shipment (byte 177 'Y') takes the single-shipment minimums:
  // 40.00 below 100 pounds, 30.00 from 100 pounds.
  const RatedShipment single = rate(ShipmentRequest{}.line(0, "50", "000080").at(177, "Y"));
  EXPECT_EQ(single.returnCode(), "    ");
  EXPECT_EQ(single.grossCharge(), "000010.40");
  EXPECT_EQ(single.netCharge(), "0040.00");
  EXPECT_EQ(single.appliedMinimum(), 4000);
  const RatedShipment heavier = rate(ShipmentRequest{}.line(0, "50", "000200").at(177, "Y"));
  EXPECT_EQ(heavier.netCharge(), "0030.00");  // 200 x 1300 = 2600
  EXPECT_EQ(heavier.appliedMinimum(), 3000);
}

TEST_F(NumberedTypes, TypeOneWithARateGroupOutsideTheListHasNoRates) {
  // Group 009 is not among the rate groups 5 and 7: no factor row, so no
  // rate for the line's class: 401 for line 1, and no charges answered.
  start(std::string(kTypeOne) + RatesWithLaneRecord(3, "009 00003B", "5500 4000 3500 3000 2000"));
  const RatedShipment a = rate(ShipmentRequest{}.line(0, "70", "000600"));
  EXPECT_EQ(a.returnCode(), "0401");
  EXPECT_EQ(a.lineCharge(0), "000000.00");
  EXPECT_EQ(a.netCharge(), ShipmentRequest{}.text(113, 7));
}

TEST_F(NumberedTypes, TypeDTakesTheBreakFactorAndTheClassPercentage) {
  // Letter-format factors: classes 100, 70, 50 with percentages 1, 0.85,
  // 0.65; break factors 1, 0.9, 0.8, 0.7 at 0, 500, 1000, 2000. Record 3
  // (add-ons 1 + 1): minimums 60.00 50.00 45.00 40.00, base 30.00.
  start("efcrec\n  record type=D\n" + std::string(kPointFiles) + R"(
factor tariff=TSTFRT01
  section kind=1 classes="100 70 50" breaks="0 500 1000 2000"
  factor-line values="1 1 1 1"
  factor-line values="0.85 1 1 1"
  factor-line values="0.65 1 1 1"
  extra-line values="1 0.9 0.8 0.7"
)" + RatesWithLaneRecord(3, "6000 5000 4500 4000 3000"));
  // 1900 pounds, break 2: 3000 x 8000 = 2400; class 100 1500 x 2400 =
  // 36000; class 50 2400 x 6500 = 1560, 400 x 1560 = 6240; 42240. Break 3:
  // 3000 x 7000 = 2100; class 100 31500; class 50 2100 x 6500 = 1365, 5460;
  // 100 pounds of deficit at 1365 = 1365: 38325, cheaper. Billed 2000.
  // No rate groups: the text's position is 1, then bytes 5-8.
  const RatedShipment a = rate(ShipmentRequest{}.detailCount("02").line(0, "100", "001500").line(1, "50", "000400"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "      10003");
  EXPECT_EQ(a.actualWeight(), "001900");
  EXPECT_EQ(a.billedWeight(), "002000");
  EXPECT_EQ(a.lineRate(0), "0021.00");
  EXPECT_EQ(a.lineCharge(0), "000315.00");
  EXPECT_EQ(a.lineRate(1), "0013.65");
  EXPECT_EQ(a.lineCharge(1), "000054.60");
  EXPECT_EQ(a.deficitRate(), "0013.65");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000013.65");
  EXPECT_EQ(a.grossCharge(), "000383.25");
  EXPECT_EQ(a.netCharge(), "0383.25");
  EXPECT_EQ(a.appliedMinimum(), 6000);
  ExpectNoDiscounts(a);
}

// --- Rates and minimums by distance band ---

// The 384-byte tier table of minimum amounts: 24-bit entry i is 2000 + 50i.
std::string TierTable() {
  std::string text;
  char hex[8];
  for (int i = 0; i < 128; ++i) {
    const int v = 2000 + 50 * i;
    for (int k = 0; k < 3; ++k) {
      std::snprintf(hex, sizeof hex, "\\x%02X", (v >> (8 * k)) & 0xFF);
      text += hex;
    }
  }
  return text;
}

TEST_F(NumberedTypes, TypeSevenRatesAndMinimumsByTheDistanceBand) {
  // Cell 1 = 0 x 1024 + 1: record 1 + 1 + 1 = 3, service digit 0. Its
  // distance 0900 is band 2 (801 to 1500): the third factor set, classes
  // 100 and 70 at 1 and 0.85, breaks 0, 500, 1000 at 1, 0.9, 0.8 (listed
  // from the highest break down); base e(1) 25.00. The minimums are the
  // tier amounts of band 2, column 1: entries (tier + 8) x 4 = 32, 36, 40
  // at 0, 200, 300 pounds: 36.00, 38.00, 40.00.
  std::string points(kPointFiles);
  points.insert(points.find("  width"), "  point low=K1A high=K1Z number=3 addon=0\n");
  points.insert(points.find("lettered"), "  pair a=3 b=2 value=2\n");
  // A tariff that serves Canada (country C).
  start("efcrec\n  record type=7 country=C\n" + points + R"(
factor tariff=TSTFRT01
  sets numbers="1 2 3 4"
  classes codes="100 70"
  breaks weights="1000 500 0"
  class-factors values="1 0.9"
  class-factors
  class-factors values="1 0.85"
  class-factors
  break-factors values="0.85 0.95 1"
  break-factors
  break-factors values="0.8 0.9 1"
  break-factors
lettered tariff=TSTFRT01 letter=M
  raw text=")" +
        TierTable() + R"("
rates tariff=TSTFRT01
  record head="001 00000B" entries="1 1"
  record head="001 00001B" entries="1 1"
  record head="001 00420L" entries="0 1800"
  record head="001 00900A" entries="0 2500"
)");
  const RatedShipment a = rate(ShipmentRequest{}.line(0, "70", "000150"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "    000900A");  // the service digit, then bytes 3-9
  EXPECT_EQ(a.actualWeight(), "000150");
  EXPECT_EQ(a.billedWeight(), "000150");
  EXPECT_EQ(a.lineRate(0), "0021.25");
  EXPECT_EQ(a.lineCharge(0), "000031.88");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000031.88");
  EXPECT_EQ(a.netCharge(), "0036.00");
  EXPECT_EQ(a.appliedMinimum(), 3600);
  EXPECT_EQ(a.minimumLayout(), 1);
  ExpectNoDiscounts(a);

  // 320 pounds of class 100, break 0: 2500, 8000. Break 1: 2250, 7200 +
  // 180 pounds at 2250 = 4050: dearer. 80.00 is above the minimum at 300
  // pounds, 40.00.
  const RatedShipment b = rate(ShipmentRequest{}.line(0, "100", "000320"));
  EXPECT_EQ(b.returnCode(), "    ");
  EXPECT_EQ(b.lineRate(0), "0025.00");
  EXPECT_EQ(b.lineCharge(0), "000080.00");
  EXPECT_EQ(b.netCharge(), "0080.00");
  EXPECT_EQ(b.appliedMinimum(), 4000);

  // Within point 1 (10001 to 10050) the add-ons 1 + 1 = 2 map to 1042: the
  // record of key 0420, service digit 1. Distance 420 is band 0: the first
  // set, class 70 at 0.9, breaks 0 and 500 at 1 and 0.95. 150 pounds: 1800
  // x 9000 = 1620, 150 x 1620 = 2430; break 1: 1800 x 9500 = 1710 x 9000 =
  // 1539, 2309 + 350 pounds at 1539 = 5387: dearer. The tier amounts of
  // band 0 are entries 0, 4, 8: 20.00 at 0 pounds.
  const RatedShipment local = rate(ShipmentRequest{}.destination("10050").line(0, "70", "000150"));
  EXPECT_EQ(local.returnCode(), "    ");
  EXPECT_EQ(local.rateBasis(), "    100420L");
  EXPECT_EQ(local.lineRate(0), "0016.20");
  EXPECT_EQ(local.lineCharge(0), "000024.30");
  EXPECT_EQ(local.deficitCharge(), "000000.00");
  EXPECT_EQ(local.grossCharge(), "000024.30");
  EXPECT_EQ(local.netCharge(), "0024.30");
  EXPECT_EQ(local.appliedMinimum(), 2000);

  // From Canada (K1A, point 3, add-on 0; cell 2): record 2 + 0 + 1 = 3
  // again, rated as the first shipment; a code beginning with a letter puts
  // distance 900 in the minimums' band 3: entries 48, 52, 56, 44.00 at 0
  // pounds.
  const RatedShipment canadian = rate(ShipmentRequest{}.origin("K1A0B1").line(0, "70", "000150"));
  EXPECT_EQ(canadian.returnCode(), "    ");
  EXPECT_EQ(canadian.rateBasis(), "    000900A");
  EXPECT_EQ(canadian.lineRate(0), "0021.25");
  EXPECT_EQ(canadian.lineCharge(0), "000031.88");
  EXPECT_EQ(canadian.grossCharge(), "000031.88");
  EXPECT_EQ(canadian.netCharge(), "0044.00");
  EXPECT_EQ(canadian.appliedMinimum(), 4400);
}

}  // namespace
}  // namespace vorn
