#include "folder_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "errors.h"
#include "memory_registry.h"
#include "test_registry.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FolderStoreTest : public ::testing::TestWithParam<RegistryKind> {
 protected:
  std::unique_ptr<TestRegistry> reg_ = GetParam().make();
  FolderStore store_{reg_->registry(), reg_->key_path()};

  void SetEntries(const FolderList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      reg_->SetString(AliasValueName(i), list[i].alias);
      reg_->SetString(PathValueName(i), list[i].path);
    }
  }
  // The exact string values of the key, N/P pairs for `list` and nothing else but "extra".
  std::vector<std::string> Expected(const FolderList& list, std::vector<std::string> extra = {}) {
    return ExpectedStringValues(list, std::move(extra));
  }
};

const FolderList kFive = {{"a", "C:\\a"}, {"b", "C:\\b"}, {"c", "C:\\c"}, {"d", "C:\\d"}, {"e", "C:\\e"}};

TEST_P(FolderStoreTest, ReadingCreatesTheKeyAndGivesAnEmptyList) {
  EXPECT_THAT(store_.ReadFolderList(), IsEmpty());
  EXPECT_TRUE(reg_->KeyExists());
}

TEST_P(FolderStoreTest, ListEndsAtTheFirstMissingOrEmptyAliasOrPath) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> values;
    std::size_t expected_count;
  };
  const std::vector<Case> cases = {
      {"complete", {{"N0", "a"}, {"P0", "A"}, {"N1", "b"}, {"P1", "B"}}, 2},
      {"P3 empty, N4/P4 set", {{"N0", "a"}, {"P0", "A"}, {"N1", "b"}, {"P1", "B"}, {"N2", "c"}, {"P2", "C"},
                               {"N3", "d"}, {"P3", ""}, {"N4", "e"}, {"P4", "E"}}, 3},
      {"P1 missing", {{"N0", "a"}, {"P0", "A"}, {"N1", "b"}, {"N2", "c"}, {"P2", "C"}}, 1},
      {"N0 empty", {{"N0", ""}, {"P0", "A"}, {"N1", "b"}, {"P1", "B"}}, 0},
      {"starts at 1", {{"N1", "b"}, {"P1", "B"}}, 0},
  };
  for (const Case& c : cases) {
    auto reg = GetParam().make();
    for (const auto& [name, text] : c.values) reg->SetString(name, text);
    EXPECT_EQ(FolderStore(reg->registry(), reg->key_path()).ReadFolderList().size(), c.expected_count) << c.name;
  }
}

TEST_P(FolderStoreTest, TheEleventhEntryIsN10AfterN9) {
  FolderList twelve;
  for (int i = 0; i < 12; ++i) twelve.push_back({"alias" + std::to_string(i), "C:\\p" + std::to_string(i)});
  SetEntries(twelve);
  EXPECT_EQ(store_.ReadFolderList(), twelve);
}

TEST_P(FolderStoreTest, StringsReadUnexpandedUpToTheFirstNul) {
  reg_->SetRaw("N0", {regtype::kExpandString, std::string("Temp\0", 5)});
  reg_->SetRaw("P0", {regtype::kExpandString, std::string("%TEMP%\0", 7)});
  reg_->SetRaw("N1", {regtype::kString, std::string("left\0right\0", 11)});
  reg_->SetRaw("P1", {regtype::kString, std::string("C:\\x\0C:\\y\0", 10)});
  EXPECT_THAT(store_.ReadFolderList(), ElementsAre(FolderEntry{"Temp", "%TEMP%"}, FolderEntry{"left", "C:\\x"}));
}

TEST_P(FolderStoreTest, ValueOfAnotherTypeStopsTheReadAndKeepsWhatCameBefore) {
  for (std::uint32_t type : {regtype::kDword, regtype::kBinary, regtype::kMultiString}) {
    auto reg = GetParam().make();
    reg->SetString("N0", "a");
    reg->SetString("P0", "A");
    reg->SetString("N1", "b");
    reg->SetRaw("P1", {type, std::string("\x01\0\0\0", 4)});
    reg->SetString("N2", "c");
    reg->SetString("P2", "C");
    FolderList list;
    try {
      FolderStore(reg->registry(), reg->key_path()).ReadFolderList(list);
      ADD_FAILURE() << "no error for type " << type;
    } catch (const UserError& error) {
      EXPECT_STREQ(error.what(), "Invalid data type for 'P1'");
    }
    EXPECT_THAT(list, ElementsAre(FolderEntry{"a", "A"})) << type;
  }
}

TEST_P(FolderStoreTest, EmptyValueOfAnotherTypeReadsAsEmpty) {
  reg_->SetString("N0", "a");
  reg_->SetString("P0", "A");
  reg_->SetRaw("N1", {regtype::kBinary, ""});
  reg_->SetString("P1", "B");
  EXPECT_THAT(store_.ReadFolderList(), ElementsAre(FolderEntry{"a", "A"}));
}

TEST_P(FolderStoreTest, DefaultListOnlyWhenTheKeyIsMissing) {
  int asked = 0;
  auto windows = [&asked] { ++asked; return std::string("C:\\windows"); };
  EXPECT_TRUE(store_.EnsureDefaultList(windows));
  EXPECT_EQ(reg_->StringValues(), Expected({{"Windows Directory", "C:\\windows"}, {"C:\\", "C:\\"}}));
  EXPECT_FALSE(store_.EnsureDefaultList(windows));
  EXPECT_EQ(asked, 1);

  auto empty = GetParam().make();
  empty->CreateKey();
  EXPECT_FALSE(FolderStore(empty->registry(), empty->key_path()).EnsureDefaultList(windows));
  EXPECT_THAT(empty->Values(), IsEmpty());
}

TEST_P(FolderStoreTest, LongWindowsDirectoryReachesP0Whole) {
  const std::string longest = "C:\\" + std::string(250, 'w');
  store_.EnsureDefaultList([&] { return longest; });
  EXPECT_EQ(store_.ReadFolderList().at(0).path, longest);
}

TEST_P(FolderStoreTest, ManagerPathRecordedWhenEmptyOrDifferentInAnyCharacter) {
  store_.RecordManagerPath("C:\\Tools\\Vantor.exe");
  EXPECT_EQ(store_.ReadValue("Setting"), "C:\\Tools\\Vantor.exe");
  reg_->SetString("Setting", "c:\\tools\\vantor.exe");
  store_.RecordManagerPath("C:\\Tools\\Vantor.exe");
  EXPECT_EQ(store_.ReadValue("Setting"), "C:\\Tools\\Vantor.exe");
  reg_->SetRaw("Setting", {regtype::kDword, std::string("\x01\0\0\0", 4)});
  store_.RecordManagerPath("C:\\Tools\\Vantor.exe");
  EXPECT_EQ(store_.ReadValue("Setting"), "C:\\Tools\\Vantor.exe");
}

TEST_P(FolderStoreTest, RewriteEntriesWritesOnlyTheRange) {
  struct Case {
    std::ptrdiff_t first, last;
    std::vector<std::size_t> written;
  };
  const std::vector<Case> cases = {
      {1, 2, {1, 2}}, {0, 4, {0, 1, 2, 3, 4}}, {4, 4, {4}}, {3, 2, {}}, {2, 5, {}}, {5, 6, {}}, {-1, 1, {}}};
  for (const Case& c : cases) {
    auto reg = GetParam().make();
    FolderStore(reg->registry(), reg->key_path()).RewriteEntries(c.first, c.last, kFive);
    std::vector<std::string> expected;
    for (std::size_t i : c.written) {
      expected.push_back(AliasValueName(i) + "=" + kFive[i].alias);
      expected.push_back(PathValueName(i) + "=" + kFive[i].path);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(reg->StringValues(), expected) << c.first << ".." << c.last;
    EXPECT_EQ(reg->KeyExists(), c.first < 5) << "the key is opened only when first < count";
  }
}

TEST_P(FolderStoreTest, DeleteEntryValuesNeverCreatesTheKey) {
  store_.DeleteEntryValues(0);
  EXPECT_FALSE(reg_->KeyExists());
  SetEntries(kFive);
  store_.DeleteEntryValues(4);
  store_.DeleteEntryValues(7);
  EXPECT_EQ(reg_->StringValues(), Expected({kFive.begin(), kFive.begin() + 4}));
}

// The manager's commands as store operations: the store follows the list exactly.
TEST_P(FolderStoreTest, CommandsKeepTheStoreEqualToTheList) {
  SetEntries(kFive);
  FolderList list = kFive;
  // Delete entry 1 of five: delete at the old last index, rewrite from 1.
  list.erase(list.begin() + 1);
  store_.DeleteEntryValues(list.size());
  store_.RewriteEntries(1, static_cast<std::ptrdiff_t>(list.size()) - 1, list);
  EXPECT_EQ(reg_->StringValues(), Expected(list));
  // Up on entry 2.
  std::swap(list[1], list[2]);
  store_.RewriteEntries(1, 2, list);
  EXPECT_EQ(reg_->StringValues(), Expected(list));
  // Add.
  list.push_back({"f", "C:\\f"});
  store_.WriteStoreValue(AliasValueName(list.size() - 1), "f");
  store_.WriteStoreValue(PathValueName(list.size() - 1), "C:\\f");
  EXPECT_EQ(reg_->StringValues(), Expected(list));
  EXPECT_EQ(store_.ReadFolderList(), list);
}

INSTANTIATE_TEST_SUITE_P(Registries, FolderStoreTest, ::testing::ValuesIn(RegistryKinds()),
                         [](const auto& info) { return info.param.name; });

// Faults the real registry cannot be made to show on demand.
TEST(FolderStoreFaults, RefusedWriteNamesTheValue) {
  MemoryRegistry registry;
  registry.RefuseWrite("P2");
  FolderStore store(registry, "Software\\Vantor");
  EXPECT_THROW(
      {
        try {
          store.RewriteEntries(0, 4, kFive);
        } catch (const UserError& error) {
          EXPECT_STREQ(error.what(), "Failed to set data for 'P2'");
          throw;
        }
      },
      UserError);
  EXPECT_EQ(store.ReadFolderList().size(), 2u);
}

TEST(FolderStoreFaults, KeyThatCannotBeOpenedReadsEmptyAndWritesNothing) {
  MemoryRegistry registry;
  registry.RefuseOpen("Software\\Vantor");
  FolderStore store(registry, "Software\\Vantor");
  EXPECT_THAT(store.ReadFolderList(), IsEmpty());
  EXPECT_NO_THROW(store.WriteStoreValue("N0", "x"));
  EXPECT_NO_THROW(store.RewriteEntries(0, 4, kFive));
  EXPECT_NO_THROW(store.RecordManagerPath("C:\\Vantor.exe"));
  EXPECT_EQ(store.ReadValue("Setting"), "");
  EXPECT_FALSE(registry.KeyExists("Software\\Vantor"));
}

TEST(FolderStoreFaults, SameManagerPathIsNotWrittenAgain) {
  MemoryRegistry registry;
  FolderStore store(registry, "Software\\Vantor");
  store.RecordManagerPath("C:\\Vantor.exe");
  registry.RefuseWrite("Setting");  // a write would now throw
  EXPECT_NO_THROW(store.RecordManagerPath("C:\\Vantor.exe"));
  EXPECT_THROW(store.RecordManagerPath("C:\\VANTOR.exe"), UserError);
}

}  // namespace
}  // namespace vantor::testing
