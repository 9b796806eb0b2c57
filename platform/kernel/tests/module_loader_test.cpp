#include "platform/kernel/module_loader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

TEST(ModuleLoader, DllAndExeNamesStandForTheFilesOfThisSystem) {
  EXPECT_EQ(ModuleFileName("/d/VORN32.DLL"), "/d/VORN32.so");
  EXPECT_EQ(ModuleFileName("/d/Lanebook32.dll"), "/d/Lanebook32.so");
  EXPECT_EQ(ModuleFileName("/d/Waybill32.EXE"), "/d/Waybill32");
  EXPECT_EQ(ModuleFileName("/d/plain.so"), "/d/plain.so");
  // A library named without an extension takes the default one.
  EXPECT_EQ(LibraryFileName("/d/LANEBOOK32"), "/d/LANEBOOK32.so");
  EXPECT_EQ(LibraryFileName("/d.x/LANEBOOK32"), "/d.x/LANEBOOK32.so");
  EXPECT_EQ(LibraryFileName("/d/LANEBOOK32.DLL"), "/d/LANEBOOK32.so");
  EXPECT_EQ(LibraryFileName("/d/lanebook.bin"), "/d/lanebook.bin");
  EXPECT_EQ(LibraryFileName("/d/"), "/d/");
}

TEST(ModuleLoader, LoadsByNameWithoutRegardToCaseAndBindsByName) {
  Module module = Module::Load(std::string(TEST_MODULE_DIR) + "/TESTMODULE.DLL");
  ASSERT_TRUE(module.isLoaded()) << Module::lastError();
  EXPECT_TRUE(Module::Load(std::string(TEST_MODULE_DIR) + "/TestModule").isLoaded());
  auto answer = module.function<int (*)()>("TestModuleAnswer");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(module.symbol("NoSuchFunction"), nullptr);
  EXPECT_EQ(ModulePathOf(reinterpret_cast<const void*>(answer)),
            std::filesystem::canonical(std::string(TEST_MODULE_DIR) + "/TestModule.so").string());
  // Given up, the library stays loaded: its functions still answer.
  void* kept = module.keepLoaded();
  EXPECT_FALSE(module.isLoaded());
  module.release();
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(SymbolOfModule(kept, "TestModuleAnswer"), reinterpret_cast<void*>(answer));
}

TEST(ModuleLoader, MissingOrInvalidLibrariesAreReportedNotLoaded) {
  platform::testing::TempDirectory dir;
  EXPECT_FALSE(Module::Load(dir.withSeparator() + "NONE.DLL").isLoaded());
  EXPECT_NE(Module::lastError().find("NONE.so"), std::string::npos);
  dir.write("Broken.so", "not a library");
  EXPECT_FALSE(Module::Load(dir.withSeparator() + "broken.dll").isLoaded());
}

}  // namespace
}  // namespace platform
