// Fuzzes the printouts and the shipment export over arbitrary RatingContext
// bytes and totals rows. Each input is a run of patches laid over a
// shipment of one line: three bytes of offset (taken modulo the record's
// size), one byte of length, then that many bytes; the last patch, when it
// is cut short by the input's end, carries what there is. The first byte
// chooses the rate block's type (0-3) and whether the settings' answers are
// kept. The print and export files are always named by the fuzzer, in a
// folder of its own; both printouts go to the print file, then both kinds
// of export record to the export file.
//
// Checked: a print file is lines of at most 89 characters before their
// CR LF, each printout ending with a form feed line; an export file holds
// whole records of 245 or 309 bytes (a comma-separated file started by its
// heading of 189), or nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "language/language_table.h"
#include "output/export_record.h"
#include "output/export_writer.h"
#include "output/output_fields.h"
#include "output/print_writer.h"
#include "output/rate_block_printout.h"
#include "output/shipment_printout.h"
#include "platform/ui/headless.h"
#include "shell/qiv_session.h"

namespace {

namespace fs = std::filesystem;
namespace of = qiv::output_fields;

// The texts the printouts and the export heading read (the title split at
// six blanks).
constexpr const char* kTexts[][2] = {
    {"537", "QIV      Freight Rating"},
    {"78", "Rates"},
    {"4214", "Class"},
    {"4544", "Rates"},
    {"4550", "Charges"},
    {"4551", "U.S. Only"},
    {"4552", "Mexico Only"},
    {"4715", "Zip Specific Discounts"},
    {"4719", "Class Discounts"},
    {"4417", "Class"},
    {"4418", "Weight"},
    {"4419", "Rate"},
    {"4420", "Charge"},
    {"4894", "lbs."},
    {"4895", "kgs."},
    {"52", "Service Days:"},
    {"53", "No service days available"},
    {"56", "ID"},
    {"57", "Origin"},
    {"58", "OrgSt"},
    {"59", "Dest"},
    {"60", "DstSt"},
    {"61", "ShpWt"},
    {"62", "DefWt"},
    {"63", "TotWt"},
    {"66", "Disc%"},
    {"67", "Charge"},
    {"68", "MinChg"},
    {"69", "ExpDisc"},
    {"70", "DiscAm"},
    {"71", "Factor"},
    {"72", "Net"},
    {"75", "Class"},
    {"76", "Weight"},
    {"77", "Rate"},
};

struct Harness {
  platform::ui::ScopedHeadlessBackend backend;
  qiv::QivSession session{qiv::QivEnvironment{}};
  std::unique_ptr<qiv::PrintWriter> writer;
  fs::path folder;
};

Harness& Ready() {
  static Harness* const h = new Harness;
  return *h;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

[[noreturn]] void Fail(const char* what, const std::string& bytes) {
  std::fprintf(stderr, "%s (%zu bytes)\n", what, bytes.size());
  std::abort();
}

void CheckPrintFile(const std::string& bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) Fail("a print file line without CR LF", bytes);
    if (end - at > 89) Fail("a print file line over 89 characters", bytes);
    at = end + 2;
  }
  if (!bytes.empty() && bytes.substr(bytes.size() - 5) != "  \f\r\n") Fail("a printout without its form feed", bytes);
}

void CheckExportFile(const std::string& bytes, bool commaSeparated) {
  std::string_view rest = bytes;
  if (commaSeparated && !rest.empty()) {
    if (rest.size() < qiv::kCommaHeadingSize || rest.substr(qiv::kCommaHeadingSize - 2, 2) != "\r\n")
      Fail("a comma-separated file without its heading", bytes);
    rest.remove_prefix(qiv::kCommaHeadingSize);
  }
  const std::size_t size = commaSeparated ? qiv::kCommaRecordSize : qiv::kFixedRecordSize;
  if (rest.size() != 0 && rest.size() != size) Fail("an export record of another size", bytes);
  if (!rest.empty() && (rest.find("\r\n") != size - 2 || rest.find('\n') != size - 1))
    Fail("an export record that is not one line", bytes);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Harness& h = Ready();
  std::string file;
  for (const auto& text : kTexts) file += std::string(text[0]) + "\r\n\r\n" + text[1] + "\r\n" + text[1] + "\r\n";
  h.session.languageTable =
      qiv::LanguageTable::Parse({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
  h.session.context = qiv::RatingContext::Allocate();
  h.writer = std::make_unique<qiv::PrintWriter>(h.session);
  h.folder = fs::temp_directory_path() / ("output_fuzzer." + std::to_string(::getpid()));
  fs::create_directories(h.folder);
  fs::current_path(h.folder);
  std::atexit([] { fs::remove_all(Ready().folder); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Harness& h = Ready();
  qiv::RatingContext& context = *h.session.context;
  context.clear();
  context.view().setText(ratekit::shipment_lines::ClassCode(0), "85", '\0');
  context.view().setText(ratekit::shipment_lines::WeightText(0), "   100", '\0');
  const std::uint8_t choice = size > 0 ? data[0] : 0;
  for (std::size_t at = 1; at + 4 <= size;) {
    const std::size_t offset =
        ((std::size_t{data[at]} << 16) | (std::size_t{data[at + 1]} << 8) | data[at + 2]) % qiv::RatingContext::kSize;
    const std::size_t length = std::min<std::size_t>({data[at + 3], size - at - 4, qiv::RatingContext::kSize - offset});
    std::memcpy(static_cast<std::uint8_t*>(context.data()) + offset, data + at + 4, length);
    at += 4 + length;
  }
  // Totals rows from the record's first bytes as they stand.
  qiv::ResultTables tables;
  static_assert(sizeof(tables.totalsRows) < qiv::RatingContext::kSize);
  std::memcpy(&tables.totalsRows, context.data(), sizeof(tables.totalsRows));
  tables.totalsCount = static_cast<int>(choice % 17);

  context.setTerminatedText(of::kPrintOutput, "FILE");
  context.setTerminatedText(of::kPrintFileName, "FUZZ.PRT");
  context.setTerminatedText(of::kExportFileName, "FUZZ.PRN");
  if ((choice & 0x80) == 0) {
    context.setChar(of::kPrintFileAnswer, 'N');
    context.setChar(of::kExportFileAnswer, 'N');
  }
  // Emptied rather than removed: a file made anew is flushed to the disk,
  // which would slow the runs down a hundredfold.
  std::ofstream("FUZZ.PRT", std::ios::binary | std::ios::trunc);
  const qiv::ShipmentScreen screen{nullptr, "New York", "Chicago", &tables};
  qiv::PrintShipment(*h.writer, screen, nullptr);
  qiv::PrintRateBlock(*h.writer, (choice >> 2) & 3, nullptr, nullptr);
  CheckPrintFile(FileBytes("FUZZ.PRT"));

  for (const std::int16_t comma : {0, 1}) {
    std::ofstream("FUZZ.PRN", std::ios::binary | std::ios::trunc);
    context.setShort(of::kCommaSeparated, comma);
    context.setChar(of::kExportFileAnswer, 'N');
    qiv::WriteExportRecord(h.session, nullptr);
    CheckExportFile(FileBytes("FUZZ.PRN"), comma == 1);
  }
  return 0;
}
