// Hostile stores through the main window on real windows: values of other types and
// sizes, very long texts, thousands of favourites. Each case compares every value of
// the key before and after: the window writes only what its rules write.
#include "main_form_fixture.h"

#include <map>

#include "add_item.h"
#include "alias_order.h"

namespace vantor::testing {
namespace {

using Values = std::map<std::string, RegistryValue>;

bool operator==(const RegistryValue& a, const RegistryValue& b) { return a.type == b.type && a.data == b.data; }

RegistryValue Raw(std::uint32_t type, std::string data) { return RegistryValue{type, std::move(data)}; }
RegistryValue Sz(const std::string& text) { return Raw(regtype::kString, text + '\0'); }

// Names of the values that differ between two snapshots, for a readable failure.
std::vector<std::string> Differences(const Values& before, const Values& after) {
  std::vector<std::string> names;
  for (const auto& [name, value] : before) {
    auto it = after.find(name);
    if (it == after.end()) names.push_back("lost " + name);
    else if (!(it->second == value)) names.push_back("changed " + name);
  }
  for (const auto& [name, value] : after)
    if (!before.count(name)) names.push_back("added " + name);
  return names;
}

// A window's whole text, however long.
std::string FullText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

FolderList Numbered(int count) {
  FolderList list;
  for (int i = 0; i < count; ++i)
    list.push_back({"Folder " + std::to_string((i * 7919) % count), "C:\\data\\f" + std::to_string(i)});
  return list;
}

// Answers the item dialog: OK with `entry` (the texts it showed go to `shown`).
std::function<void(HWND)> AnswerItemDialog(const FolderEntry& entry, FolderEntry* shown = nullptr) {
  return [entry, shown](HWND window) {
    auto& dialog = dynamic_cast<TfrmProperty&>(*ui::Window::FromHandle(window));
    if (shown) *shown = {dialog.feName.Text(), dialog.fePath.Text()};
    dialog.feName.SetText(entry.alias);
    dialog.fePath.SetText(entry.path);
    PostClick(dialog.fbOk.handle());
  };
}

// The real registry, counting the times a key is opened (every store read opens it).
class CountingRegistry final : public Registry {
 public:
  explicit CountingRegistry(Registry& inner) : inner_(inner) {}
  std::unique_ptr<RegistryKey> Open(const std::string& path, OpenMode mode) override {
    ++opens;
    return inner_.Open(path, mode);
  }
  int opens = 0;

 private:
  Registry& inner_;
};

class HostileStore : public MainFormTest {
 protected:
  // Opens the window over the store as it is, answering an error box if one comes.
  std::unique_ptr<TfrmMain> OpenAnswering(SeenMessageBox& box) {
    WindowWatcher watcher("Vantor", AnswerMessageBox(box, IDOK));
    auto form = Open();
    Pump(250);  // a few store polls go by
    return form;
  }
  // The values the start-up rules write: "Setting", the manager's path.
  Values AfterStart(Values values) {
    values["SETTING"] = Sz(dir_.File("Vantor.exe"));
    return values;
  }
};

TEST_F(HostileStore, StartUpShowsWhatCanBeShownAndChangesOnlySetting) {
  const std::string mega(1 << 20, 'm');
  const std::string long_text(10000, 'L');
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, RegistryValue>> values;  // over the five entries
    const char* message;  // "" when none
    std::size_t rows;
  };
  const std::vector<Case> cases = {
      {"alias of REG_DWORD", {{"N2", Raw(regtype::kDword, std::string("\x01\0\0\0", 4))}}, "Invalid data type for 'N2'", 2},
      {"path of REG_BINARY", {{"P2", Raw(regtype::kBinary, "C:\\c")}}, "Invalid data type for 'P2'", 2},
      {"alias of REG_MULTI_SZ", {{"N0", Raw(regtype::kMultiString, std::string("a\0b\0\0", 5))}},
       "Invalid data type for 'N0'", 0},
      {"path of REG_MULTI_SZ", {{"P4", Raw(regtype::kMultiString, std::string("C:\\e\0\0", 6))}},
       "Invalid data type for 'P4'", 4},
      {"alias and path of 1 MB", {{"N1", Sz(mega)}, {"P3", Sz("C:\\" + mega)}}, "", 5},
      {"alias and path of 10,000 characters", {{"N4", Sz(long_text)}, {"P0", Sz("C:\\" + long_text)}}, "", 5},
      {"string without terminator, text after a NUL", {{"N1", Raw(regtype::kString, "b")},
                                                       {"P1", Raw(regtype::kString, std::string("C:\\b\0junk", 9))}},
       "", 5},
      {"Setting of REG_DWORD", {{"Setting", Raw(regtype::kDword, std::string(4, '\0'))}}, "", 5},
      {"Setting of REG_BINARY, 1 MB", {{"Setting", Raw(regtype::kBinary, mega)}}, "", 5},
      {"Setting of 1 MB", {{"Setting", Sz(mega)}}, "", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetList(kFive);
    for (const auto& [name, value] : c.values) reg_->SetRaw(name, value);
    const Values before = reg_->Values();
    SeenMessageBox box;
    auto form = OpenAnswering(box);
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    EXPECT_EQ(box.seen, *c.message != '\0');
    if (box.seen) {
      EXPECT_EQ(box.text, c.message);
      EXPECT_TRUE(box.error_icon);
    }
    // The rows shown are the store's entries up to the bad value, texts in full.
    FolderList expected;
    for (std::size_t i = 0; i < c.rows; ++i) {
      FolderEntry entry = kFive[i];
      for (const auto& [name, value] : c.values) {
        const std::string text = value.data.substr(0, value.data.find('\0'));
        if (name == AliasValueName(i)) entry.alias = text;
        if (name == PathValueName(i)) entry.path = text;
      }
      expected.push_back(entry);
    }
    EXPECT_EQ(Shown(*form), expected);
    form.reset();
    EXPECT_THAT(Differences(AfterStart(before), reg_->Values()), ::testing::IsEmpty());
  }
}

// Every command reads the whole store first (another process may have appended), so
// each step costs a read of 10,000 values; the store is compared whole at the end.
TEST_F(HostileStore, FiveThousandFavouritesAreAllShownAndEachCommandKeepsTheOthers) {
  const int kCount = 5000;
  const int kHalf = kCount / 2, kTenth = kCount / 50;
  FolderList list = Numbered(kCount);
  SetList(list);
  SeenMessageBox box;
  std::unique_ptr<TfrmMain> form;
  {
    WindowWatcher watcher("Vantor", AnswerMessageBox(box, IDOK));
    // No store polls: the commands' own reads are the subject here.
    form = Open([](MainFormSetup& setup) { setup.store_poll_milliseconds = 0; });
  }
  EXPECT_FALSE(box.seen);
  ASSERT_EQ(Shown(*form), list);

  WindowWatcher add("Add Item", AnswerItemDialog({"Added", WindowsDirectory()}));
  ClickButton(*form, "tbAdd");
  ASSERT_TRUE(PumpUntil([&] { return add.fired() && form->list().RowCount() == kCount + 1; }));
  list.push_back({"Added", WindowsDirectory()});
  EXPECT_EQ(store_.ReadValue(AliasValueName(kCount)), "Added");

  form->SelectRow(kHalf);
  Pump(50);
  FolderEntry shown;
  WindowWatcher edit("Add Item", AnswerItemDialog({"Edited", WindowsDirectory()}, &shown));
  ClickButton(*form, "ToolButton2");
  ASSERT_TRUE(PumpUntil([&] { return edit.fired() && form->list().Caption(kHalf) == "Edited"; }));
  EXPECT_EQ(shown, list[kHalf]);
  list[kHalf] = {"Edited", WindowsDirectory()};
  EXPECT_EQ(store_.ReadValue(AliasValueName(kHalf)), "Edited");

  form->SelectRow(kTenth);
  Pump(50);
  SeenMessageBox question;
  WindowWatcher yes("Vantor", AnswerMessageBox(question, IDYES));
  ClickButton(*form, "ToolButton3");
  ASSERT_TRUE(PumpUntil([&] { return form->list().RowCount() == kCount; }));
  EXPECT_TRUE(question.seen);
  list.erase(list.begin() + kTenth);
  EXPECT_EQ(store_.ReadValue(AliasValueName(kTenth)), list[kTenth].alias);
  EXPECT_EQ(store_.ReadValue(AliasValueName(kCount)), "") << "the old last pair is gone";

  ClickButton(*form, "ToolButton4");
  SortRows(list, true);
  ASSERT_TRUE(PumpUntil([&] { return form->list().Caption(0) == list[0].alias; }));
  EXPECT_EQ(Shown(*form), list);
  EXPECT_EQ(StoredWithoutSetting(), Expected(list)) << "after add, edit, delete and sort";
  EXPECT_EQ(form->CurrentIndex(), kTenth);
}

TEST_F(HostileStore, AnIdleWindowReadsTheStoreAgainOnlyAfterItChanged) {
  SetList(kFive);
  CountingRegistry counting(reg_->registry());
  FolderStore store(counting, reg_->key_path());
  auto form = Open([&](MainFormSetup& setup) { setup.store = &store; });
  // Let the start settle (a loaded machine can deliver its last read late), then
  // watch a quiet second.
  for (int attempt = 0; attempt < 20; ++attempt) {
    counting.opens = 0;
    Pump(300);
    if (counting.opens == 0) break;
  }
  counting.opens = 0;
  Pump(1000);  // ten poll periods
  EXPECT_EQ(counting.opens, 0);
  reg_->SetString("N5", "f");
  reg_->SetString("P5", "C:\\f");
  EXPECT_TRUE(PumpUntil([&] { return form->list().RowCount() == 6; }, 2000));
  EXPECT_GT(counting.opens, 0);
}

TEST_F(HostileStore, ATenThousandCharacterAliasIsEditedAndAnUnusablePathRefused) {
  const std::string long_alias(10000, 'A');
  const std::string long_path = "C:\\" + std::string(10000, 'p');
  FolderList list = kFive;
  list[1].alias = long_alias;
  list[3].path = long_path;
  SetList(list);
  auto form = Open();
  ASSERT_EQ(Shown(*form), list);

  // OK keeps the 10,000 characters the dialog showed, with a character added.
  form->SelectRow(1);
  Pump(50);
  FolderEntry shown;
  WindowWatcher edit("Add Item", AnswerItemDialog({long_alias + "!", WindowsDirectory()}, &shown));
  ClickButton(*form, "ToolButton2");
  ASSERT_TRUE(PumpUntil([&] { return edit.fired() && Shown(*form)[1].alias.size() == 10001; }));
  EXPECT_EQ(shown, list[1]);
  list[1] = {long_alias + "!", WindowsDirectory()};
  EXPECT_EQ(StoredWithoutSetting(), Expected(list));

  // A path no folder can have: the dialog says so and stays; Cancel changes nothing.
  form->SelectRow(3);
  Pump(50);
  SeenMessageBox refused;
  bool cancelled = false;
  WindowWatcher edit_path("Add Item", [&](HWND window) {
    auto& dialog = dynamic_cast<TfrmProperty&>(*ui::Window::FromHandle(window));
    shown = {dialog.feName.Text(), dialog.fePath.Text()};
    PostClick(dialog.fbOk.handle());
  });
  WindowWatcher box("Vantor", [&](HWND window) {
    AnswerMessageBox(refused, IDOK)(window);
    refused.text = FullText(GetDlgItem(window, 0xFFFF));
    HWND dialog = ThreadWindowsCaptioned("Add Item").front();
    PostClick(dynamic_cast<TfrmProperty&>(*ui::Window::FromHandle(dialog)).fbCancel.handle());
    cancelled = true;
  });
  ClickButton(*form, "ToolButton2");
  ASSERT_TRUE(PumpUntil([&] { return cancelled && ThreadWindowsCaptioned("Add Item").empty(); }));
  EXPECT_EQ(shown, list[3]);
  EXPECT_TRUE(refused.text == long_path + ",the input path does not exist.")
      << refused.text.size() << " characters: " << refused.text.substr(refused.text.size() - 40);
  EXPECT_EQ(Shown(*form), list);
  EXPECT_EQ(StoredWithoutSetting(), Expected(list));
}

TEST_F(HostileStore, CommandsOverAStoreWithABadValueTouchOnlyTheRowsShown) {
  SetList(kFive);
  reg_->SetRaw("N3", Raw(regtype::kDword, std::string(4, '\0')));
  SeenMessageBox box;
  auto form = OpenAnswering(box);
  ASSERT_TRUE(box.seen);
  const FolderList three = {kFive[0], kFive[1], kFive[2]};
  ASSERT_EQ(Shown(*form), three);
  const Values before = reg_->Values();

  // Sort (descending aliases first needs two): the three rows only.
  ClickRow(*form, 0);
  ClickButton(*form, "ToolButton4");
  ClickButton(*form, "ToolButton4");
  const FolderList reversed = {kFive[2], kFive[1], kFive[0]};
  ASSERT_TRUE(PumpUntil([&] { return Shown(*form) == reversed; }));
  Values expected = before;
  for (std::size_t i = 0; i < 3; ++i) {
    expected[AliasValueName(i)] = Sz(reversed[i].alias);
    expected[PathValueName(i)] = Sz(reversed[i].path);
  }
  EXPECT_THAT(Differences(expected, reg_->Values()), ::testing::IsEmpty());

  // Refresh reports the bad value again and keeps the rows before it.
  SeenMessageBox again;
  WindowWatcher watcher("Vantor", AnswerMessageBox(again, IDOK));
  ClickButton(*form, "tbRefresh");
  ASSERT_TRUE(PumpUntil([&] { return again.seen; }));
  EXPECT_EQ(again.text, "Invalid data type for 'N3'");
  EXPECT_EQ(Shown(*form), reversed);
  EXPECT_THAT(Differences(expected, reg_->Values()), ::testing::IsEmpty());
}

}  // namespace
}  // namespace vantor::testing
