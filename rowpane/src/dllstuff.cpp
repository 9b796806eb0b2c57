// The library's entry and exit: loading it registers the "Rowpane" class
// (once per process); unloading it takes the class away again, so that no
// class is left pointing into an unmapped library.
#include "rowpane_state.h"

namespace {

__attribute__((constructor)) void AttachRowpaneLibrary() { rowpane::detail::RegisterRowpaneClass(); }

__attribute__((destructor)) void DetachRowpaneLibrary() { rowpane::detail::UnregisterRowpaneClass(); }

}  // namespace

// The library's exit procedure.
extern "C" __attribute__((visibility("default"))) int WEP(int /*exitType*/) { return 1; }
