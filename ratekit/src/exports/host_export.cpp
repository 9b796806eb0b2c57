// RatekitHostInterface: the table the program uses to install its message
// boxes and to make tokens for its own objects.
#include "context/token_table.h"
#include "exports/export.h"
#include "messages/message_boxes.h"
#include "ratekit/host_interface.h"

using namespace ratekit;

namespace {

int TakeQuit(int* code) {
  const std::optional<int> quit = TakeRecordedQuit();
  if (!quit) return 0;
  if (code != nullptr) *code = *quit;
  return 1;
}

uint32_t MakeToken(void* ratingContext, int kind, void* object, size_t size) {
  if (ratingContext == nullptr) return 0;
  switch (kind) {
    case RATEKIT_TOKEN_BUFFER: return Tokens().makeProgramBuffer(ratingContext, object, size);
    case RATEKIT_TOKEN_STREAM:
      return Tokens().makeStream(ratingContext, static_cast<std::FILE*>(object), Ownership::Program);
    case RATEKIT_TOKEN_MODULE: return Tokens().makeModule(ratingContext, object);
    case RATEKIT_TOKEN_POSITION: return Tokens().makePosition(ratingContext, object);
  }
  return 0;
}

void* ResolveToken(const void* ratingContext, uint32_t token, int kind, size_t* size) {
  if (size != nullptr) *size = 0;
  if (kind < RATEKIT_TOKEN_BUFFER || kind > RATEKIT_TOKEN_POSITION) return nullptr;
  return Tokens().object(ratingContext, token, static_cast<TokenKind>(kind), size);
}

void ReleaseToken(void* ratingContext, uint32_t token) { Tokens().retireProgramToken(ratingContext, token); }

const RatekitHost kHost{sizeof(RatekitHost), &InstallMessageBoxes, &TakeQuit, &MakeToken, &ResolveToken, &ReleaseToken};

}  // namespace

RATEKIT_EXPORT const RatekitHost* RatekitHostInterface(void) { return &kHost; }

static_assert(static_cast<int>(TokenKind::Buffer) == RATEKIT_TOKEN_BUFFER &&
              static_cast<int>(TokenKind::Stream) == RATEKIT_TOKEN_STREAM &&
              static_cast<int>(TokenKind::Module) == RATEKIT_TOKEN_MODULE &&
              static_cast<int>(TokenKind::Position) == RATEKIT_TOKEN_POSITION);
