#include "kinds/file_kind.h"

#include <algorithm>
#include <cctype>

namespace dataset {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

const std::string* FindSetting(const Settings& settings, std::string_view key) {
  for (const Field& f : settings) {
    if (f.key == key) return &f.value;
  }
  return nullptr;
}

void PutSetting(Settings& settings, std::string_view key, std::string value) {
  for (Field& f : settings) {
    if (f.key == key) {
      f.value = std::move(value);
      return;
    }
  }
  settings.push_back({std::string(key), std::move(value)});
}

Settings FileKind::settle(Settings given, const Neighbours&) const {
  const std::span<const std::string_view> keys = settingKeys();
  auto rank = [&](const Field& f) { return std::find(keys.begin(), keys.end(), f.key) - keys.begin(); };
  for (const Field& f : given) {
    if (rank(f) == static_cast<std::ptrdiff_t>(keys.size())) {
      std::string known;
      for (std::string_view k : keys) known += (known.empty() ? "" : ", ") + std::string(k);
      throw FieldError(
          "a " + std::string(keyword()) + " block takes no field '" + f.key + "'" +
          (keys.empty() ? std::string(" (its header takes only the word raw)") : " (fields: " + known + ")"));
    }
  }
  std::stable_sort(given.begin(), given.end(), [&](const Field& a, const Field& b) { return rank(a) < rank(b); });
  return given;
}

}  // namespace dataset
