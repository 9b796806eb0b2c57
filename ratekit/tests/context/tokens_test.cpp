// Tokens in the RatingContext's pointer slots, and its descriptor slots.
#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "context/descriptor_slots.h"
#include "context/token_table.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::TestContext;

TEST(Tokens, ResolveOnlyForTheirContextAndKindWhileLive) {
  TestContext a, b;
  TokenTable& t = Tokens();
  const std::size_t before = t.liveCount();
  const Token buffer = t.makeBuffer(a.data(), 40);
  ASSERT_NE(buffer, 0u);
  std::optional<ResolvedBuffer> resolved = t.buffer(a.data(), buffer);
  ASSERT_TRUE(resolved);
  EXPECT_EQ(resolved->size, 40u);
  EXPECT_EQ(resolved->data[39], 0);

  int library = 0;
  const Token module = t.makeModule(a.data(), &library);
  // Another kind, another context, a garbage number, 0: nothing.
  EXPECT_EQ(t.module(a.data(), buffer), nullptr);
  EXPECT_FALSE(t.buffer(a.data(), module));
  EXPECT_FALSE(t.buffer(b.data(), buffer));
  for (Token garbage : {Token{0}, Token{1}, Token{2}, Token{0x44434241}, Token{0xFFFFFFFF}, buffer ^ 0x00010000u})
    EXPECT_FALSE(t.buffer(a.data(), garbage)) << garbage;
  EXPECT_EQ(t.module(a.data(), module), &library);

  // A position inside the buffer retires with it; its reused entry gives a
  // new token, so the stale ones stay dead.
  const Token position = t.makePosition(a.data(), resolved->data + 17);
  ASSERT_TRUE(t.position(a.data(), position));
  EXPECT_EQ(t.position(a.data(), position)->size, 23u);
  EXPECT_EQ(t.makePosition(a.data(), &library), 0u);
  EXPECT_EQ(t.makePosition(b.data(), resolved->data + 17), 0u);
  t.retire(a.data(), buffer);
  EXPECT_FALSE(t.buffer(a.data(), buffer));
  EXPECT_FALSE(t.position(a.data(), position));
  const Token again = t.makeBuffer(a.data(), 8);
  EXPECT_NE(again, buffer);
  EXPECT_FALSE(t.buffer(a.data(), buffer));

  // The program retires only its own tokens.
  t.retireProgramToken(a.data(), again);
  EXPECT_TRUE(t.buffer(a.data(), again));
  t.retireProgramToken(a.data(), module);
  EXPECT_EQ(t.module(a.data(), module), nullptr);
  t.retire(a.data(), again);
  EXPECT_EQ(t.liveCount(), before);
}

TEST(Tokens, TheHostInterfaceMakesAndResolvesTheProgramsTokens) {
  TestContext context;
  const RatekitHost& host = *RatekitHostInterface();
  ASSERT_EQ(host.size, sizeof(RatekitHost));
  char table[64] = "language";
  const std::uint32_t token = host.makeToken(context.data(), RATEKIT_TOKEN_BUFFER, table, sizeof table);
  std::size_t size = 0;
  EXPECT_EQ(host.resolveToken(context.data(), token, RATEKIT_TOKEN_BUFFER, &size), table);
  EXPECT_EQ(size, sizeof table);
  EXPECT_EQ(host.resolveToken(context.data(), token, RATEKIT_TOKEN_MODULE, &size), nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(host.resolveToken(context.data(), token, 9, nullptr), nullptr);
  EXPECT_EQ(host.makeToken(nullptr, RATEKIT_TOKEN_BUFFER, table, 1), 0u);
  EXPECT_EQ(host.makeToken(context.data(), RATEKIT_TOKEN_MODULE, nullptr, 0), 0u);
  host.releaseToken(context.data(), token);
  EXPECT_EQ(host.resolveToken(context.data(), token, RATEKIT_TOKEN_BUFFER, nullptr), nullptr);
  EXPECT_EQ(table[0], 'l');  // the program's buffer is never freed or touched

  // A stream Ratekit32 opened closes when its token retires.
  std::FILE* stream = std::tmpfile();
  const Token own = Tokens().makeStream(context.data(), stream, Ownership::Ratekit);
  EXPECT_EQ(Tokens().stream(context.data(), own), stream);
  Tokens().retire(context.data(), own);
  EXPECT_EQ(Tokens().stream(context.data(), own), nullptr);
}

TEST(DescriptorSlots, NeverHoldTheStandardStreamsAndCloseOnlyWhatTheyOpened) {
  TestContext context;
  RatingContextView record = context.view();
  // With standard input closed, a data file still gets a descriptor above 2.
  const int savedInput = ::dup(0);
  ::close(0);
  const int fd = OpenDescriptorSlot(record, context::kZf1File, "/proc/self/exe");
  ::dup2(savedInput, 0);
  ::close(savedInput);
  EXPECT_GT(fd, 2);
  EXPECT_EQ(context.integer(context::kZf1File), fd);
  EXPECT_EQ(OpenDescriptorSlot(record, context::kZf2File, "/no/such/file"), -1);

  CloseDescriptorSlot(record, context::kZf1File);
  EXPECT_EQ(context.integer(context::kZf1File), -1);
  EXPECT_EQ(::fcntl(fd, F_GETFD), -1);

  // A slot that names a descriptor Ratekit32 did not open leaves it open.
  const int other = ::dup(1);
  for (int value : {0, 1, 2, other}) {
    context.setInt(context::kBseFile, value);
    CloseDescriptorSlot(record, context::kBseFile);
    EXPECT_EQ(context.integer(context::kBseFile), -1);
    EXPECT_NE(::fcntl(value, F_GETFD), -1) << value;
  }
  ::close(other);
}

}  // namespace
}  // namespace ratekit
