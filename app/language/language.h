// The two languages of the screen, as the language flag holds them.
#pragma once

namespace qiv {

enum class Language { English = 0, Spanish = 1 };

inline Language OtherLanguage(Language language) {
  return language == Language::English ? Language::Spanish : Language::English;
}

}  // namespace qiv
