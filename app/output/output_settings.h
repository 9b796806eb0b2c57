// The print and export settings as the setup dialogs and the writers use
// them: the file names (typed, then given their extension and stored
// upper-case), whether a file is there, and a copy of a dialog's settings
// to put back when it is cancelled.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "output/output_fields.h"

namespace qiv {

struct QivSession;

// The four print settings (output kind, file name, mode, file answer) and
// the four export settings (file name, comma-separated switch, mode, file
// answer): each a run of bytes of the RatingDefaultsImage.
inline constexpr platform::FieldSpan kPrintSettings{output_fields::kPrintOutput.offset, 38};
inline constexpr platform::FieldSpan kExportSettings{output_fields::kExportFileName.offset, 35};
static_assert(kPrintSettings.end() == output_fields::kPrintFileAnswer.end());
static_assert(kExportSettings.end() == output_fields::kExportFileAnswer.end());

// The longest name a user types; the field holds it and a NUL.
inline constexpr std::size_t kOutputNameLimit = 30;

// The settings bytes as a dialog found them, put back when it is cancelled.
class SettingsCopy {
 public:
  explicit SettingsCopy(platform::FieldSpan span) : span_(span) {}
  void save(const RatingContext& context);
  void restore(RatingContext& context) const;

 private:
  platform::FieldSpan span_;
  std::array<char, 64> bytes_{};
};

// A typed name as it is stored: the extension put on it by Ratekit32's
// ForceFileNameExtension (the text from the first '.' replaced, or the
// extension appended), upper-cased; a result longer than 30 characters has
// the part before its extension cut so that the whole is 30.
std::string ForcedOutputName(const QivSession& session, std::string_view typed, std::string_view extension);

// Whether the file opens for reading (matched without regard to case).
bool OutputFileExists(std::string_view name);
// Removes the file (matched without regard to case); true when it is not
// there afterwards.
bool DeleteOutputFile(std::string_view name);

// PrintFileExists: whether the print file opens for reading; when it does
// not, the print file answer becomes 'N'.
bool PrintFileExists(RatingContext& context, std::string_view name);

// The typed name a setup dialog's file field leaves with: an empty text,
// or one that begins with a blank, gives the stored name back.
std::string NameLeftInField(std::string_view typed, std::string_view stored);

}  // namespace qiv
