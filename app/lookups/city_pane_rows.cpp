#include "lookups/city_pane_rows.h"

#include <algorithm>

namespace qiv {

using namespace rowpane::message;

namespace {
constexpr std::int32_t kNoSuchItem = -1;
}

void CityPaneRows::answerRecord(rowpane::ItemRequest& request, std::int64_t index) {
  const std::optional<CityRecord> record = file_.read(index);
  if (!record) {
    request.status = kNoSuchItem;
    return;
  }
  row_ = record->rowText();
  request.text = row_.data();
  request.data = request.index = static_cast<std::int32_t>(index);
  request.status = 0;
}

void CityPaneRows::answerFind(rowpane::ItemRequest& request) {
  const std::int32_t found = file_.search(request.search != nullptr ? request.search : "");
  const std::optional<CityRecord> record = found >= 0 ? file_.read(found) : std::nullopt;
  if (!record) {
    request.status = kNoSuchItem;
    return;
  }
  std::copy(record->bytes().begin(), record->bytes().end(), raw_.begin());
  raw_.back() = '\0';
  request.text = raw_.data();
  request.data = request.index = found;
  request.status = 0;
}

bool CityPaneRows::answer(platform::ui::MessageId message, rowpane::ItemRequest& request) {
  switch (message) {
    case RPBN_GETCOUNT:
      request.index = file_.count();
      last_ = request.index - 1;
      request.status = 0;
      return true;
    case RPBN_FIRST: answerRecord(request, 0); return true;
    case RPBN_LAST: answerRecord(request, last_); return true;
    case RPBN_NEXT:
      if (request.index >= last_)
        request.status = kNoSuchItem;
      else
        answerRecord(request, static_cast<std::int64_t>(request.index) + 1);
      return true;
    case RPBN_PREV:
      if (request.index < 1)
        request.status = kNoSuchItem;
      else
        answerRecord(request, static_cast<std::int64_t>(request.index) - 1);
      return true;
    case RPBN_GOTO: answerRecord(request, request.data); return true;
    case RPBN_THUMBPOS: {
      const std::int64_t percent = request.data;
      if (percent == 0)
        answerRecord(request, 0);
      else if (percent == 100)
        answerRecord(request, last_);
      else
        answerRecord(request, percent * file_.count() / 100);
      return true;
    }
    case RPBN_FINDSTRING:
    case RPBN_FINDSTRINGEXACT:
    case kFindRequest1626: answerFind(request); return true;
    case RPBN_GETITEMDATA:
      request.data = request.index;
      request.status = 0;
      return true;
    default: return false;
  }
}

}  // namespace qiv
