// Long paths and odd data objects through the registered module and the shell host:
// a folder of more than MAX_PATH characters is a folder for the menu, for "Add to
// Vantor" and for the jump; a 10,000-character name and data objects that carry no
// usable file list are refused or shown as what they are.
#include <windows.h>

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host_store.h"
#include "path_rules.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

using ::testing::Contains;
using ::testing::Not;

// Nested folders below a temporary folder up to `length` characters; removed again.
class DeepFolder {
 public:
  DeepFolder(const std::string& base, std::size_t length) : path_(base) {
    while (path_.size() < length) {
      path_ += "\\" + std::string(60, 'd');
      if (!CreateDirectoryW(LongPathForm(path_).c_str(), nullptr)) {
        path_.erase(path_.rfind('\\'));
        break;
      }
      levels_.push_back(path_);
    }
  }
  ~DeepFolder() {
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level) RemoveDirectoryW(LongPathForm(*level).c_str());
  }
  DeepFolder(const DeepFolder&) = delete;
  DeepFolder& operator=(const DeepFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> levels_;
};

std::string Alias(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

TEST(LongPaths, AddToVantorOnAFolderOfMoreThanMaxPathCharacters) {
  TempDir dir;
  DeepFolder folder(dir.path(), 320);
  ASSERT_GE(folder.path().size(), 300u);
  HostStore store;
  store.SetString("N0", "start");
  store.SetString("P0", dir.path());
  HostRun run = RunHostWith(store, {"--first", "1", "--drop-list", "--select", folder.path(), "--invoke", "2"});
  ASSERT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("item 3 Add to Vantor +bitmap")) << ::testing::PrintToString(run);
  EXPECT_EQ(run.Starting("message "),
            std::vector<std::string>{"message \"" + folder.path() + "\" successfully added to your folders list."});
  const StoreSnapshot after = store.Snapshot();
  EXPECT_EQ(after.at("P1"), (StoredValue{REG_SZ, folder.path() + '\0'}));
  EXPECT_EQ(after.at("N1"), (StoredValue{REG_SZ, Alias(folder.path()) + '\0'}));
}

// The folder is one (no "does not exist." message); whether the dialog can show it
// is the shell's matter: Wine's does not parse such a path, and the dialog stays.
TEST(LongPaths, JumpToAFolderOfMoreThanMaxPathCharactersEndsWithoutAMessage) {
  TempDir dir;
  DeepFolder folder(dir.path(), 320);
  ASSERT_GE(folder.path().size(), 300u);
  HostStore store;
  store.SetString("N0", "deep");
  store.SetString("P0", folder.path());
  HostRun run = RunHostWith(store, {"--open-dialog", "--invoke", "1"}, dir.path());
  ASSERT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("invoke 0x00000000")) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Starting("message ").empty()) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("folder " + folder.path()) || run.Has("folder " + dir.path())) << ::testing::PrintToString(run);
  std::printf("dialog afterwards: %s\n", run.Has("folder " + folder.path()) ? "in the folder" : "where it was");
}

// On the desktop a favourite opens in a new shell window, which the shell cannot do
// for a path of MAX_PATH characters or more: nothing opens, no message, no crash.
TEST(LongPaths, DesktopFavouriteOfMoreThanMaxPathCharactersOpensNothing) {
  TempDir dir;
  DeepFolder deep(dir.path(), 320);
  DeepFolder deepest(dir.path() + "\\" + std::string(60, 'd'), 10000);
  ASSERT_GE(deep.path().size(), 300u);
  HostStore store;
  store.SetString("N0", "deep");
  store.SetString("P0", deep.path());
  store.SetString("N1", "deepest");
  store.SetString("P1", deepest.path());
  HostRun run = RunHostWith(store, {"--window-class", "Progman", "--invoke", "1", "--invoke", "2"});
  ASSERT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_EQ(run.Starting("invoke "), (std::vector<std::string>{"invoke 0x00000000", "invoke 0x00000000"}));
  EXPECT_TRUE(run.Starting("message ").empty()) << ::testing::PrintToString(run);
}

TEST(LongPaths, DeepestFolderWineAllowsIsOneFolderAndTenThousandCharactersAreNone) {
  TempDir dir;
  DeepFolder folder(dir.path(), 10000);
  std::printf("deepest folder made: %zu characters\n", folder.path().size());
  ASSERT_GE(folder.path().size(), 1000u);
  HostStore store;
  HostRun deepest = RunHostWith(store, {"--first", "1", "--drop-list", "--select", folder.path()});
  EXPECT_TRUE(deepest.Has("item 3 Add to Vantor +bitmap")) << ::testing::PrintToString(deepest);
  std::string beyond = folder.path();
  while (beyond.size() < 10000) beyond += "\\" + std::string(99, 'x');
  HostRun none = RunHostWith(store, {"--first", "1", "--drop-list", "--select", beyond});
  EXPECT_TRUE(none.Has("initialize 0x00000000")) << ::testing::PrintToString(none);
  EXPECT_TRUE(none.Has("item   2 Settings...")) << ::testing::PrintToString(none);  // other-selection layout
  EXPECT_THAT(none.lines, Not(Contains("item 3 Add to Vantor +bitmap")));
}

struct OddDataCase {
  const char* kind;
  const char* initialize;  // Initialize's result
  bool one_folder;         // the names reach the handler: one folder's layout
};
void PrintTo(const OddDataCase& c, std::ostream* out) { *out << c.kind; }

class OddDataTest : public ::testing::TestWithParam<OddDataCase> {};

TEST_P(OddDataTest, RefusedWithTheirResultAndTheMenuStillBuilt) {
  TempDir dir;
  HostStore store;
  store.SetString("N0", "Fav0");
  store.SetString("P0", dir.path());
  HostRun run = RunHostWith(store, {"--first", "1", "--odd-data", GetParam().kind, "--select", dir.path()});
  ASSERT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has(std::string("initialize ") + GetParam().initialize)) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("query 0x00000064")) << ::testing::PrintToString(run);
  // Refused: the selection stays empty, as for a background ("Settings..." at offset 0).
  EXPECT_EQ(run.Has("item 3 Add to Vantor +bitmap"), GetParam().one_folder) << ::testing::PrintToString(run);
  EXPECT_EQ(run.Has("item   1 Settings..."), !GetParam().one_folder) << ::testing::PrintToString(run);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OddDataTest,
                         ::testing::Values(OddDataCase{"empty", "0x80070057", false},
                                           OddDataCase{"no-hdrop", "0x80040064", false},
                                           OddDataCase{"stream", "0x80070057", false},
                                           OddDataCase{"null-memory", "0x80070057", false},
                                           OddDataCase{"wide", "0x00000000", true}),
                         [](const auto& info) {
                           std::string name = info.param.kind;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

}  // namespace
}  // namespace vantor::testing
