// Print setup and export setup as a user drives them: typed names given
// their extension and upper-cased, existing files appended to or replaced
// (deleted when the dialog closes), Cancel putting the settings back, and
// the printer chosen through the print dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "output/export_setup_dialog.h"
#include "output/export_writer.h"
#include "output/output_fields.h"
#include "output/output_ids.h"
#include "output/print_setup_dialog.h"
#include "output/rate_block_printout.h"
#include "output_fixture.h"
#include "platform/kernel/process.h"
#include "platform/ui/dialog.h"
#include "platform/ui/messages.h"
#include "platform/ui/print_dialog.h"
#include "platform/ui/print_service.h"
#include "platform/ui/window.h"

namespace qiv::testing {
namespace {

namespace fs = std::filesystem;
namespace of = output_fields;
using namespace platform::ui;

constexpr const char* kPrintSetup = "Setup Shipment Print";
constexpr const char* kExportSetup = "Setup Shipment Export";
constexpr const char* kFileExists = "Warning - File Already Exists";

void Click(WindowHandle dialog, int id) { SendMessage(dialog, msg::Command, CommandParam(id, 0)); }
void Type(WindowHandle dialog, int id, std::string_view text) { SetDialogItemText(dialog, id, text); }

class OutputSetup : public OutputTest {
 protected:
  void make(std::string_view name, std::string_view bytes = "OLD") {
    fs::create_directories((work() / name).parent_path());
    std::ofstream(work() / name, std::ios::binary) << bytes;
  }
  // Print setup with the name typed and "File:" chosen, then OK; the
  // answer to a file-exists question when one comes (0: none expected).
  LResult printToFile(std::string_view typed, int answer = 0) {
    driver_.onWindow(kPrintSetup, [typed = std::string(typed)](WindowHandle setup) {
      CheckRadioButton(setup, output_id::Printer, output_id::PrintFile, output_id::PrintFile);
      Type(setup, output_id::PrintFileName, typed);
      Click(setup, output_id::PrintOk);
    });
    if (answer != 0) driver_.onWindow(kFileExists, [answer](WindowHandle question) { Click(question, answer); });
    if (answer == output_id::KeepFile)
      driver_.onWindow(kPrintSetup, [](WindowHandle setup) { Click(setup, output_id::PrintCancel); });
    return RunPrintSetup(*writer_, nullptr);
  }
  LResult exportTo(std::string_view typed, bool append, bool commaSeparated) {
    driver_.onWindow(kExportSetup, [=, typed = std::string(typed)](WindowHandle setup) {
      Type(setup, output_id::ExportFileName, typed);
      CheckRadioButton(setup, output_id::AppendToFile, output_id::ReplaceFile,
                       append ? output_id::AppendToFile : output_id::ReplaceFile);
      CheckDialogButton(setup, output_id::CommaSeparated, commaSeparated ? 1 : 0);
      CheckDialogButton(setup, output_id::ExportAll, 1);
      Click(setup, output_id::ExportOk);
    });
    return RunExportSetup(session(), nullptr);
  }
  std::string printFile() const { return test_->session.context->textAt(of::kPrintFileName); }
  char printAnswer() const { return test_->session.context->charAt(of::kPrintFileAnswer); }
};

TEST_F(OutputSetup, PrintFileNamesGetTheirExtensionUpperCasedAndShortenedToTheirField) {
  struct Case {
    const char* typed;
    std::string stored;
  } const cases[] = {
      {"report.txt", "REPORT.PRT"},
      {"report", "REPORT.PRT"},
      {"a.b.c", "A.PRT"},
      // 30 characters typed: the part before the extension is cut.
      {"abcdefghijklmnopqrstuvwxyz0123", "ABCDEFGHIJKLMNOPQRSTUVWXYZ.PRT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    setPrintFile("OLD.PRT");
    EXPECT_EQ(printToFile(c.typed), command_id::Ok);
    EXPECT_EQ(printFile(), c.stored);
    EXPECT_EQ(context().textAt(of::kPrintOutput), "FILE");
    EXPECT_EQ(context().charAt(of::kPrintMode), 'S');
    EXPECT_EQ(printAnswer(), 'N');
  }
}

TEST_F(OutputSetup, AnExistingPrintFileIsReplacedAtOkAppendedToOrKept) {
  struct Case {
    int button;
    LResult end;
    char answer;
    bool kept;
  } const cases[] = {
      {output_id::Replace, command_id::Ok, 'R', false},
      {output_id::Append, command_id::Ok, 'A', true},
      // Cancel: the setup stays open on the name; its Cancel puts the
      // settings back.
      {output_id::KeepFile, command_id::Cancel, 'N', true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    make("REPORT.PRT");
    setPrintFile("OLD.PRT", 'N');
    EXPECT_EQ(printToFile("report.txt", c.button), c.end);
    EXPECT_EQ(printAnswer(), c.answer);
    EXPECT_EQ(fs::exists(work() / "REPORT.PRT"), c.kept);
    EXPECT_EQ(printFile(), c.end == command_id::Ok ? "REPORT.PRT" : "OLD.PRT");
  }
}

// A folder whose entries cannot be removed while the object lives: read
// only, and immutable where the file system allows it (as root, read only
// is not enough).
class LockedFolder {
 public:
  explicit LockedFolder(fs::path folder) : folder_(std::move(folder)) {
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    Chattr("+i");
  }
  ~LockedFolder() {
    Chattr("-i");
    fs::permissions(folder_, fs::perms::owner_all);
  }
  // Whether a file can be made in it (then the lock does not hold).
  bool locked() const {
    const fs::path probe = folder_ / "probe";
    const bool made = std::ofstream(probe).good();
    std::error_code error;
    fs::remove(probe, error);
    return !made;
  }

 private:
  void Chattr(const char* flag) const {
    platform::ProcessStartResult started =
        platform::StartProcess({"chattr", {flag, folder_.string()}, platform::ProgramLookup::SearchPath});
    if (started.ok()) started.process.wait();
  }
  fs::path folder_;
};

TEST_F(OutputSetup, AFileThatReplaceCannotDeleteIsAWarningAndTheNameIsAskedAgain) {
  make("LOCKED/REPORT.PRT");
  const LockedFolder lock(work() / "LOCKED");
  if (!lock.locked()) GTEST_SKIP() << "no folder can be locked here";
  setPrintFile("OLD.PRT", 'N');
  driver_.onWindow(kPrintSetup, [](WindowHandle setup) {
    CheckRadioButton(setup, output_id::Printer, output_id::PrintFile, output_id::PrintFile);
    Type(setup, output_id::PrintFileName, "locked/report");
    Click(setup, output_id::PrintOk);
  });
  driver_.onWindow(kFileExists, [](WindowHandle question) { Click(question, output_id::Replace); });
  driver_.onWindow(kPrintSetup, [](WindowHandle setup) {
    EXPECT_EQ(DialogItemText(setup, output_id::PrintFileName), "LOCKED/REPORT.PRT");
    Click(setup, output_id::PrintCancel);
  });
  EXPECT_EQ(RunPrintSetup(*writer_, nullptr), command_id::Cancel);
  ASSERT_EQ(driver_.boxes().size(), 1u);
  EXPECT_EQ(driver_.boxes()[0].text, "Error writing PRT file.");
  EXPECT_TRUE(fs::exists(work() / "LOCKED/REPORT.PRT"));
  EXPECT_EQ(printFile(), "OLD.PRT");
}

TEST_F(OutputSetup, ATypedFolderIsFoundWithoutRegardToCaseAndPrintedInto) {
  make("sub/report.prt", "OLD\x1A");
  setPrintFile("OLD.PRT");
  EXPECT_EQ(printToFile("sub/Report.txt", output_id::Append), command_id::Ok);
  EXPECT_EQ(printFile(), "SUB/REPORT.PRT");
  FillSingleFakRateBlock(context());
  ASSERT_TRUE(PrintRateBlock(*writer_, 2, screenLabels(), nullptr));
  EXPECT_EQ(workFile("sub/report.prt"), "OLD" + Expected("single_fak_rate_block.PRT"));
}

TEST_F(OutputSetup, ThePrinterIsChosenOnceForTheRunAndCancelKeepsTheFile) {
  RecordingPrintService service;
  ScopedPrintService installed(service);
  setPrintFile("REPORT.PRT");
  // The print dialog cancelled: the file stays chosen, the setup open.
  driver_.onWindow(kPrintSetup, [](WindowHandle setup) {
    CheckRadioButton(setup, output_id::Printer, output_id::PrintFile, output_id::Printer);
    Click(setup, output_id::PrintOk);
  });
  driver_.onWindow("Print", [](WindowHandle dialog) { Click(dialog, command_id::Cancel); });
  driver_.onWindow(kPrintSetup, [](WindowHandle setup) {
    EXPECT_EQ(DialogButtonCheck(setup, output_id::PrintFile), 0);
    Click(setup, output_id::PrintOk);
  });
  driver_.onWindow("Print", [](WindowHandle dialog) { Click(dialog, command_id::Ok); });
  EXPECT_EQ(RunPrintSetup(*writer_, nullptr), command_id::Ok);
  EXPECT_EQ(context().textAt(of::kPrintOutput), "PRTR");
  ASSERT_NE(writer_->printerContext(), nullptr);
  ASSERT_EQ(service.printers.size(), 1u);

  // Printing asks for no printer again.
  FillSingleFakRateBlock(context());
  ASSERT_TRUE(PrintRateBlock(*writer_, 2, screenLabels(), nullptr));
  EXPECT_EQ(service.printers.size(), 1u);
  ASSERT_EQ(service.printers[0]->documents().size(), 1u);
  EXPECT_EQ(service.printers[0]->documents()[0].name, "Rate Block");

  // Cancel puts the four settings back.
  driver_.onWindow(kPrintSetup, [](WindowHandle setup) {
    CheckRadioButton(setup, output_id::Printer, output_id::PrintFile, output_id::PrintFile);
    Type(setup, output_id::PrintFileName, "other");
    CheckDialogButton(setup, output_id::PrintAll, 1);
    Click(setup, output_id::PrintCancel);
  });
  EXPECT_EQ(RunPrintSetup(*writer_, nullptr), command_id::Cancel);
  EXPECT_EQ(context().textAt(of::kPrintOutput), "PRTR");
  EXPECT_EQ(context().charAt(of::kPrintMode), 'S');
  EXPECT_EQ(printFile(), "REPORT.PRT");
}

TEST_F(OutputSetup, ExportFilesAreNamedAndStartedAsTheSetupSays) {
  struct Case {
    const char* typed;
    const char* stored;
    bool exists;
    bool append;
    char answer;
  } const cases[] = {
      {"ship", "SHIP.PRN", false, true, 'N'},
      {"out.txt", "OUT.PRN", false, false, 'N'},
      {"out.txt", "OUT.PRN", true, true, 'A'},
      {"out.txt", "OUT.PRN", true, false, 'R'},  // deleted at OK
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + (c.exists ? " exists" : ""));
    if (c.exists) make("OUT.PRN");
    setExportFile("OLD.PRN", false, 'A');
    EXPECT_EQ(exportTo(c.typed, c.append, true), command_id::Ok);
    EXPECT_EQ(context().textAt(of::kExportFileName), c.stored);
    EXPECT_EQ(context().charAt(of::kExportFileAnswer), c.answer);
    EXPECT_EQ(context().charAt(of::kExportMode), 'A');
    EXPECT_EQ(context().shortAt(of::kCommaSeparated), 1);
    EXPECT_EQ(fs::exists(work() / c.stored), c.answer == 'A');
  }
  // Cancel puts the four settings back.
  driver_.onWindow(kExportSetup, [](WindowHandle setup) {
    Type(setup, output_id::ExportFileName, "other");
    CheckDialogButton(setup, output_id::CommaSeparated, 0);
    Click(setup, output_id::ExportCancel);
  });
  EXPECT_EQ(RunExportSetup(session(), nullptr), command_id::Cancel);
  EXPECT_EQ(context().textAt(of::kExportFileName), "OUT.PRN");
  EXPECT_EQ(context().shortAt(of::kCommaSeparated), 1);
}

}  // namespace
}  // namespace qiv::testing
