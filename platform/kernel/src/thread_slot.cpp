#include "platform/kernel/thread_slot.h"

namespace platform {

ThreadSlotKey::ThreadSlotKey(DetachFunction detach) { valid_ = ::pthread_key_create(&key_, detach) == 0; }

ThreadSlotKey::~ThreadSlotKey() {
  if (valid_) ::pthread_key_delete(key_);
}

void* ThreadSlotKey::get() const { return valid_ ? ::pthread_getspecific(key_) : nullptr; }

bool ThreadSlotKey::set(void* value) { return valid_ && ::pthread_setspecific(key_, value) == 0; }

}  // namespace platform
