#include "platform/kernel/thread_slot.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace platform {
namespace {

std::atomic<int> gDetached{0};
void CountDetach(void* value) {
  delete static_cast<int*>(value);
  ++gDetached;
}

TEST(ThreadSlot, EachThreadHasItsOwnSlotDetachedWhenTheThreadEnds) {
  ThreadSlotKey key(CountDetach);
  ASSERT_TRUE(key.isValid());
  ASSERT_TRUE(key.set(new int(1)));
  std::thread other([&] {
    EXPECT_EQ(key.get(), nullptr);  // a new thread starts without a slot
    key.set(new int(2));
    EXPECT_EQ(*static_cast<int*>(key.get()), 2);
  });
  other.join();
  EXPECT_EQ(gDetached.load(), 1);
  EXPECT_EQ(*static_cast<int*>(key.get()), 1);
  delete static_cast<int*>(key.get());
  key.set(nullptr);
}

TEST(ThreadSlot, OncePerProcessRunsItsWorkOnce) {
  OncePerProcess once;
  int runs = 0;
  std::thread a([&] { once.run([&] { ++runs; }); });
  a.join();
  once.run([&] { ++runs; });
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace platform
