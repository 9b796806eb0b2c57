#include "errors/error_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace vorn {
namespace {

constexpr std::string_view kClassText = "Inval Class - Dtl Rec #";
constexpr std::string_view kWeightText = "Inval Weight - Dtl Rec #";

TEST(ErrorText, SuccessAndCodesWithoutAnEntryAreEmpty) {
  for (int code : {0, 127, 211, 499, 599, 1014, -1, -400, int{std::numeric_limits<std::int16_t>::max()}})
    EXPECT_EQ(ErrorText(static_cast<std::int16_t>(code)), "") << code;
}

TEST(ErrorText, DetailLineCodesCarryTheLineNumber) {
  EXPECT_EQ(ErrorText(400), kClassText);
  EXPECT_EQ(ErrorText(401), std::string(kClassText) + "-01");
  EXPECT_EQ(ErrorText(403), std::string(kClassText) + "-03");
  EXPECT_EQ(ErrorText(498), std::string(kClassText) + "-98");
  EXPECT_EQ(ErrorText(500), kWeightText);
  EXPECT_EQ(ErrorText(501), std::string(kWeightText) + "-01");
  EXPECT_EQ(ErrorText(520), std::string(kWeightText) + "-20");
  EXPECT_EQ(ErrorText(598), std::string(kWeightText) + "-98");
}

TEST(ErrorText, TextsStandAsStoredWithTheirBlanks) {
  EXPECT_EQ(ErrorText(382), "Hdr Detail Cnt Invalid  ");
  EXPECT_EQ(ErrorText(101), "Can't Open Tar    TDA");
  EXPECT_EQ(ErrorText(140), "LSEEK Error       ");
  EXPECT_EQ(ErrorText(1103), "QK SCAC zip comb not serviced");
  EXPECT_EQ(ErrorText(209), ErrorText(203));
  EXPECT_EQ(ErrorText(209), "Can't Open EFCREC.TBL FL ");
}

TEST(ErrorTextTable, HoldsEveryCodeOnceInLookupOrder) {
  const std::span<const ErrorTextEntry> table = ErrorTextTable();
  ASSERT_EQ(table.size(), 160u);
  EXPECT_EQ(table.front().code, 101u);
  EXPECT_EQ(table.front().name, "OPNTDA");
  EXPECT_EQ(table[table.size() - 2].code, 9999u);
  EXPECT_EQ(table.back().code, 9990u);
  EXPECT_EQ(table.back().text, "Communication Error");

  std::size_t unused = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ErrorTextEntry& entry = table[i];
    if (entry.code == 400) {
      EXPECT_EQ(table[i + 1].code, 500u);
    }
    if (entry.code == 1105) {
      EXPECT_EQ(table[i + 1].code, 9999u);
    }
    if (entry.name == "NOTUSED") ++unused;
    // No earlier entry or detail-line range hides an entry from the lookup.
    ASSERT_LE(entry.code, static_cast<std::uint32_t>(std::numeric_limits<std::int16_t>::max()));
    EXPECT_EQ(ErrorText(static_cast<std::int16_t>(entry.code)), entry.text) << entry.code;
  }
  EXPECT_EQ(unused, 32u);
}

TEST(ErrorText, ConcurrentLookupsEachGetTheirOwnText) {
  const std::array<std::int16_t, 4> codes{382, 520, 1101, 9999};
  std::vector<std::thread> threads;
  std::array<int, 4> wrong{};
  for (std::size_t t = 0; t < codes.size(); ++t)
    threads.emplace_back([&, t] {
      const std::string expected = ErrorText(codes[t]);
      for (int i = 0; i < 2000; ++i)
        if (ErrorText(codes[t]) != expected) ++wrong[t];
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, (std::array<int, 4>{}));
}

// An 80-byte buffer inside a larger one, so that a write past byte 79 shows.
struct ErrorBuffer {
  std::array<char, kErrorStringBufferSize + 16> bytes;

  explicit ErrorBuffer(std::string_view start) {
    bytes.fill('x');
    std::memcpy(bytes.data(), start.data(), start.size());
  }
  char* data() { return bytes.data(); }
  std::string textField() const { return std::string(bytes.data() + 4, kErrorStringBufferSize - 4); }
  std::string text() const { return std::string(bytes.data() + 4); }
  bool tailUntouched() const {
    for (std::size_t i = kErrorStringBufferSize; i < bytes.size(); ++i)
      if (bytes[i] != 'x') return false;
    return true;
  }
};

std::string Padded(std::string_view text) {
  std::string field(text);
  field.resize(kErrorStringBufferSize - 4, '\0');
  return field;
}

TEST(FillErrorStringBuffer, NullBufferGivesNull) { EXPECT_EQ(FillErrorStringBuffer(nullptr), nullptr); }

TEST(FillErrorStringBuffer, WritesTheTextFromByteFourNulPadded) {
  ErrorBuffer buffer("0382");
  EXPECT_EQ(FillErrorStringBuffer(buffer.data()), buffer.data());
  EXPECT_EQ(std::string(buffer.data(), 4), "0382");
  EXPECT_EQ(buffer.textField(), Padded("Hdr Detail Cnt Invalid  "));
  EXPECT_TRUE(buffer.tailUntouched());

  ErrorBuffer line("0520");
  FillErrorStringBuffer(line.data());
  EXPECT_EQ(line.textField(), Padded(std::string(kWeightText) + "-20"));
  EXPECT_TRUE(line.tailUntouched());
}

TEST(FillErrorStringBuffer, ReadsOnlyTheFirstFourCharactersAsScanfWould) {
  struct Case {
    std::string_view start;
    std::string_view text;
  };
  for (const Case& c :
       {Case{"03823", "Hdr Detail Cnt Invalid  "}, Case{" 382", "Hdr Detail Cnt Invalid  "},
        Case{"+382", "Hdr Detail Cnt Invalid  "}, Case{"\t382", "Hdr Detail Cnt Invalid  "},
        Case{"9999", "Flagged as Ignore/Delete "}, Case{"0101", "Can't Open Tar    TDA"},
        Case{"382x", "Hdr Detail Cnt Invalid  "}, Case{std::string_view("382\0", 4), "Hdr Detail Cnt Invalid  "},
        Case{"38x2", ""}, Case{"-382", ""}, Case{"0000", ""}}) {
    ErrorBuffer buffer(c.start);
    FillErrorStringBuffer(buffer.data());
    EXPECT_EQ(buffer.textField(), Padded(c.text)) << c.start;
    EXPECT_TRUE(buffer.tailUntouched()) << c.start;
  }
}

TEST(FillErrorStringBuffer, NoNumberClearsTheTextField) {
  for (std::string_view start : {std::string_view("abcd"), std::string_view("    "), std::string_view("+   "),
                                 std::string_view("-"), std::string_view("\0\0\0\0", 4)}) {
    ErrorBuffer buffer(start);
    EXPECT_EQ(FillErrorStringBuffer(buffer.data()), buffer.data());
    EXPECT_EQ(buffer.textField(), Padded("")) << start;
    EXPECT_TRUE(buffer.tailUntouched()) << start;
  }
}

}  // namespace
}  // namespace vorn
