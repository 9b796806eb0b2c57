// The accessorials dialog's model, apart from its windows: a work copy of
// every entry's selection and value text, the entries cut into pages, and
// the rows a page takes (which row shows an entry's description, its check
// box, its unit label and its value). The dialog shows a page's rows and
// reads them back through this; only OK copies the work area into the
// AccessorialTable.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shell/rating_context_fields.h"

namespace qiv::accessorials {

inline constexpr std::size_t kRows = 15;            // rows of controls a page offers
inline constexpr std::size_t kEntriesPerPage = 13;  // entries a page holds at most

// An entry as the dialog reads it from the table.
struct Entry {
  char selection = ' ';  // '*' chosen, 't' heading line
  std::string code;      // 5 characters
  std::string description;
  char kind = ' ';
  float value = 0;  // the entered value
  std::string unitLabel;
  bool heading() const { return selection == 't'; }
};

// Whether an entry of the kind takes a typed value, and the value field's
// limits for it (characters, decimals).
bool TakesValue(char kind);
struct ValueLimits {
  int length = 0;
  int decimals = 0;
};
ValueLimits LimitsFor(char kind);
// The value's work text: "%6.2f" for '%' and '$', "%6.0f" for the other
// value kinds, only when the value is above 0; else empty. A value wider
// than that is kept whole.
std::string ValueText(char kind, float value);

// Where one entry of a page shows.
struct EntryRows {
  std::size_t entry = 0;
  std::size_t row = 0;                      // its description
  std::optional<std::size_t> check;         // its check box (its code as the text)
  std::optional<std::size_t> valueRow;      // its unit label and value field
  std::optional<std::size_t> checkOfValue;  // the check box that chooses the value's entry
};

struct Page {
  std::size_t first = 0, last = 0;  // entries first..last
};

class Model {
 public:
  Model() = default;
  explicit Model(std::vector<Entry> entries);
  // The table's entries in the context (count held to 0..100).
  static std::vector<Entry> ReadTable(const RatingContext& context);

  const std::vector<Entry>& entries() const { return entries_; }
  const std::vector<Page>& pages() const { return pages_; }
  std::size_t pageCount() const { return pages_.size(); }

  // The rows of a page's entries, in order.
  std::vector<EntryRows> rowsOf(std::size_t page) const;

  // The work area.
  char workSelection(std::size_t entry) const { return work_[entry].selection; }
  const std::string& workText(std::size_t entry) const { return work_[entry].text; }
  // Reading a page back: the check box of the entry's row (for a '<' entry
  // its partner's choice) and a value field's text.
  void readCheck(std::size_t entry, bool checked);
  void readValue(std::size_t entry, const std::string& text);

  // OK: the work area into the table (selections except of heading lines,
  // values of the value kinds).
  void store(RatingContext& context) const;

  // The entry is the second of a '<' pair (the entry before it is of kind '<').
  bool isPartner(std::size_t entry) const { return entry > 0 && entries_[entry - 1].kind == '<'; }

 private:
  struct Slot {
    std::string text;
    char selection = ' ';
  };
  void cutPages();
  // The rows entries first.. take on one page, up to the page's limits:
  // the number of entries that fit.
  std::size_t entriesFitting(std::size_t first) const;

  std::vector<Entry> entries_;
  std::vector<Slot> work_;
  std::vector<Page> pages_;
};

// The code whose value field is placed two rows below its row.
inline constexpr int kLowValueCode = 566;
// The code whose value is held to 80000.
inline constexpr int kCappedCode = 430;
inline constexpr double kCappedValue = 80000.0;
// An entry's code as a number (0 when it holds none).
int CodeNumber(const Entry& entry);

}  // namespace qiv::accessorials
