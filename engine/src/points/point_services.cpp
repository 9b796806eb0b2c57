#include "points/point_services.h"

#include <optional>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "formats/packed_codes.h"
#include "formats/point_service_file.h"
#include "rating/rating.h"

namespace vorn {
namespace {

using point_service::kRecordSize;

char ServiceLetter(const platform::File& file, std::string_view code, char defaultLetter) {
  const std::string key = ComparableCode(code);
  if (key.empty() || !PackZip(code)) return defaultLetter;
  // Record 0 is the header, not a range: the search starts after it.
  const std::optional<std::int64_t> hit = FileBinarySearch(
      file, kRecordSize,
      [&](std::span<const std::uint8_t> r) {
        const std::string low = UnpackZip(std::span<const std::uint8_t, 3>(r.data() + point_service::kLowKey.offset, 3))
                                    .substr(0, key.size());
        const std::string high =
            UnpackZip(std::span<const std::uint8_t, 3>(r.data() + point_service::kHighKey.offset, 3))
                .substr(0, key.size());
        if (key < low) return -1;
        if (key > high) return 1;
        return 0;
      },
      1);
  std::uint8_t record[kRecordSize];
  if (!hit || !ReadFileRecord(file, *hit, record)) return defaultLetter;
  return static_cast<char>(record[point_service::kLetter.offset]);
}

}  // namespace

std::int16_t FindPointService(RatingEngine& engine, Rating& rating) {
  ParsedRequest& r = rating.request;
  DiscountState& d = rating.discounts;
  r.originPointLetter = ' ';
  r.destinationPointLetter = ' ';
  d.applied = d.direct;

  engine.files.open(engine, 'D', r.requestedTariffName);
  const platform::File* file = engine.files.file('D');
  if (file == nullptr) return 0;
  std::uint8_t header[kRecordSize] = {};
  const char defaultLetter = file->readAt(0, header) == static_cast<std::ptrdiff_t>(kRecordSize)
                                 ? static_cast<char>(header[point_service::kLetter.offset])
                                 : ' ';
  auto letterOf = [&](char given, const std::array<char, 6>& code) {
    if (given == 'D' || given == 'I') return given;
    return ServiceLetter(*file, std::string_view(code.data(), code.size()), defaultLetter);
  };
  r.originPointLetter = letterOf(r.givenOriginPointLetter, r.originPointCode);
  r.destinationPointLetter = letterOf(r.givenDestinationPointLetter, r.destinationPointCode);
  engine.files.close('D');

  // The indirect discount applies when the request gives one (a second
  // record tagged "I%", the one the indirect block was read from) and an end
  // is not served directly.
  if (d.indirectGiven && !(r.originPointLetter == 'D' && r.destinationPointLetter == 'D')) {
    d.applied.tag = {'D', '%'};
    d.applied.percent = d.indirect.percent;
    d.applied.endOfBreaks = d.indirect.endOfBreaks;
  }
  return 0;
}

}  // namespace vorn
