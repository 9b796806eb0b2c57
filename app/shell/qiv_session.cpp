#include "shell/qiv_session.h"

#include <iostream>

namespace qiv {

std::string QivSession::text(std::int32_t key, std::size_t limit) const {
  return languageTable ? languageTable->getLanguageMessage(key, language, limit) : std::string();
}

std::string QivSession::dataDirectory() const {
  return context ? context->textAt(fields::kDataDirectory) : std::string();
}

void QivSession::reportSilentEnd(std::string_view why) const {
  std::ostream& out = environment.diagnostics != nullptr ? *environment.diagnostics : std::cerr;
  out << "qiv: " << why << '\n';
  out.flush();
}

std::string QivSession::tariffBaseName() const {
  std::string name = context ? context->textAt(fields::kTariffBaseName) : std::string();
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::span<const std::uint8_t> QivSession::slotBuffer(FieldSpan slot) const {
  if (!context || bindings.RatekitHostInterface == nullptr) return {};
  const RatekitHost* host = bindings.RatekitHostInterface();
  if (host == nullptr) return {};
  std::size_t size = 0;
  const void* data = host->resolveToken(context->data(), static_cast<std::uint32_t>(context->intAt(slot)),
                                        RATEKIT_TOKEN_BUFFER, &size);
  if (data == nullptr) return {};
  return {static_cast<const std::uint8_t*>(data), size};
}

bool QivSession::engineInUse() const { return context && context->intAt(fields::kEngineInUse) != 0; }

bool QivSession::serviceGuideInUse() const { return context && context->intAt(fields::kServiceGuideInUse) != 0; }

}  // namespace qiv
