#include "files/written_files.h"

#include "files/data_set_files.h"
#include "platform/kernel/replace_file.h"

namespace ratekit {

std::optional<std::int32_t> WriteStartupFile(const RatingContextView& record, std::string_view extension,
                                             std::span<const std::uint8_t> bytes,
                                             const message::WriteNumbers& numbers) {
  const platform::ReplaceResult result =
      platform::ReplaceFile(StartupDirectory(record) + DataSetFileName(record, extension), bytes);
  switch (result.failedStep) {
    case platform::ReplaceStep::None: return std::nullopt;
    case platform::ReplaceStep::Create:
    case platform::ReplaceStep::Rename: return numbers.create;
    case platform::ReplaceStep::Write:
    case platform::ReplaceStep::Flush:
    // The file is in place but may not survive a crash: not reported as
    // written.
    case platform::ReplaceStep::FolderFlush: return numbers.write;
  }
  return numbers.write;
}

}  // namespace ratekit
