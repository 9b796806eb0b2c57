#include "platform/kernel/version_block.h"

#include <gtest/gtest.h>

#include "platform/kernel/module_loader.h"

namespace platform {
namespace {

constexpr VersionBlock kBlock{"040904b0", "Vorn Dll", "4,18,0,104", "4, 18, 2, 7"};

TEST(VersionBlock, QueriesAnswerTheBlocksStringsAndFixedVersions) {
  FileVersionInfo name(&kBlock, "040904b0", "ProductName");
  EXPECT_EQ(name.value(), "Vorn Dll");
  EXPECT_EQ(name.productVersion(), "4,18,0,104");
  EXPECT_EQ(name.fileVersion(), "4,18,2,7");

  FileVersionInfo otherLanguage(&kBlock, "040c04b0", "ProductName");
  EXPECT_EQ(otherLanguage.value(), "");
  EXPECT_EQ(otherLanguage.productVersion(), "4,18,0,104");

  FileVersionInfo none(nullptr, "040904b0", "ProductName");
  EXPECT_EQ(none.value(), "");
  EXPECT_EQ(none.fileVersion(), "");
}

TEST(VersionBlock, VersionNumbersNeedAllFourParts) {
  std::optional<VersionNumbers> v = ParseVersionNumbers("4,18,0,104");
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->major, 4);
  EXPECT_EQ(v->minor, 18);
  EXPECT_EQ(v->release, 0);
  EXPECT_EQ(v->build, 104);
  EXPECT_FALSE(ParseVersionNumbers("4,18,0").has_value());
  EXPECT_FALSE(ParseVersionNumbers("").has_value());
}

TEST(VersionBlock, ALibraryOffersItsBlockThroughItsExport) {
  Module module = Module::Load(std::string(TEST_MODULE_DIR) + "/TestModule.so");
  ASSERT_TRUE(module.isLoaded());
  const VersionBlock* block = ModuleVersionBlock(module.nativeHandle());
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->productName, "Test Module");
  EXPECT_EQ(ModuleVersionBlock(nullptr), nullptr);
}

}  // namespace
}  // namespace platform
