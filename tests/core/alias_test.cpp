#include <gtest/gtest.h>

#include "path_rules.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

TEST(AliasFromPath, TextAfterTheLastBackslashOrTheWholePath) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Projects\\Vantor", "Vantor"}, {"C:\\", "C:\\"},          {"D:\\Music\\", "D:\\Music\\"},
      {"\\\\server\\share", "share"},     {"relative", "relative"}, {"C:\\a b\\c.d", "c.d"},
  };
  for (const auto& [path, alias] : cases) EXPECT_EQ(AliasFromPath(path), alias) << path;
}

TEST(ExistingDirectory, OnlyFoldersCount) {
  TempDir dir;
  WriteTextFile(dir.File("file.txt"), "x");
  EXPECT_TRUE(IsExistingDirectory(dir.path()));
  EXPECT_FALSE(IsExistingDirectory(dir.File("file.txt")));
  EXPECT_FALSE(IsExistingDirectory(dir.File("missing")));
  EXPECT_FALSE(IsExistingDirectory(""));
}

}  // namespace
}  // namespace vantor::testing
