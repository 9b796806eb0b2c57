// Options the sanitizer runtimes read at start-up, built into every program
// of the sanitizer configuration so that running a test by hand behaves as
// under CTest.
#define QIV_EXPORT extern "C" __attribute__((visibility("default"), used))

// intercept_tls_get_addr=0: the leak checker's own tracking of dynamic
// thread-local blocks can mistake an ordinary heap block for a thread-local
// header and crash while scanning at exit (the engine's thread-locals live in
// a library that tests load by name); static thread-local storage and the
// stacks are still scanned.
QIV_EXPORT const char* __asan_default_options() {
  return "detect_stack_use_after_return=1:strict_string_checks=1:intercept_tls_get_addr=0";
}
QIV_EXPORT const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
QIV_EXPORT const char* __lsan_default_options() { return "suppressions=" QIV_LSAN_SUPPRESSIONS; }
