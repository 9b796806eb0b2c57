// Per-thread slots with a detach function that runs when a thread ends, in
// place of the thread-attach and thread-detach notifications a library gets
// on other systems: a library makes a thread's slot on that thread's first
// call and is told through the detach function when the thread exits.
#pragma once

#include <mutex>
#include <pthread.h>

namespace platform {

class ThreadSlotKey {
 public:
  using DetachFunction = void (*)(void* value);

  explicit ThreadSlotKey(DetachFunction detach);
  // Frees the key; values still stored are not detached (as at process
  // detach, other threads' slots are left as they are).
  ~ThreadSlotKey();
  ThreadSlotKey(const ThreadSlotKey&) = delete;
  ThreadSlotKey& operator=(const ThreadSlotKey&) = delete;

  bool isValid() const { return valid_; }
  void* get() const;
  bool set(void* value);

 private:
  pthread_key_t key_{};
  bool valid_ = false;
};

// Work done once per process, on first use rather than at load time, so that
// it runs outside the dynamic loader and in the order the calls come.
class OncePerProcess {
 public:
  template <class F>
  void run(F&& work) {
    std::call_once(flag_, std::forward<F>(work));
  }

 private:
  std::once_flag flag_;
};

}  // namespace platform
