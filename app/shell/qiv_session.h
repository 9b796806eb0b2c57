// What every part of the program shares while it runs: the RatingContext,
// the language texts and the current language, the bound Ratekit32 entry
// points and the loaded libraries, the help-topic table, the application font,
// the main window and the two registered messages. One session lives from
// the start of the program to its end; the rating screen fills it at
// start-up and empties it in ReleaseLibraries.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "language/help_topics.h"
#include "language/language.h"
#include "language/language_table.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/types.h"
#include "shell/qiv_environment.h"
#include "shell/ratekit_bindings.h"
#include "shell/rating_context_fields.h"
#include "shell/rating_libraries.h"
#include "shell/screen_fonts.h"

namespace qiv {

class FieldScreen;

struct QivSession {
  explicit QivSession(QivEnvironment environment) : environment(std::move(environment)) {}

  QivEnvironment environment;
  std::unique_ptr<RatingContext> context;
  std::optional<LanguageTable> languageTable;
  Language language = Language::English;
  RatekitBindings bindings;
  RatingLibraries libraries;
  HelpTranTable helpTranTable;
  platform::ui::FontHandle applicationFont = nullptr;
  ScreenFonts screenFonts;
  platform::ui::WindowHandle mainWindow = nullptr;
  platform::ui::MessageId specialCharMessage = 0;
  platform::ui::MessageId updateStatusMessage = 0;
  // The rating screen as the input fields see it, while it is up.
  FieldScreen* fieldScreen = nullptr;

  // The language text of the key in the current language, cut to limit
  // characters (empty without a table or a text).
  std::string text(std::int32_t key, std::size_t limit = kLanguageLineLimit) const;
  // The data directory as the RatingContext holds it (empty before it is set).
  std::string dataDirectory() const;
  // A file of the data directory.
  std::string dataFile(std::string_view name) const { return dataDirectory() + std::string(name); }
  // The tariff base name (TariffBaseName, trailing blanks dropped), and the
  // data directory followed by it: the stem of the level's files.
  std::string tariffBaseName() const;
  std::string tariffBasePath() const { return dataDirectory() + tariffBaseName(); }
  // The buffer a token slot of the RatingContext stands for (Ratekit32's
  // token table); empty when the slot holds none.
  std::span<const std::uint8_t> slotBuffer(FieldSpan slot) const;
  // Writes one line about a silent end.
  void reportSilentEnd(std::string_view why) const;
  bool engineInUse() const;
  bool serviceGuideInUse() const;
};

}  // namespace qiv
