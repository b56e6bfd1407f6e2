// The main window's commands on real windows: rows, current entry and the exact
// store values afterwards; dialogs and questions answered by the test.
#include "main_form_fixture.h"

#include "add_item.h"
#include "options.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

TfrmProperty& Dialog(HWND window) { return dynamic_cast<TfrmProperty&>(*ui::Window::FromHandle(window)); }

// Answers the item dialog with an entry (OK) or cancels it (empty alias and path).
std::function<void(HWND)> AnswerItemDialog(const FolderEntry& entry, FolderEntry* shown = nullptr) {
  return [entry, shown](HWND window) {
    TfrmProperty& dialog = Dialog(window);
    if (shown) *shown = {dialog.feName.Text(), dialog.fePath.Text()};
    if (entry.alias.empty() && entry.path.empty()) {
      PostClick(dialog.fbCancel.handle());
      return;
    }
    dialog.feName.SetText(entry.alias);
    dialog.fePath.SetText(entry.path);
    PostClick(dialog.fbOk.handle());
  };
}

std::string Windows() { return WindowsDirectory(); }

TEST_F(MainFormTest, AddToAnEmptyListWritesN0AndP0AndKeepsTheCurrentIndex) {
  SetList({});
  auto form = Open();
  for (int i = 0; i < 2; ++i) {
    WindowWatcher answer("Add Item", AnswerItemDialog({"Win", Windows()}));
    ClickButton(*form, "tbAdd");
    ASSERT_TRUE(answer.fired());
  }
  const FolderList expected = {{"Win", Windows()}, {"Win", Windows()}};
  EXPECT_EQ(Shown(*form), expected);
  EXPECT_THAT(StoredWithoutSetting(), ElementsAreArray(Expected(expected)));
  EXPECT_EQ(form->CurrentIndex(), -200);
  WindowWatcher cancel("Add Item", AnswerItemDialog({}));
  ClickButton(*form, "tbAdd");
  EXPECT_TRUE(cancel.fired());
  EXPECT_EQ(Shown(*form), expected);
  EXPECT_THAT(StoredWithoutSetting(), ElementsAreArray(Expected(expected)));
}

TEST_F(MainFormTest, EditOfEntry3RewritesOnlyN3AndP3) {
  SetList(kFive);
  auto form = Open();
  ClickRow(*form, 3);
  recording_.Clear();
  FolderEntry shown;
  WindowWatcher answer("Add Item", AnswerItemDialog({"Win", Windows()}, &shown));
  ClickButton(*form, "ToolButton2");
  ASSERT_TRUE(answer.fired());
  EXPECT_EQ(shown, kFive[3]);
  FolderList expected = kFive;
  expected[3] = {"Win", Windows()};
  EXPECT_THAT(recording_.log(), ElementsAre("set N3", "set P3"));
  EXPECT_THAT(StoredWithoutSetting(), ElementsAreArray(Expected(expected)));
  EXPECT_EQ(Shown(*form), expected);
  EXPECT_EQ(form->CurrentIndex(), 3);
}

TEST_F(MainFormTest, DoubleClickEditsTheCurrentEntryButNothingBeforeOneIsChosen) {
  SetList(kFive);
  auto form = Open();
  RECT last = form->list().RowRect(4);
  {
    WindowWatcher never("Add Item", AnswerItemDialog({}));
    DoubleClickAt(form->list().handle(), POINT{100, last.bottom + 60});
    Pump(150);
    EXPECT_FALSE(never.fired());
  }
  FolderEntry shown;
  WindowWatcher answer("Add Item", AnswerItemDialog({"Win", Windows()}, &shown));
  DoubleClickAt(form->list().handle(), Centre(form->list().RowRect(1)));
  ASSERT_TRUE(PumpUntil([&] { return answer.fired(); }));
  Pump(50);
  EXPECT_EQ(shown, kFive[1]);
  EXPECT_EQ(Shown(*form)[1], (FolderEntry{"Win", Windows()}));
  EXPECT_EQ(form->CurrentIndex(), 1);
}

TEST_F(MainFormTest, DeleteCases) {
  struct Case {
    const char* name;
    FolderList start;
    int current;
    bool ask;
    int answer;  // 0: no question expected
    FolderList rows;
    int new_current;
    std::vector<std::string> writes;
  };
  const std::vector<Case> cases = {
      {"entry 1 of five", kFive, 1, true, IDYES, {kFive[0], kFive[2], kFive[3], kFive[4]}, 1,
       {"del N4", "del P4", "set N1", "set P1", "set N2", "set P2", "set N3", "set P3"}},
      {"last of five", kFive, 4, true, IDYES, {kFive[0], kFive[1], kFive[2], kFive[3]}, 0, {"del N4", "del P4"}},
      {"the only entry", {kFive[0]}, 0, true, IDYES, {}, 0, {"del N0", "del P0"}},
      {"answered No", kFive, 2, true, IDNO, kFive, 2, {}},
      {"AskDelete off", kFive, 0, false, 0, {kFive[1], kFive[2], kFive[3], kFive[4]}, 0,
       {"del N4", "del P4", "set N0", "set P0", "set N1", "set P1", "set N2", "set P2", "set N3", "set P3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto reg = RegistryKinds().back().make();
    RecordingRegistry recording(reg->registry());
    FolderStore store(recording, reg->key_path());
    reg->CreateKey();
    store.RewriteEntries(0, static_cast<std::ptrdiff_t>(c.start.size()) - 1, c.start);
    WriteTextFile(dir_.File("options.ini"), std::string("[Options]\r\nShowTips=0\r\nAskDelete=") + (c.ask ? "1" : "0") + "\r\n");
    auto form = Open([&](MainFormSetup& setup) { setup.store = &store; });
    ClickRow(*form, c.current);
    recording.Clear();
    SeenMessageBox box;
    WindowWatcher question("Vantor", AnswerMessageBox(box, c.answer ? c.answer : IDNO));
    ClickButton(*form, "ToolButton3");
    Pump(50);
    EXPECT_EQ(box.seen, c.answer != 0);
    if (c.answer) {
      EXPECT_EQ(box.text, "Are you sure you want to delete the selected item?");
      EXPECT_TRUE(box.question_icon);
    }
    EXPECT_EQ(Shown(*form), c.rows);
    EXPECT_EQ(form->CurrentIndex(), c.new_current);
    EXPECT_EQ(recording.log(), c.writes);
    std::vector<std::string> values = reg->StringValues();
    values.erase(std::remove_if(values.begin(), values.end(), [](const std::string& v) { return v.rfind("SETTING=", 0) == 0; }),
                 values.end());
    EXPECT_THAT(values, ElementsAreArray(Expected(c.rows)));
    if (c.rows.empty()) {
      EXPECT_TRUE(ButtonEnabled(*form, "ToolButton3"));
      recording.Clear();
      ClickButton(*form, "ToolButton3");  // names no row: does nothing, asks nothing
      ClickButton(*form, "ToolButton2");
      EXPECT_EQ(Shown(*form), c.rows);
      EXPECT_TRUE(recording.log().empty());
    }
  }
}

TEST_F(MainFormTest, UpOnEntry3AndDownFollowTheEntryAndRewriteTwoPairs) {
  SetList(kFive);
  auto form = Open();
  ClickRow(*form, 3);
  recording_.Clear();
  ClickButton(*form, "ToolButton5");
  EXPECT_THAT(recording_.log(), ElementsAre("set N2", "set P2", "set N3", "set P3"));
  FolderList up = {kFive[0], kFive[1], kFive[3], kFive[2], kFive[4]};
  EXPECT_EQ(Shown(*form), up);
  EXPECT_EQ(form->CurrentIndex(), 2);
  EXPECT_THAT(RedRows(*form), ElementsAre(2));
  EXPECT_THAT(StoredWithoutSetting(), ElementsAreArray(Expected(up)));
  recording_.Clear();
  ClickButton(*form, "ToolButton6");
  EXPECT_THAT(recording_.log(), ElementsAre("set N2", "set P2", "set N3", "set P3"));
  EXPECT_EQ(Shown(*form), kFive);
  EXPECT_EQ(form->CurrentIndex(), 3);
  ClickRow(*form, 0);
  EXPECT_FALSE(ButtonEnabled(*form, "ToolButton5"));
  ClickButton(*form, "ToolButton5");
  EXPECT_EQ(Shown(*form), kFive);
}

FolderList Aliases(std::initializer_list<const char*> aliases) {
  FolderList list;
  int i = 0;
  for (const char* alias : aliases) list.push_back({alias, "C:\\" + std::to_string(i++)});
  return list;
}

TEST_F(MainFormTest, SortCases) {
  struct Case {
    const char* name;
    FolderList start;
    int sorts;  // ascending first, then alternating
    std::vector<std::string> aliases;
  };
  const std::vector<Case> cases = {
      {"apple/Banana", Aliases({"Banana", "apple"}), 1, {"apple", "Banana"}},
      {"Doc/Docs", Aliases({"Docs", "Doc"}), 1, {"Doc", "Docs"}},
      {"_ after letters", Aliases({"_tmp", "zip", "Alpha"}), 1, {"Alpha", "zip", "_tmp"}},
      {"B b A ascending", Aliases({"B", "b", "A"}), 1, {"A", "b", "B"}},
      {"a C b descending", Aliases({"a", "C", "b"}), 2, {"C", "b", "a"}},
      {"already sorted", Aliases({"a", "b", "c"}), 1, {"a", "b", "c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto reg = RegistryKinds().back().make();
    FolderStore store(reg->registry(), reg->key_path());
    reg->CreateKey();
    store.RewriteEntries(0, static_cast<std::ptrdiff_t>(c.start.size()) - 1, c.start);
    auto form = Open([&](MainFormSetup& setup) { setup.store = &store; });
    ClickRow(*form, 1);
    const int sort = form->toolbar().IndexOf("ToolButton4");
    for (int i = 0; i < c.sorts; ++i) {
      if (i == 1) {
        // "a C b" descending starts from the list as given.
        store.RewriteEntries(0, static_cast<std::ptrdiff_t>(c.start.size()) - 1, c.start);
        Pump(250);
      }
      ClickButton(*form, "ToolButton4");
    }
    FolderList rows = Shown(*form);
    std::vector<std::string> aliases;
    for (const FolderEntry& e : rows) aliases.push_back(e.alias);
    EXPECT_EQ(aliases, c.aliases);
    EXPECT_EQ(form->CurrentIndex(), 1);
    EXPECT_EQ(form->SortAscending(), c.sorts % 2 == 0);
    EXPECT_EQ(form->toolbar().ButtonHint(sort),
              c.sorts % 2 ? "Sort by Alias(Descending)" : "Sort by Alias(Ascending)");
    EXPECT_EQ(store.ReadFolderList(), rows);
  }
}

TEST_F(MainFormTest, SortIsDisabledForOneEntryAndRefreshKeepsTheCurrentIndex) {
  SetList(kFive);
  auto form = Open();
  ClickRow(*form, 4);
  for (int i = 4; i >= 1; --i) store_.DeleteEntryValues(static_cast<std::size_t>(i));
  ClickButton(*form, "tbRefresh");
  EXPECT_EQ(Shown(*form), (FolderList{kFive[0]}));
  EXPECT_EQ(form->CurrentIndex(), 4);
  EXPECT_FALSE(ButtonEnabled(*form, "ToolButton4"));
  EXPECT_THAT(RedRows(*form), IsEmpty());
}

// Another process appends while the manager runs (as "Add to Vantor" does).
void AppendFromAnotherProcess(const std::string& key_path, int index, const FolderEntry& entry) {
  for (const auto& [name, text] : {std::pair{"N" + std::to_string(index), entry.alias},
                                   std::pair{"P" + std::to_string(index), entry.path}}) {
    std::string command = "reg.exe add \"HKCU\\" + key_path + "\" /v " + name + " /d \"" + text + "\" /f";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                               &startup, &info));
    WaitForSingleObject(info.hProcess, 15000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    ASSERT_EQ(code, 0u) << command;
  }
}

TEST_F(MainFormTest, AnEntryAnotherProcessAppendedSurvivesTheManagersAdd) {
  SetList({kFive[0], kFive[1]});
  for (bool wait_for_the_list : {true, false}) {
    SCOPED_TRACE(wait_for_the_list ? "after the list showed it" : "at once");
    auto reg = RegistryKinds().back().make();
    FolderStore store(reg->registry(), reg->key_path());
    reg->CreateKey();
    store.RewriteEntries(0, 1, FolderList{kFive[0], kFive[1]});
    auto form = Open([&](MainFormSetup& setup) {
      setup.store = &store;
      setup.store_poll_milliseconds = wait_for_the_list ? 100 : 0;
    });
    AppendFromAnotherProcess(reg->key_path(), 2, {"Added from the menu", "C:\\windows"});
    if (wait_for_the_list) {
      EXPECT_TRUE(PumpUntil([&] { return form->list().RowCount() == 3; }));
    }
    WindowWatcher answer("Add Item", AnswerItemDialog({"Win", Windows()}));
    ClickButton(*form, "tbAdd");
    ASSERT_TRUE(answer.fired());
    const FolderList expected = {kFive[0], kFive[1], {"Added from the menu", "C:\\windows"}, {"Win", Windows()}};
    EXPECT_EQ(Shown(*form), expected);
    EXPECT_EQ(store.ReadFolderList(), expected);
  }
}

}  // namespace
}  // namespace vantor::testing
