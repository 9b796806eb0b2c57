// The Yes/No question of the program (dialog 3143): a caption, a text of up
// to 199 characters and the message number it asks about. An empty caption
// reads language text 152, an empty text the language text of the number;
// the buttons read texts 251 (Yes) and 252 (No). Yes ends it with IDOK, No
// (or Esc) with IDCANCEL.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/qiv_dialog.h"

namespace qiv {

class QuestionDialog : public QivDialog {
 public:
  static constexpr std::size_t kCaptionLimit = 49;
  static constexpr std::size_t kTextLimit = 199;
  static constexpr std::size_t kButtonLimit = 11;

  QuestionDialog(QivSession& session, platform::ui::WindowHandle parent, std::string text, std::string caption,
                 std::int32_t number);

 protected:
  bool onInitDialog() override;

 private:
  std::string text_;
  std::string caption_;
  std::int32_t number_;
};

}  // namespace qiv
