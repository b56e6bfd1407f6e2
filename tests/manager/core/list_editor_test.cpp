#include "list_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "errors.h"
#include "test_registry.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAreArray;

const FolderList kFive = {{"a", "C:\\a"}, {"b", "C:\\b"}, {"c", "C:\\c"}, {"d", "C:\\d"}, {"e", "C:\\e"}};

class ListEditorTest : public ::testing::TestWithParam<RegistryKind> {
 protected:
  std::unique_ptr<TestRegistry> reg_ = GetParam().make();
  FolderStore store_{reg_->registry(), reg_->key_path()};
  ListEditor editor_{store_};

  void Start(const FolderList& list, std::vector<std::pair<std::string, std::string>> extra = {}) {
    reg_->CreateKey();
    for (std::size_t i = 0; i < list.size(); ++i) {
      reg_->SetString(AliasValueName(i), list[i].alias);
      reg_->SetString(PathValueName(i), list[i].path);
    }
    for (auto& [name, text] : extra) reg_->SetString(name, text);
    editor_.AppendFromStore();
  }
  std::vector<std::string> Expected(const FolderList& list, std::vector<std::string> extra = {}) {
    return ExpectedStringValues(list, std::move(extra));
  }
  std::vector<std::string> Stored() { return reg_->StringValues(); }
};

TEST_P(ListEditorTest, StartsWithNoEntryChosenAndTheEnableRulesFollow) {
  Start(kFive);
  EXPECT_EQ(editor_.current_index(), -200);
  EXPECT_TRUE(editor_.sort_ascending());
  struct Case {
    int choose;
    bool edit, up, down;
  };
  // -1 chooses nothing: the start state.
  const Case cases[] = {{-1, false, false, false}, {0, true, false, true}, {2, true, true, true}, {4, true, true, false}};
  for (const Case& c : cases) {
    ListEditor editor(store_);
    editor.AppendFromStore();
    editor.Choose(c.choose);
    EXPECT_EQ(editor.EditEnabled(), c.edit) << c.choose;
    EXPECT_EQ(editor.UpEnabled(true), c.up) << c.choose;
    EXPECT_EQ(editor.DownEnabled(true), c.down) << c.choose;
    EXPECT_FALSE(editor.UpEnabled(false));
    EXPECT_FALSE(editor.DownEnabled(false));
    EXPECT_TRUE(editor.SortEnabled(true));
    EXPECT_FALSE(editor.SortEnabled(false));
  }
}

TEST_P(ListEditorTest, ChoosingOutsideTheRowsChangesNothing) {
  Start(kFive);
  editor_.Choose(5);
  EXPECT_EQ(editor_.current_index(), -200);
  editor_.Choose(3);
  editor_.Choose(-1);
  EXPECT_EQ(editor_.current_index(), 3);
}

TEST_P(ListEditorTest, AddToAnEmptyListWritesN0AndP0) {
  Start({});
  editor_.Add({"x", "C:\\x"});
  EXPECT_THAT(Stored(), ElementsAreArray(Expected({{"x", "C:\\x"}})));
  editor_.Add({"x", "C:\\x"});
  EXPECT_EQ(editor_.rows(), (FolderList{{"x", "C:\\x"}, {"x", "C:\\x"}}));
  EXPECT_EQ(editor_.current_index(), -200);
}

TEST_P(ListEditorTest, EditOfEntry3RewritesOnlyN3AndP3) {
  Start(kFive, {{"Setting", "C:\\V.exe"}});
  reg_->SetString("N1", "changed elsewhere, kept");  // proves nothing else is rewritten
  editor_.Choose(3);
  ASSERT_TRUE(editor_.Edit({"D", "C:\\D"}));
  FolderList expected = kFive;
  expected[1].alias = "changed elsewhere, kept";
  expected[3] = {"D", "C:\\D"};
  EXPECT_THAT(Stored(), ElementsAreArray(Expected(expected, {"SETTING=C:\\V.exe"})));
  EXPECT_EQ(editor_.current_index(), 3);
}

TEST_P(ListEditorTest, DeleteCasesLeaveTheStoreEqualToTheRows) {
  struct Case {
    const char* name;
    FolderList start;
    int current;
    FolderList rows;
    int new_current;
  };
  const std::vector<Case> cases = {
      {"entry 1 of five", kFive, 1, {kFive[0], kFive[2], kFive[3], kFive[4]}, 1},
      {"last of five", kFive, 4, {kFive[0], kFive[1], kFive[2], kFive[3]}, 0},
      {"the only entry", {kFive[0]}, 0, {}, 0},
  };
  for (const Case& c : cases) {
    auto reg = GetParam().make();
    FolderStore store(reg->registry(), reg->key_path());
    reg->CreateKey();
    store.RewriteEntries(0, static_cast<std::ptrdiff_t>(c.start.size()) - 1, c.start);
    ListEditor editor(store);
    editor.AppendFromStore();
    editor.Choose(c.current);
    ASSERT_TRUE(editor.Delete()) << c.name;
    EXPECT_EQ(editor.rows(), c.rows) << c.name;
    EXPECT_EQ(editor.current_index(), c.new_current) << c.name;
    EXPECT_THAT(reg->StringValues(), ElementsAreArray(Expected(c.rows))) << c.name;
  }
}

TEST_P(ListEditorTest, CommandsOnACurrentIndexThatNamesNoRowDoNothing) {
  Start({kFive[0]});
  editor_.Choose(0);
  ASSERT_TRUE(editor_.Delete());
  EXPECT_EQ(editor_.current_index(), 0);
  EXPECT_FALSE(editor_.CurrentNamesRow());
  EXPECT_TRUE(editor_.EditEnabled());
  EXPECT_FALSE(editor_.Edit({"x", "C:\\x"}));
  EXPECT_FALSE(editor_.Delete());
  EXPECT_FALSE(editor_.MoveUp());
  EXPECT_TRUE(Stored().empty());
}

TEST_P(ListEditorTest, UpOnEntry3RewritesEntries2And3AndFollowsTheEntry) {
  Start(kFive);
  reg_->SetString("N0", "untouched");
  editor_.Choose(3);
  ASSERT_TRUE(editor_.MoveUp());
  EXPECT_EQ(editor_.current_index(), 2);
  FolderList expected = {{"untouched", "C:\\a"}, kFive[1], kFive[3], kFive[2], kFive[4]};
  EXPECT_EQ(editor_.rows(), expected);
  EXPECT_THAT(Stored(), ElementsAreArray(Expected(expected)));
  ASSERT_TRUE(editor_.MoveDown());
  EXPECT_EQ(editor_.current_index(), 3);
  EXPECT_EQ(editor_.rows()[3], kFive[3]);
}

TEST_P(ListEditorTest, SortRewritesEveryEntryAndTogglesTheDirection) {
  Start({{"a", "1"}, {"C", "2"}, {"b", "3"}});
  editor_.Choose(1);
  editor_.Sort();
  FolderList ascending = {{"a", "1"}, {"b", "3"}, {"C", "2"}};
  EXPECT_EQ(editor_.rows(), ascending);
  EXPECT_FALSE(editor_.sort_ascending());
  EXPECT_EQ(editor_.current_index(), 1);
  EXPECT_THAT(Stored(), ElementsAreArray(Expected(ascending)));
  editor_.Sort();
  FolderList descending = {{"C", "2"}, {"b", "3"}, {"a", "1"}};
  EXPECT_EQ(editor_.rows(), descending);
  EXPECT_TRUE(editor_.sort_ascending());
  EXPECT_THAT(Stored(), ElementsAreArray(Expected(descending)));
}

TEST_P(ListEditorTest, AnEntryAnotherProcessAppendedSurvivesTheNextAdd) {
  Start({kFive[0], kFive[1]});
  // "Add to Vantor" from the context menu, while the manager runs.
  reg_->SetString("N2", "appended");
  reg_->SetString("P2", "C:\\appended");
  editor_.Add({"mine", "C:\\mine"});
  FolderList expected = {kFive[0], kFive[1], {"appended", "C:\\appended"}, {"mine", "C:\\mine"}};
  EXPECT_EQ(editor_.rows(), expected);
  EXPECT_THAT(Stored(), ElementsAreArray(Expected(expected)));
}

TEST_P(ListEditorTest, AValueOfAWrongTypeStopsTheReadButNotTheCommands) {
  reg_->CreateKey();
  reg_->SetString("N0", "a");
  reg_->SetString("P0", "C:\\a");
  reg_->SetRaw("N1", RegistryValue{regtype::kDword, std::string(4, '\1')});
  EXPECT_THROW(editor_.AppendFromStore(), UserError);
  EXPECT_EQ(editor_.rows(), (FolderList{{"a", "C:\\a"}}));
  editor_.Add({"b", "C:\\b"});  // writes over the bad value, as an Add by index does
  EXPECT_EQ(store_.ReadFolderList(), (FolderList{{"a", "C:\\a"}, {"b", "C:\\b"}}));
}

TEST_P(ListEditorTest, RefreshKeepsTheCurrentIndex) {
  Start(kFive);
  editor_.Choose(4);
  store_.DeleteEntryValues(2);
  editor_.Refresh();
  EXPECT_EQ(editor_.rows().size(), 2u);
  EXPECT_EQ(editor_.current_index(), 4);
}

INSTANTIATE_TEST_SUITE_P(Registries, ListEditorTest, ::testing::ValuesIn(RegistryKinds()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vantor::testing
