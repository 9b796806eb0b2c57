// The tokens that stand in the RatingContext's pointer slots: 32-bit
// numbers (0 = none) for buffers, streams, library handles and places
// inside buffers, which the record cannot hold as 64-bit pointers.
//
// A token is kept for one RatingContext (the address it was made for) and
// one kind. Retiring a buffer's token frees the buffer when Ratekit32 owns
// it and retires every position inside it. A token that is 0, retired, of
// another kind, of another context, or not a token at all resolves to
// nothing, exactly as an empty slot does.
//
// Layout of a token: bit 31 set, bits 16-30 a generation (1..32767) that
// changes each time an entry is reused, bits 0-15 the entry's index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "ratekit/rating_context.h"

namespace ratekit {

using Token = std::uint32_t;
using context::TokenKind;

// Who frees what a token stands for when the token retires.
enum class Ownership { Ratekit, Program };

// A buffer a token resolves to.
struct ResolvedBuffer {
  std::uint8_t* data;
  std::size_t size;
};

class TokenTable {
 public:
  TokenTable();
  ~TokenTable();
  TokenTable(const TokenTable&) = delete;
  TokenTable& operator=(const TokenTable&) = delete;

  // A new buffer of size bytes, zeroed, owned by Ratekit32; 0 when it
  // cannot be allocated.
  Token makeBuffer(const void* owner, std::size_t size);
  // A token for an object of the program, or for a stream Ratekit32 opened
  // (Ownership::Ratekit: closed when the token retires).
  Token makeStream(const void* owner, std::FILE* stream, Ownership ownership);
  Token makeModule(const void* owner, void* handle);
  Token makeProgramBuffer(const void* owner, void* data, std::size_t size);
  // A position inside one of Ratekit32's buffers of this owner; 0 when the
  // address lies in none.
  Token makePosition(const void* owner, const void* address);

  std::optional<ResolvedBuffer> buffer(const void* owner, Token token) const;
  std::optional<ResolvedBuffer> position(const void* owner, Token token) const;
  std::FILE* stream(const void* owner, Token token) const;
  void* module(const void* owner, Token token) const;
  // The object of any kind (a buffer's or position's first byte), and the
  // size that follows it.
  void* object(const void* owner, Token token, TokenKind kind, std::size_t* size) const;

  // Retires the token (and, for a buffer, the positions inside it); frees
  // or closes what Ratekit32 owns. Unknown tokens are ignored.
  void retire(const void* owner, Token token);
  // The same, only for tokens the program made.
  void retireProgramToken(const void* owner, Token token);

  // Live tokens, for tests of the table's bookkeeping.
  std::size_t liveCount() const;

 private:
  struct Entry;
  Entry* find(const void* owner, Token token, TokenKind kind) const;
  Entry* findAny(const void* owner, Token token) const;
  Token add(Entry entry);
  std::vector<std::unique_ptr<Entry>> entries_;
  std::vector<std::size_t> free_;  // indices of retired entries
};

// The table of the process.
TokenTable& Tokens();

// The token in a slot of the context, and its resolution (an empty slot and
// an unusable token alike give nothing).
Token SlotToken(const RatingContextView& record, platform::FieldSpan slot);
std::optional<ResolvedBuffer> SlotBuffer(const RatingContextView& record, platform::FieldSpan slot);
// Retires the slot's token and sets the slot to 0.
void ClearSlot(RatingContextView& record, platform::FieldSpan slot);

}  // namespace ratekit
