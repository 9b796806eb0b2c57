#include "output/export_writer.h"

#include "language/show_message.h"
#include "output/export_record.h"
#include "output/output_fields.h"
#include "output/output_messages.h"
#include "output/printout_lines.h"
#include "platform/kernel/append_file.h"
#include "platform/kernel/path.h"
#include "shell/qiv_session.h"

namespace qiv {

namespace of = output_fields;

namespace {

bool Refuse(QivSession& session, platform::ui::WindowHandle owner, std::int32_t number) {
  session.context->setLastErrorCode(number);
  ShowMessage(session, owner, MessageType::Warning);
  return false;
}

}  // namespace

bool WriteExportRecord(QivSession& session, platform::ui::WindowHandle owner) {
  RatingContext& context = *session.context;
  if (context.charAt(of::kExportMode) == 'O') return false;
  if (LineWeight(context, 0) == 0) return Refuse(session, owner, output_message::kNothingToExport);
  const std::string name = context.textAt(of::kExportFileName);
  const bool commaSeparated = context.shortAt(of::kCommaSeparated) == 1;
  // A file answered 'A' but not there is started anew, heading and all.
  const bool started = context.charAt(of::kExportFileAnswer) != 'A' || !platform::FindExistingPath(name);
  SetExportedDiscount(context);
  const std::optional<std::string> record = commaSeparated ? WriteExportCsvRecord(context) : FixedRecord(context);
  if (!record) return Refuse(session, owner, output_message::kExportFileNotWritten);
  const std::string heading = started && commaSeparated ? WriteExportHeading(session) : std::string();
  const platform::AppendResult written = platform::AppendToFile(name, heading + *record);
  if (!written.ok()) {
    const bool opened =
        written.failedStep == platform::AppendStep::Write || written.failedStep == platform::AppendStep::Undo;
    return Refuse(session, owner,
                  opened ? output_message::kExportFileNotWritten : output_message::kExportFileNotOpened);
  }
  context.setChar(of::kExportFileAnswer, 'A');
  return true;
}

}  // namespace qiv
