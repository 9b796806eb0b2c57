#include <cstring>
#include <new>

#include "shell/rating_context_fields.h"

namespace qiv {

std::unique_ptr<RatingContext> RatingContext::Allocate() {
  std::unique_ptr<RatingContext> context(new (std::nothrow) RatingContext);
  if (context) context->clear();
  return context;
}

void RatingContext::clear() { std::memset(bytes_, 0, kSize); }

std::string RatingContext::textAt(FieldSpan field) const {
  const std::string_view text = view().text(field);
  return std::string(text.substr(0, text.find('\0')));
}

void RatingContext::setTerminatedText(FieldSpan field, std::string_view text) {
  view().setText(field, text.substr(0, field.width - 1), '\0');
}

}  // namespace qiv
