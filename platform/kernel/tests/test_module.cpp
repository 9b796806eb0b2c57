#include "platform/kernel/version_block.h"

extern "C" __attribute__((visibility("default"))) int TestModuleAnswer() { return 42; }

extern "C" __attribute__((visibility("default"))) const platform::VersionBlock* ModuleVersionBlock() {
  static constexpr platform::VersionBlock kBlock{"040904b0", "Test Module", "2,5,1,9", "2,5,1,9"};
  return &kBlock;
}
