#include "kinds/level/sparse_fields.h"

#include <algorithm>
#include <optional>

#include "kinds/record_tools.h"

namespace dataset {
namespace {

const std::string& Zeros() {
  static const std::string zeros(4096, '\0');
  return zeros;
}

// One value of a field as a one-field layout at offset 0.
class OneValue {
 public:
  explicit OneValue(const SparseField& f)
      : field_{f.key, {0, f.span.width}, f.form, std::string_view(Zeros()).substr(0, f.span.width)} {}
  std::string encode(std::string_view value) const {
    return RecordLayout(std::span(&field_, 1)).encode({{std::string(field_.key), std::string(value)}});
  }
  std::optional<std::string> decode(std::string_view bytes) const {
    std::optional<FieldList> fields = RecordLayout(std::span(&field_, 1)).decode(bytes);
    if (!fields) return std::nullopt;
    return fields->empty() ? std::string() : fields->front().value;
  }

 private:
  RecordField field_;
};

std::size_t Width(const SparseField& f) { return f.span.width * f.count; }

// The byte at of the default image, zero when it is empty.
char DefaultAt(std::string_view defaults, std::size_t at) { return defaults.empty() ? '\0' : defaults[at]; }

}  // namespace

std::string DefaultImage(std::size_t size, std::span<const SparseField> fields) {
  std::string image(size, '\0');
  for (const SparseField& f : fields)
    if (!f.defaultBytes.empty()) image.replace(f.span.offset, f.defaultBytes.size(), f.defaultBytes);
  return image;
}

void ApplyFields(std::string& image, std::span<const SparseField> fields, const FieldList& given,
                 std::string_view what) {
  for (const Field& g : given) {
    const auto f = std::find_if(fields.begin(), fields.end(), [&](const SparseField& k) { return k.key == g.key; });
    if (f == fields.end()) throw FieldError("unknown field '" + g.key + "' of " + std::string(what));
    const OneValue one(*f);
    if (f->count == 1) {
      image.replace(f->span.offset, f->span.width, one.encode(g.value));
      continue;
    }
    const std::vector<std::string_view> words = Words(g.value);
    if (words.size() > f->count)
      throw FieldError("field '" + g.key + "' takes at most " + std::to_string(f->count) + " values");
    for (std::size_t i = 0; i < f->count; ++i)
      image.replace(f->span.offset + f->span.width * i, f->span.width,
                    i < words.size() ? one.encode(words[i]) : Zeros().substr(0, f->span.width));
  }
}

void ApplyBytes(std::string& image, const FieldList& given) {
  const std::string* at = nullptr;
  const std::string* text = nullptr;
  for (const Field& f : given) {
    if (f.key == "at")
      at = &f.value;
    else if (f.key == "text")
      text = &f.value;
    else
      throw FieldError("a bytes item takes at= and text=, not '" + f.key + "'");
  }
  if (at == nullptr || text == nullptr) throw FieldError("a bytes item takes at= and text=");
  const auto offset = static_cast<std::size_t>(ParseInteger("at", *at, 0, static_cast<std::int64_t>(image.size())));
  if (offset + text->size() > image.size())
    throw FieldError("bytes at " + *at + " of " + std::to_string(text->size()) + " run past the image's " +
                     std::to_string(image.size()));
  image.replace(offset, text->size(), *text);
}

FieldList NamedFields(std::string_view image, std::span<const SparseField> fields, std::vector<bool>& covered,
                      std::string_view defaults) {
  FieldList named;
  for (const SparseField& f : fields) {
    const std::string_view bytes = image.substr(f.span.offset, Width(f));
    const std::string_view unset =
        defaults.empty() ? std::string_view(Zeros()).substr(0, Width(f)) : defaults.substr(f.span.offset, Width(f));
    if (bytes == unset) continue;
    const OneValue one(f);
    std::vector<std::string> values;
    bool readsBack = true;
    for (std::size_t i = 0; i < f.count && readsBack; ++i) {
      const std::string_view piece = bytes.substr(f.span.width * i, f.span.width);
      if (f.count > 1 && piece.find_first_not_of('\0') == std::string_view::npos) {
        values.emplace_back();  // a value left out of the list
        continue;
      }
      const std::optional<std::string> value = one.decode(piece);
      try {
        readsBack = value && one.encode(*value) == piece;
      } catch (const FieldError&) {
        readsBack = false;
      }
      if (readsBack) values.push_back(*value);
    }
    if (!readsBack) continue;
    if (f.count > 1) {
      // A list is written as words: it ends at its last value that is not
      // empty, and each value before that is one word.
      while (!values.empty() && values.back().empty()) values.pop_back();
      if (std::any_of(values.begin(), values.end(),
                      [](const std::string& v) { return Words(v).size() != 1 || Words(v)[0] != v; }))
        continue;
    }
    std::string joined;
    for (const std::string& v : values) joined += (joined.empty() ? "" : " ") + v;
    named.push_back({f.key, joined});
    std::fill(covered.begin() + static_cast<std::ptrdiff_t>(f.span.offset),
              covered.begin() + static_cast<std::ptrdiff_t>(f.span.offset + Width(f)), true);
  }
  return named;
}

std::vector<FieldList> LeftoverBytes(std::string_view image, const std::vector<bool>& covered,
                                     std::string_view defaults) {
  const auto leftOver = [&](std::size_t at) { return !covered[at] && image[at] != DefaultAt(defaults, at); };
  std::vector<FieldList> runs;
  for (std::size_t at = 0; at < image.size();) {
    if (!leftOver(at)) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < image.size() && leftOver(end)) ++end;
    runs.push_back({{"at", std::to_string(at)}, {"text", std::string(image.substr(at, end - at))}});
    at = end;
  }
  return runs;
}

}  // namespace dataset
