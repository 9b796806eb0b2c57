#include "directory/shipment_tariff.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

#include "common/version_number.h"
#include "directory/directory_lookups.h"
#include "directory/exceptions.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "platform/kernel/fixed_format.h"
#include "points/candidates.h"
#include "rating/rating.h"

namespace vorn {
namespace {

#define STEP(expression)                                          \
  do {                                                            \
    if (const std::int16_t c_ = (expression); c_ != 0) return c_; \
  } while (0)

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Makes an effective-table entry current; a failure is the rating's.
void MakeCurrent(RatingEngine& engine, std::size_t position) {
  if (const std::int16_t c = engine.effective.loadTariffForEntry(position, engine.currentTariff, EngineVersionNumber());
      c != 0)
    Raise(c);
}

class TariffSetup {
 public:
  TariffSetup(RatingEngine& engine, Rating& rating, int pass)
      : engine_(engine), rating_(rating), pass_(pass), r_(rating.request), s_(rating.setup) {}

  std::int16_t run();

 private:
  // The effective table as it stands: making an entry current may read the
  // file again and replace the table, so no view of it is kept across that.
  std::span<const EffectiveRecord> records() const { return engine_.effective.records(); }
  bool named() const { return !r_.tariffName.empty(); }
  bool canadianLane() const { return IsLetter(r_.originCode[0]) || IsLetter(r_.destinationCode[0]); }
  bool mexicanLane() const { return r_.mexicanOrigin || r_.mexicanDestination; }
  bool notAfterShipDate(const EffectiveRecord& e) const { return e.date <= r_.shipDate; }
  std::size_t slotCount() const { return std::min(s_.slotCount, kMaxTariffSlots); }
  int activeSlots() const {
    int n = 0;
    for (std::size_t i = 0; i < slotCount(); ++i) n += s_.kinds[i] != 0;
    return n;
  }

  std::int16_t readPoint(LanePoint& point, const std::array<char, 6>& code, std::int16_t refusal);
  void setStates();
  void orderPoints();
  bool matchTariffSelection(std::array<std::int16_t, kMaxTariffSlots>& kinds,
                            std::array<std::int16_t, kMaxTariffSlots>& alternates) const;
  std::int16_t matchNamedTariff();
  std::optional<std::size_t> nextNamedEntry(std::size_t from) const;
  bool findSlotEntry(char letter);
  void filterIntrastate();
  std::int16_t narrowTariffSlots();
  int selectTariffEntries();

  RatingEngine& engine_;
  Rating& rating_;
  int pass_;
  ParsedRequest& r_;
  SetupWork& s_;
};

std::int16_t TariffSetup::readPoint(LanePoint& point, const std::array<char, 6>& code, std::int16_t refusal) {
  const std::string_view text(code.data(), code.size());
  STEP(GetZipRangeRecord(engine_.effectivePath, engine_.binaryLog, text, s_.version, point.zipRange));
  if (!ZipInRange(text, point.zipRange)) return refusal;
  return GetTariffTableRow(engine_.effectivePath, engine_.binaryLog, static_cast<std::int16_t>(s_.slotCount),
                           point.zipRange.regionCode(), point.zipRange.tableCode(), point.tariffRow);
}

void TariffSetup::setStates() {
  auto set = [&](LanePoint& p, bool mexican) {
    if (mexican) {
      p.state = {'M', 'X'};
      return;
    }
    const std::string abbreviation = engine_.states.lookupStateCode(p.zipRange.regionCode());
    p.state = {abbreviation[0], abbreviation[1]};
  };
  // After the points were exchanged the origin's record is the destination's.
  const bool exchanged = s_.direction == 'T';
  set(s_.origin, exchanged ? r_.mexicanDestination : r_.mexicanOrigin);
  set(s_.destination, exchanged ? r_.mexicanOrigin : r_.mexicanDestination);
}

void TariffSetup::orderPoints() {
  const ZipRangeRecord& o = s_.origin.zipRange;
  const ZipRangeRecord& d = s_.destination.zipRange;
  const bool exchange =
      o.regionCode() > d.regionCode() || (o.regionCode() == d.regionCode() && o.subCode() > d.subCode());
  if (exchange) std::swap(s_.origin, s_.destination);
  s_.direction = exchange ? 'T' : 'F';
}

bool TariffSetup::matchTariffSelection(std::array<std::int16_t, kMaxTariffSlots>& kinds,
                                       std::array<std::int16_t, kMaxTariffSlots>& alternates) const {
  bool any = false;
  for (std::size_t n = 0; n < slotCount(); ++n) {
    const std::int16_t a = n + 2 < s_.origin.tariffRow.size() ? s_.origin.tariffRow[n + 2] : 0;
    const std::int16_t b = n + 2 < s_.destination.tariffRow.size() ? s_.destination.tariffRow[n + 2] : 0;
    for (const SelectionEntry& e : engine_.selection.entries()) {
      if (e.slot != static_cast<std::int16_t>(n + 1) || e.firstVersion > s_.version || s_.version > e.lastVersion)
        continue;
      if (!((e.codeA == a && e.codeB == b) || (e.codeA == b && e.codeB == a))) continue;
      kinds[n] = e.kind;
      alternates[n] = e.alternateKind;
      any = any || e.kind != 0;
      break;
    }
  }
  return any;
}

// The position of the next entry from from on that is dated, passes the name
// test and whose letter fits the lane's tariff letter (any letter for a blank
// one; an 'X' entry also for 'N').
std::optional<std::size_t> TariffSetup::nextNamedEntry(std::size_t from) const {
  for (std::size_t i = from; i < records().size(); ++i) {
    const EffectiveRecord& e = records()[i];
    if (e.date.isZero() || !PassesNameTest(rating_, e)) continue;
    if (s_.laneLetter == ' ' || e.letter == s_.laneLetter || (e.letter == 'X' && s_.laneLetter == 'N')) return i;
  }
  return std::nullopt;
}

std::int16_t TariffSetup::matchNamedTariff() {
  s_.kinds.fill(0);
  s_.alternates.fill(0);
  std::array<char, kMaxTariffSlots> noted{};
  enum class Status { None, Found, LaterDated } status = Status::None;
  bool anyEntry = false;
  bool sawX = false;
  std::size_t cursor = 0;
  for (std::optional<std::size_t> i = nextNamedEntry(0); i && cursor < slotCount(); i = nextNamedEntry(*i + 1)) {
    const EffectiveRecord& e = records()[*i];
    anyEntry = true;
    sawX = sawX || e.letter == 'X';
    const bool earlier =
        std::find(s_.kinds.begin(), s_.kinds.begin() + static_cast<std::ptrdiff_t>(cursor),
                  static_cast<std::int16_t>(e.kind)) != s_.kinds.begin() + static_cast<std::ptrdiff_t>(cursor);
    if (notAfterShipDate(e) && !earlier) {
      s_.kinds[cursor] = static_cast<std::int16_t>(e.kind);
      s_.laneLetter = e.letter == 'X' ? 'N' : e.letter;
      noted[cursor] = e.letter == 'X' ? 'N' : e.letter;
      status = Status::Found;
    } else if (!notAfterShipDate(e)) {
      status = Status::LaterDated;
    }
    ++cursor;
  }
  if (!anyEntry) return code::kInvalidTariff;
  if (s_.laneLetter == 'N' && !sawX) {
    s_.alternates = s_.kinds;
    return 0;
  }
  std::array<std::int16_t, kMaxTariffSlots> kinds{}, alternates{};
  matchTariffSelection(kinds, alternates);
  bool retained = false;
  std::array<std::int16_t, kMaxTariffSlots> named = s_.kinds;
  for (std::size_t n = 0; n < slotCount(); ++n) {
    const auto it = std::find(kinds.begin(), kinds.begin() + static_cast<std::ptrdiff_t>(slotCount()), named[n]);
    const bool selected = named[n] != 0 && it != kinds.begin() + static_cast<std::ptrdiff_t>(slotCount());
    s_.kinds[n] = selected ? named[n] : 0;
    s_.alternates[n] = selected ? alternates[static_cast<std::size_t>(it - kinds.begin())] : 0;
    retained = retained || selected;
  }
  if (!retained) {
    for (std::size_t n = 0; n < slotCount(); ++n) {
      const bool keep = named[n] != 0 && noted[n] == 'N';
      s_.kinds[n] = keep ? named[n] : 0;
      s_.alternates[n] = s_.kinds[n];
      retained = retained || keep;
    }
  }
  if (retained) return 0;
  return status == Status::LaterDated ? code::kTariffNotFoundForShipDate : code::kOutOfScope;
}

bool TariffSetup::findSlotEntry(char letter) {
  engine_.currentTariff = CurrentTariff{};
  const std::int16_t kind = s_.kinds[s_.currentSlot];
  bool found = false;
  for (std::size_t i = 0; i < records().size(); ++i) {
    const EffectiveRecord& e = records()[i];
    if (named() && !PassesNameTest(rating_, e)) continue;
    if (static_cast<std::int16_t>(e.kind) != kind || !(e.date > engine_.currentTariff.date) || !notAfterShipDate(e))
      continue;
    if ((e.letter == 'Y' && s_.laneLetter == 'N') || ((e.letter == 'N' || e.letter == 'X') && s_.laneLetter == 'Y'))
      continue;
    if (letter == 'N' && e.country == 'Y') continue;
    if (letter == 'Y' && (e.country == 'N' || e.country == 'C')) continue;
    MakeCurrent(engine_, i);
    found = true;
  }
  return found;
}

void TariffSetup::filterIntrastate() {
  s_.intrastate = r_.intrastate;
  bool anyUnderY = false;
  std::array<bool, kMaxTariffSlots> underY{}, underN{};
  for (std::size_t n = 0; n < slotCount(); ++n) {
    if (s_.kinds[n] == 0) continue;
    s_.currentSlot = n;
    underY[n] = findSlotEntry('Y');
    anyUnderY = anyUnderY || underY[n];
  }
  if (!anyUnderY) {
    for (std::size_t n = 0; n < slotCount(); ++n) {
      if (s_.kinds[n] == 0) continue;
      s_.currentSlot = n;
      findSlotEntry('N');
    }
    return;
  }
  s_.intrastate = s_.origin.state == s_.destination.state && r_.intrastate;
  for (std::size_t n = 0; n < slotCount(); ++n) {
    if (s_.kinds[n] == 0) continue;
    s_.currentSlot = n;
    underN[n] = findSlotEntry('N');
    const bool drop = s_.intrastate ? !underY[n] : !underN[n];
    if (drop) {
      s_.kinds[n] = 0;
      s_.alternates[n] = 0;
    }
  }
}

std::int16_t TariffSetup::narrowTariffSlots() {
  if (activeSlots() < 2) return 0;
  const char letter = engine_.currentTariff.letter;
  if (!(letter == 'Y' || (letter == 'X' && named()))) return 0;
  ApplyStatePairExceptions(engine_.effectivePath, engine_.binaryLog, s_);  // skipped when TDX.TBL is missing
  const bool exchanged = s_.direction == 'T';
  ChooseExceptionName(engine_, rating_, !exchanged);
  ChooseExceptionName(engine_, rating_, exchanged);
  return ApplyGeneralExceptions(engine_.effectivePath, engine_.binaryLog, s_);
}

int TariffSetup::selectTariffEntries() {
  const bool canadian = canadianLane();
  auto passes = [&](const EffectiveRecord& e) {
    if (s_.intrastate ? e.country != 'Y' : e.country == 'Y') return false;
    if (canadian && named() ? !(e.country == 'C' || e.tariffType == 'Y') : e.country == 'C') return false;
    if (!(e.letter == s_.laneLetter || (e.letter == 'X' && s_.laneLetter == 'N'))) return false;
    return !named() || PassesNameTest(rating_, e);
  };
  std::vector<std::size_t>& candidates = s_.candidates;
  candidates.clear();
  for (std::size_t n = 0; n < slotCount() && candidates.size() < kMaxTariffCandidates; ++n) {
    if (s_.kinds[n] == 0) continue;
    std::optional<std::size_t> found;
    for (std::size_t i = records().size(); i-- > 0;) {
      const EffectiveRecord& e = records()[i];
      if (static_cast<std::int16_t>(e.kind) == s_.kinds[n] && notAfterShipDate(e) && passes(e)) {
        found = i;
        break;
      }
    }
    if (!found) continue;
    const EffectiveRecord& f = records()[*found];
    const std::size_t sameName = r_.tariffName.size();
    for (std::size_t i = 0; i < records().size() && candidates.size() < kMaxTariffCandidates; ++i) {
      const EffectiveRecord& e = records()[i];
      if (e.kind != f.kind || e.date != f.date || e.country != f.country || e.letter != f.letter || !passes(e))
        continue;
      if (named() && e.nameView().substr(0, sameName) != f.nameView().substr(0, sameName)) continue;
      if (std::find(candidates.begin(), candidates.end(), i) == candidates.end()) candidates.push_back(i);
    }
  }
  if (candidates.empty()) return -1;
  std::size_t chosen = candidates.front();
  if (candidates.size() > 1) {
    const EffectiveRecord& first = records()[candidates.front()];
    const bool sameSuffix = std::all_of(candidates.begin(), candidates.end(), [&](std::size_t i) {
      const EffectiveRecord& e = records()[i];
      return e.nameView().substr(6, 2) == first.nameView().substr(6, 2) &&
             (!named() || e.nameView().substr(0, 6) == first.nameView().substr(0, 6));
    });
    if (sameSuffix) {
      std::optional<std::size_t> newest;
      for (std::size_t i : candidates)
        if (notAfterShipDate(records()[i]) && (!newest || records()[i].date > records()[*newest].date)) newest = i;
      if (!newest) return -1;
      chosen = *newest;
    } else {
      std::vector<std::string> texts;
      for (std::size_t i : candidates) {
        const EffectiveRecord& e = records()[i];
        texts.push_back(std::string(e.nameView()) + platform::ZeroPadded(e.date.month, 2) +
                        platform::ZeroPadded(e.date.day, 2) + platform::ZeroPadded(e.date.year, 2));
      }
      const std::size_t index = ChooseTariffCandidate(rating_, texts);
      if (index >= candidates.size()) return -1;
      chosen = candidates[index];
    }
  }
  MakeCurrent(engine_, chosen);
  r_.tariffName = std::string(engine_.currentTariff.name());
  s_.versionDate = engine_.currentTariff.date;
  return 0;
}

std::int16_t TariffSetup::run() {
  s_.slotCount = static_cast<std::size_t>(std::max<std::int16_t>(engine_.selection.slotCount(), 1));
  if (r_.mexicanOrigin) s_.origin.state = {'M', 'X'};
  if (r_.mexicanDestination) s_.destination.state = {'M', 'X'};

  const bool fullName = r_.tariffName.size() == 8;
  if (fullName && canadianLane()) {
    std::optional<std::size_t> newest;
    for (std::size_t i = 0; i < records().size(); ++i) {
      const EffectiveRecord& e = records()[i];
      if (e.nameView() != r_.tariffName || !notAfterShipDate(e)) continue;
      if (!(e.country == 'C' || e.country == 'M' || e.tariffType == 'Y')) continue;
      if (!newest || e.date > records()[*newest].date) newest = i;
    }
    if (!newest) return IsLetter(r_.originCode[0]) ? code::kOriginNotInTariff : code::kDestinationNotInTariff;
    MakeCurrent(engine_, *newest);
    return 0;
  }
  if (fullName) {
    s_.laneLetter = 'N';
    s_.kinds[0] = static_cast<std::int16_t>(pass_);
    for (std::size_t i = records().size(); i-- > 0;) {
      const EffectiveRecord& e = records()[i];
      if (e.nameView() == r_.tariffName && e.kind == pass_ && notAfterShipDate(e)) {
        MakeCurrent(engine_, i);
        return 0;
      }
    }
  }
  if (mexicanLane()) return fullName ? code::kOutOfScope : code::kMexicanTariffNotEightCharacters;

  TariffVersion version;
  STEP(ReadTariffVersions(engine_.effectivePath, engine_.binaryLog, r_.shipDate, version));
  s_.version = version.version;
  s_.versionDate = version.date;
  STEP(readPoint(s_.origin, r_.originCode, code::kInvalidOriginZip));
  STEP(readPoint(s_.destination, r_.destinationCode, code::kInvalidDestinationZip));
  s_.direction = 'F';
  setStates();
  orderPoints();

  if (named()) {
    s_.laneLetter = ' ';
    STEP(matchNamedTariff());
  } else {
    s_.laneLetter = 'Y';
    s_.kinds.fill(0);
    s_.alternates.fill(0);
    if (!matchTariffSelection(s_.kinds, s_.alternates)) return code::kInvalidZipCombination;
  }
  filterIntrastate();
  STEP(narrowTariffSlots());
  setStates();
  if (activeSlots() == 0) return code::kInvalidZipCombination;
  if (selectTariffEntries() < 0) return code::kOutOfScope;
  return 0;
}

}  // namespace

bool PassesNameTest(const Rating& rating, const EffectiveRecord& entry) {
  const ParsedRequest& r = rating.request;
  const std::string_view name = entry.nameView();
  if (r.tariffName.size() < 3) return name.substr(0, 3) == std::string_view(r.tariffPrefix).substr(0, 3);
  return name.substr(0, r.tariffName.size()) == r.tariffName;
}

std::int16_t SetupShipmentTariff(RatingEngine& engine, Rating& rating, int pass) {
  rating.setup = SetupWork{};
  return TariffSetup(engine, rating, pass).run();
}

}  // namespace vorn
