// The rows of a city file as the list control asks for them: the parent's
// answers to the control's requests. Reading record i answers its row text
// (code, blank, state, blank, city), data := index := i and status 0:
//   count     index := count (last := count - 1);
//   first     record 0;  last: record last;
//   next      record index + 1, none at or after the last;
//   prev      record index - 1, none at or before the first;
//   goto      record data;
//   thumb     percent 0: the first; 100: the last; else record
//             percent x count / 100 (in 64 bits);
//   find (both kinds, and 1626)  the search for the search string;
//             data := index := the record answered; the text is a
//             NUL-terminated copy of that record as it stands in the file;
//   item data data := index.
// A record outside the file, or one that cannot be read whole, answers no
// such item (status non-zero), never the bytes of an earlier answer.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "lookups/city_file.h"
#include "platform/ui/messages.h"
#include "rowpane/rowpane.h"

namespace qiv {

class CityPaneRows {
 public:
  // The find request that has no name of its own, answered like RPBN_FINDSTRING.
  static constexpr platform::ui::MessageId kFindRequest1626 = 1626;

  explicit CityPaneRows(CityFile& file) : file_(file) {}

  // Answers the request when the message is one of the control's requests;
  // false for any other message.
  bool answer(platform::ui::MessageId message, rowpane::ItemRequest& request);

 private:
  void answerRecord(rowpane::ItemRequest& request, std::int64_t index);
  void answerFind(rowpane::ItemRequest& request);

  CityFile& file_;
  std::int32_t last_ = -1;
  std::string row_;
  std::array<char, city_record::kSize + 1> raw_{};
};

}  // namespace qiv
