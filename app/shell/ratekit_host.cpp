#include "shell/ratekit_host.h"

#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/message_loop.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;

namespace {

int ShowBox(void* /*hostContext*/, RatekitBoxKind kind, const char* caption, const char* text, void* owner) {
  return ShowRatekitBox(kind, caption, text, owner);
}

void Quit(void* /*hostContext*/, int code) { PostQuitMessage(code); }

}  // namespace

int ShowRatekitBox(RatekitBoxKind kind, const char* caption, const char* text, void* owner) {
  unsigned style = message_box::Ok | message_box::IconWarning;
  if (kind == RATEKIT_BOX_ERROR) style = message_box::Ok | message_box::IconError;
  if (kind == RATEKIT_BOX_QUESTION) style = message_box::YesNo | message_box::IconQuestion;
  const int answer = MessageBox(static_cast<WindowHandle>(owner), text != nullptr ? text : "",
                                caption != nullptr ? caption : "", style);
  static_assert(command_id::Ok == RATEKIT_ANSWER_OK && command_id::Cancel == RATEKIT_ANSWER_CANCEL &&
                command_id::Yes == RATEKIT_ANSWER_YES && command_id::No == RATEKIT_ANSWER_NO);
  return answer;
}

void RatekitHostConnection::connect(QivSession& session) {
  if (session.bindings.RatekitHostInterface == nullptr) return;
  const RatekitHost* host = session.bindings.RatekitHostInterface();
  if (host == nullptr || host->size < sizeof(RatekitHost)) return;
  host_ = host;
  host->installMessageBoxes(&ShowBox, &Quit, nullptr);
  RatingContext& context = *session.context;
  auto slot = [&](FieldSpan field, int kind, void* object, std::size_t size) {
    if (object == nullptr) return;
    const std::uint32_t token = host->makeToken(context.data(), kind, object, size);
    context.setInt(field, static_cast<std::int32_t>(token));
    if (token != 0) tokens_.push_back(token);
  };
  RatingLibraries& libraries = session.libraries;
  slot(fields::kEngineModule, RATEKIT_TOKEN_MODULE, libraries.engine.nativeHandle(), 0);
  slot(fields::kRatekitModule, RATEKIT_TOKEN_MODULE, libraries.functionLibrary.nativeHandle(), 0);
  slot(fields::kServiceGuideModule, RATEKIT_TOKEN_MODULE, libraries.serviceGuide.nativeHandle(), 0);
  if (LanguageTable* table = session.languageTable ? &*session.languageTable : nullptr) {
    auto* keys = const_cast<std::vector<std::int32_t>*>(&table->keys());
    auto* english = const_cast<std::vector<std::string>*>(&table->english());
    auto* spanish = const_cast<std::vector<std::string>*>(&table->spanish());
    slot(fields::kLanguageKeys, RATEKIT_TOKEN_BUFFER, keys, sizeof(*keys));
    slot(fields::kLanguageEnglish, RATEKIT_TOKEN_BUFFER, english, sizeof(*english));
    slot(fields::kLanguageSpanish, RATEKIT_TOKEN_BUFFER, spanish, sizeof(*spanish));
  }
}

void RatekitHostConnection::disconnect(QivSession& session) {
  if (host_ == nullptr) return;
  if (session.context) {
    for (std::uint32_t token : tokens_) host_->releaseToken(session.context->data(), token);
    for (FieldSpan field : {fields::kEngineModule, fields::kRatekitModule, fields::kServiceGuideModule,
                            fields::kLanguageKeys, fields::kLanguageEnglish, fields::kLanguageSpanish})
      session.context->setInt(field, 0);
  }
  host_->installMessageBoxes(nullptr, nullptr, nullptr);
  tokens_.clear();
  host_ = nullptr;
}

}  // namespace qiv
