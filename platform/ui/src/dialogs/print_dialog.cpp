// The print dialog (print_dialog.h), built as a dialog of the model.
#include "platform/ui/print_dialog.h"

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/kernel/environment.h"
#include "platform/kernel/path.h"
#include "platform/ui/backend.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_object.h"
#include "platform/ui/gdi.h"
#include "platform/ui/window.h"

namespace platform::ui {

namespace {

using namespace print_dialog;

DialogTemplate BuildTemplate() {
  constexpr StyleBits kVisibleChild = style::Child | style::Visible;
  DialogTemplate box;
  box.caption = "Print";
  box.style = style::Popup | style::Caption | style::SystemMenu | dialog_style::ModalFrame;
  box.rect = Rect::FromSize(0, 0, 212, 133);
  const auto label = [&](const char* text, Rect rect) {
    box.controls.push_back({static_control::kClassName, -1, text, kVisibleChild | static_control::Left, 0, rect});
  };
  label("Printer:", Rect::FromSize(7, 7, 60, 8));
  box.controls.push_back({list_box::kClassName, kPrinterListId, "",
                          kVisibleChild | style::TabStop | style::Group | style::Border | style::VScroll |
                              list_box::Notify | list_box::NoIntegralHeight,
                          0, Rect::FromSize(7, 17, 198, 56)});
  label("PDF folder:", Rect::FromSize(7, 80, 44, 8));
  box.controls.push_back({edit::kClassName, kFolderEditId, "",
                          kVisibleChild | style::TabStop | style::Group | style::Border | edit::AutoHScroll, 0,
                          Rect::FromSize(54, 78, 151, 12)});
  label("Copies:", Rect::FromSize(7, 96, 44, 8));
  box.controls.push_back({edit::kClassName, kCopiesEditId, "",
                          kVisibleChild | style::TabStop | style::Group | style::Border | edit::Number, 0,
                          Rect::FromSize(54, 94, 30, 12)});
  box.controls.push_back({button::kClassName, command_id::Ok, "OK",
                          kVisibleChild | style::TabStop | style::Group | button::DefPushButton, 0,
                          Rect::FromSize(101, 112, 50, 14)});
  box.controls.push_back({button::kClassName, command_id::Cancel, "Cancel",
                          kVisibleChild | style::TabStop | button::PushButton, 0, Rect::FromSize(155, 112, 50, 14)});
  return box;
}

std::string DefaultFolder() {
  if (std::optional<std::string> home = EnvironmentVariable("HOME"); home && !home->empty()) return *home;
  std::vector<char> buffer(4096);
  return ::getcwd(buffer.data(), buffer.size()) ? std::string(buffer.data()) : std::string(".");
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The folder as the file system spells it, when it is an existing directory.
std::optional<std::string> ExistingFolder(const std::string& typed) {
  if (typed.empty()) return std::nullopt;
  std::optional<std::string> found = FindExistingPath(typed);
  struct stat st;
  if (!found || ::stat(found->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return found;
}

class PrintDialogWindow : public Dialog {
 public:
  PrintDialogWindow(WindowHandle owner, PrintService& service, const PrinterChoice& choice)
      : Dialog(BuildTemplate(), owner), service_(service), choice_(choice), queues_(service.queueNames()) {
    messageMap().onNotification(kPrinterListId, list_box::SelectionChange, [this] { showFieldsInUse(); });
  }

  PrinterChoice choice() const { return choice_; }
  std::shared_ptr<Printer> printer() const { return printer_; }

 protected:
  bool onInitDialog() override {
    Dialog::onInitDialog();
    const WindowHandle list = item(kPrinterListId);
    SendMessage(list, list_box::AddString, 0, reinterpret_cast<LParam>(kPdfPrinterName));
    int selected = 0;
    for (std::size_t i = 0; i < queues_.size(); ++i) {
      SendMessage(list, list_box::AddString, 0, reinterpret_cast<LParam>(queues_[i].c_str()));
      if (choice_.kind == PrinterKind::Queue && queues_[i] == choice_.queue) selected = static_cast<int>(i) + 1;
    }
    SendMessage(list, list_box::SetCurrentSelection, static_cast<WParam>(selected));
    SetDialogItemText(handle(), kFolderEditId, choice_.pdfFolder.empty() ? DefaultFolder() : choice_.pdfFolder);
    SetDialogItemInt(handle(), kCopiesEditId, choice_.copies >= 1 && choice_.copies <= kMaxCopies ? choice_.copies : 1);
    showFieldsInUse();
    CenterWindow(handle(), parent() ? TopLevelWindow(parent()) : nullptr);
    return true;
  }

  void onOK() override {
    PrinterChoice chosen = choice_;
    const int selected = static_cast<int>(SendMessage(item(kPrinterListId), list_box::GetCurrentSelection));
    if (selected <= 0) {
      chosen.kind = PrinterKind::PdfFile;
      const std::optional<std::string> folder = ExistingFolder(Trimmed(DialogItemText(handle(), kFolderEditId)));
      if (!folder) return refuse(kFolderEditId);
      chosen.pdfFolder = *folder;
    } else {
      chosen.kind = PrinterKind::Queue;
      chosen.queue = queues_[static_cast<std::size_t>(selected) - 1];
      const std::optional<long long> copies = DialogItemInt(handle(), kCopiesEditId, false);
      if (!copies || *copies < 1 || *copies > kMaxCopies) return refuse(kCopiesEditId);
      chosen.copies = static_cast<int>(*copies);
    }
    printer_ = service_.makePrinter(chosen);
    if (!printer_) return MessageBeep(0);
    choice_ = chosen;
    endDialog(command_id::Ok);
  }

 private:
  // The PDF printer uses the folder, a queue the copies.
  void showFieldsInUse() {
    const bool pdf = SendMessage(item(kPrinterListId), list_box::GetCurrentSelection) <= 0;
    EnableWindow(item(kFolderEditId), pdf);
    EnableWindow(item(kCopiesEditId), !pdf);
  }
  void refuse(int field) {
    MessageBeep(0);
    SetDialogFocus(item(field));
  }

  PrintService& service_;
  PrinterChoice choice_;
  std::vector<std::string> queues_;
  std::shared_ptr<Printer> printer_;
};

}  // namespace

DcHandle PrintDialog(WindowHandle owner, PrinterChoice& choice) {
  PrintService* service = CurrentPrintService();
  if (service == nullptr) return nullptr;
  if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
  PrintDialogWindow dialog(owner, *service, choice);
  if (dialog.doModal() != command_id::Ok || !dialog.printer()) return nullptr;
  choice = dialog.choice();
  return CreatePrinterDC(dialog.printer());
}

}  // namespace platform::ui
