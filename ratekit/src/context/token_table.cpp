#include "context/token_table.h"

#include <new>

namespace ratekit {
namespace {

constexpr Token kTokenMark = 0x80000000u;
constexpr std::uint32_t kMaxGeneration = 0x7FFF;
constexpr std::size_t kMaxEntries = 0x10000;

Token MakeToken(std::uint32_t generation, std::size_t index) {
  return kTokenMark | (generation << 16) | static_cast<std::uint32_t>(index);
}

}  // namespace

struct TokenTable::Entry {
  std::uint32_t generation = 0;
  bool live = false;
  TokenKind kind = TokenKind::Buffer;
  Ownership ownership = Ownership::Program;
  const void* owner = nullptr;
  void* object = nullptr;
  std::size_t size = 0;
  std::unique_ptr<std::uint8_t[]> storage;  // a buffer of Ratekit32's
  Token parent = 0;                         // a position's buffer
  std::size_t offset = 0;                   // a position's place in it
};

TokenTable::TokenTable() = default;
TokenTable::~TokenTable() = default;

TokenTable& Tokens() {
  static TokenTable table;
  return table;
}

Token TokenTable::add(Entry entry) {
  std::size_t index;
  if (!free_.empty()) {
    index = free_.back();
    free_.pop_back();
  } else {
    if (entries_.size() >= kMaxEntries) return 0;
    index = entries_.size();
    entries_.push_back(std::make_unique<Entry>());
  }
  Entry& slot = *entries_[index];
  const std::uint32_t generation = slot.generation % kMaxGeneration + 1;
  slot = std::move(entry);
  slot.generation = generation;
  slot.live = true;
  return MakeToken(generation, index);
}

TokenTable::Entry* TokenTable::findAny(const void* owner, Token token) const {
  if ((token & kTokenMark) == 0) return nullptr;
  const std::size_t index = token & 0xFFFF;
  const std::uint32_t generation = (token >> 16) & kMaxGeneration;
  if (index >= entries_.size()) return nullptr;
  Entry* e = entries_[index].get();
  if (!e->live || e->generation != generation || e->owner != owner) return nullptr;
  return e;
}

TokenTable::Entry* TokenTable::find(const void* owner, Token token, TokenKind kind) const {
  Entry* e = findAny(owner, token);
  return e != nullptr && e->kind == kind ? e : nullptr;
}

Token TokenTable::makeBuffer(const void* owner, std::size_t size) {
  Entry e;
  e.kind = TokenKind::Buffer;
  e.ownership = Ownership::Ratekit;
  e.owner = owner;
  e.storage.reset(new (std::nothrow) std::uint8_t[size == 0 ? 1 : size]());
  if (!e.storage) return 0;
  e.object = e.storage.get();
  e.size = size;
  return add(std::move(e));
}

Token TokenTable::makeStream(const void* owner, std::FILE* stream, Ownership ownership) {
  if (stream == nullptr) return 0;
  Entry e;
  e.kind = TokenKind::Stream;
  e.ownership = ownership;
  e.owner = owner;
  e.object = stream;
  return add(std::move(e));
}

Token TokenTable::makeModule(const void* owner, void* handle) {
  if (handle == nullptr) return 0;
  Entry e;
  e.kind = TokenKind::Module;
  e.owner = owner;
  e.object = handle;
  return add(std::move(e));
}

Token TokenTable::makeProgramBuffer(const void* owner, void* data, std::size_t size) {
  if (data == nullptr) return 0;
  Entry e;
  e.kind = TokenKind::Buffer;
  e.owner = owner;
  e.object = data;
  e.size = size;
  return add(std::move(e));
}

Token TokenTable::makePosition(const void* owner, const void* address) {
  const auto* at = static_cast<const std::uint8_t*>(address);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& b = *entries_[i];
    if (!b.live || b.owner != owner || b.kind != TokenKind::Buffer || b.ownership != Ownership::Ratekit) continue;
    const auto* begin = static_cast<const std::uint8_t*>(b.object);
    if (at < begin || at >= begin + b.size) continue;
    Entry e;
    e.kind = TokenKind::Position;
    e.owner = owner;
    e.parent = MakeToken(b.generation, i);
    e.offset = static_cast<std::size_t>(at - begin);
    return add(std::move(e));
  }
  return 0;
}

std::optional<ResolvedBuffer> TokenTable::buffer(const void* owner, Token token) const {
  const Entry* e = find(owner, token, TokenKind::Buffer);
  if (e == nullptr) return std::nullopt;
  return ResolvedBuffer{static_cast<std::uint8_t*>(e->object), e->size};
}

std::optional<ResolvedBuffer> TokenTable::position(const void* owner, Token token) const {
  const Entry* e = find(owner, token, TokenKind::Position);
  if (e == nullptr) return std::nullopt;
  const std::optional<ResolvedBuffer> in = buffer(owner, e->parent);
  if (!in || e->offset >= in->size) return std::nullopt;
  return ResolvedBuffer{in->data + e->offset, in->size - e->offset};
}

std::FILE* TokenTable::stream(const void* owner, Token token) const {
  const Entry* e = find(owner, token, TokenKind::Stream);
  return e == nullptr ? nullptr : static_cast<std::FILE*>(e->object);
}

void* TokenTable::module(const void* owner, Token token) const {
  const Entry* e = find(owner, token, TokenKind::Module);
  return e == nullptr ? nullptr : e->object;
}

void* TokenTable::object(const void* owner, Token token, TokenKind kind, std::size_t* size) const {
  std::optional<ResolvedBuffer> found;
  switch (kind) {
    case TokenKind::Buffer: found = buffer(owner, token); break;
    case TokenKind::Position: found = position(owner, token); break;
    case TokenKind::Stream:
    case TokenKind::Module: {
      const Entry* e = find(owner, token, kind);
      if (e != nullptr) found = ResolvedBuffer{static_cast<std::uint8_t*>(e->object), 0};
      break;
    }
  }
  if (size != nullptr) *size = found ? found->size : 0;
  return found ? found->data : nullptr;
}

void TokenTable::retire(const void* owner, Token token) {
  Entry* e = findAny(owner, token);
  if (e == nullptr) return;
  if (e->kind == TokenKind::Buffer) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      const Entry& p = *entries_[i];
      if (p.live && p.kind == TokenKind::Position && p.parent == token) retire(owner, MakeToken(p.generation, i));
    }
  }
  if (e->kind == TokenKind::Stream && e->ownership == Ownership::Ratekit)
    std::fclose(static_cast<std::FILE*>(e->object));
  const std::size_t index = token & 0xFFFF;
  const std::uint32_t generation = e->generation;
  *e = Entry{};
  e->generation = generation;
  free_.push_back(index);
}

void TokenTable::retireProgramToken(const void* owner, Token token) {
  const Entry* e = findAny(owner, token);
  if (e != nullptr && e->ownership == Ownership::Program) retire(owner, token);
}

std::size_t TokenTable::liveCount() const {
  std::size_t n = 0;
  for (const auto& e : entries_) n += e->live ? 1 : 0;
  return n;
}

Token SlotToken(const RatingContextView& record, platform::FieldSpan slot) {
  return record.integerAt<std::uint32_t>(slot.offset);
}

std::optional<ResolvedBuffer> SlotBuffer(const RatingContextView& record, platform::FieldSpan slot) {
  return Tokens().buffer(record.data(), SlotToken(record, slot));
}

void ClearSlot(RatingContextView& record, platform::FieldSpan slot) {
  Tokens().retire(record.data(), SlotToken(record, slot));
  record.setInteger<std::uint32_t>(slot.offset, 0);
}

}  // namespace ratekit
