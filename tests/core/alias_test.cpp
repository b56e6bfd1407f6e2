#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Folders nested below a temporary folder, made and removed through the long form
// where the platform needs it.
class NestedFolders {
 public:
  explicit NestedFolders(const std::string& base) : base_(base) {}
  ~NestedFolders() {
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level) Remove(*level);
  }
  NestedFolders(const NestedFolders&) = delete;
  NestedFolders& operator=(const NestedFolders&) = delete;

  // Adds folders of `name_length` characters until the path is `length` long or
  // the file system refuses one; returns the deepest path made.
  std::string GrowTo(std::size_t length, std::size_t name_length) {
    std::string path = levels_.empty() ? base_ : levels_.back();
    while (path.size() < length) {
      const std::string next = path + TempDir::Separator() + std::string(name_length, 'n');
      if (!Make(next)) break;
      levels_.push_back(next);
      path = next;
    }
    return path;
  }
  const std::vector<std::string>& levels() const { return levels_; }

 private:
#ifdef _WIN32
  static bool Make(const std::string& path) { return CreateDirectoryW(LongPathForm(path).c_str(), nullptr); }
  static void Remove(const std::string& path) { RemoveDirectoryW(LongPathForm(path).c_str()); }
#else
  static bool Make(const std::string& path) { return mkdir(path.c_str(), 0700) == 0; }
  static void Remove(const std::string& path) { rmdir(path.c_str()); }
#endif
  std::string base_;
  std::vector<std::string> levels_;
};

TEST(ExistingDirectory, FoldersBeyondMaxPathCountAsFolders) {
  TempDir dir;
  NestedFolders folders(dir.path());
  const std::string deep = folders.GrowTo(320, 50);
  ASSERT_GE(deep.size(), 320u) << "the file system refused a folder of " << deep.size() + 51 << " characters";
  for (const std::string& level : folders.levels()) EXPECT_TRUE(IsExistingDirectory(level)) << level.size();
  EXPECT_FALSE(IsExistingDirectory(deep + TempDir::Separator() + "missing"));
  const std::string file = deep + TempDir::Separator() + "file.txt";
#ifdef _WIN32
  HANDLE handle = CreateFileW(LongPathForm(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  CloseHandle(handle);
  EXPECT_FALSE(IsExistingDirectory(file));
  DeleteFileW(LongPathForm(file).c_str());
#endif
}

// As deep as the file system allows, up to 10,000 characters: every folder made is
// one, and the first length refused is not. Prints the deepest path made.
TEST(ExistingDirectory, TenThousandCharacterPathsAsFarAsTheFileSystemGoes) {
  TempDir dir;
  NestedFolders folders(dir.path());
  const std::string deep = folders.GrowTo(10000, 100);
  std::cout << "deepest folder made: " << deep.size() << " characters\n";
  ASSERT_GE(deep.size(), 1000u);
  for (const std::string& level : folders.levels()) EXPECT_TRUE(IsExistingDirectory(level)) << level.size();
  std::string beyond = deep;
  while (beyond.size() < 10000) beyond += TempDir::Separator() + std::string(100, 'x');
  EXPECT_FALSE(IsExistingDirectory(beyond));
}

#ifdef _WIN32
TEST(LongPathForm, DrivePathsUncPathsAndPathsAlreadyInLongForm) {
  const std::pair<const char*, const wchar_t*> cases[] = {
      {"C:\\a\\b", L"\\\\?\\C:\\a\\b"},
      {"C:/a/b/../c", L"\\\\?\\C:\\a\\c"},
      {"C:\\a\\.\\b", L"\\\\?\\C:\\a\\b"},
      {"\\\\server\\share\\x", L"\\\\?\\UNC\\server\\share\\x"},
      {"\\\\?\\C:\\kept\\..\\as is", L"\\\\?\\C:\\kept\\..\\as is"},
      {"\\\\.\\C:\\device", L"\\\\.\\C:\\device"},
      {"", L""},
  };
  for (const auto& [path, form] : cases) EXPECT_EQ(LongPathForm(path), form) << path;
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  std::wstring expected = std::wstring(L"\\\\?\\") + current;
  if (expected.back() != L'\\') expected += L'\\';
  EXPECT_EQ(LongPathForm("relative"), expected + L"relative");
}

TEST(ExistingDirectory, LongUncPathsAreAskedForInTheirUncForm) {
  // No share to reach here: a long UNC path is no folder.
  EXPECT_FALSE(IsExistingDirectory("\\\\nosuchserver\\share\\" + std::string(300, 'u')));
}
#endif

}  // namespace
}  // namespace vantor::testing
