// TfrmMain on real windows: start-up, the list and its current entry, the toolbar.
#include "main_form_fixture.h"

#include "file_io.h"
#include "skin_frame.h"
#include "texts.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

TEST_F(MainFormTest, ShowsTheStoreRowsInTheLaidOutWindow) {
  SetList({{"Docs", "C:\\Docs"}, {"Fonts", "C:\\windows\\Fonts"}, {"Root", "C:\\"}});
  auto form = Open();
  EXPECT_EQ(Shown(*form), (FolderList{{"Docs", "C:\\Docs"}, {"Fonts", "C:\\windows\\Fonts"}, {"Root", "C:\\"}}));
  EXPECT_EQ(form->CurrentIndex(), -200);
  EXPECT_TRUE(form->SortAscending());
  EXPECT_EQ(WindowText(form->handle()), " Vantor 1.1");
  RECT client, list;
  GetClientRect(form->handle(), &client);
  EXPECT_EQ(client.right, 539);
  EXPECT_EQ(client.bottom, 430);
  GetWindowRect(form->list().handle(), &list);
  MapWindowPoints(nullptr, form->handle(), reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(list.left, -1);
  EXPECT_EQ(list.top, 83);
  EXPECT_EQ(list.right - list.left, 538);
  EXPECT_EQ(list.bottom - list.top, 430 - 83 - 15);
  EXPECT_EQ(ListView_GetColumnWidth(form->list().handle(), 0), 190);
  EXPECT_EQ(ListView_GetColumnWidth(form->list().handle(), 1), 315);
  EXPECT_THAT(RedRows(*form), IsEmpty());
}

TEST_F(MainFormTest, ToolbarButtonsCaptionsTooltipsAndStartStates) {
  SetList({kFive[0], kFive[1]});
  auto form = Open();
  ui::SkinToolBar& bar = form->toolbar();
  struct Expect {
    const char* name;
    const char* caption;
    const char* hint;
    bool enabled;
  };
  const Expect buttons[] = {
      {"tbAdd", "Add", "Add a select folder", true},
      {"ToolButton2", "Edit", "Edit the selected folder", false},
      {"ToolButton3", "Delete", "Delete the select folder item", false},
      {"ToolButton4", "Sort", "Sort by Alias(Ascending)", true},
      {"ToolButton5", "Up", "Move the selected folder item up the list", false},
      {"ToolButton6", "Down", "Move the selected folder item down the list", false},
      {"tbRefresh", "Refresh", "Refresh the folder list", true},
      {"bImport", "Import", "Import the saved data of Alias and Path", true},
      {"bExport", "Export", "Backup the data of Alias and Path", true},
      {"ToolButton10", "Options", "Open the options dialog to set", true},
      {"tbHelp", "Help", "Vantor's help documents", true},
  };
  int previous_right = -1;
  for (const Expect& e : buttons) {
    const int index = bar.IndexOf(e.name);
    ASSERT_GE(index, 0) << e.name;
    EXPECT_EQ(bar.ButtonCaption(index), e.caption);
    EXPECT_EQ(bar.ButtonHint(index), e.hint);
    EXPECT_EQ(ButtonEnabled(*form, e.name), e.enabled) << e.name;
    RECT r = bar.ButtonRect(index);
    EXPECT_EQ(r.right - r.left, 44);
    EXPECT_EQ(r.bottom - r.top, 36);
    EXPECT_GE(r.left, previous_right);
    previous_right = r.right;
    // The tooltip control holds the same text.
    char text[256] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = bar.handle();
    tool.uId = static_cast<UINT_PTR>(index);
    tool.lpszText = text;
    SendMessageA(bar.tooltip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, e.hint);
  }
  EXPECT_EQ(previous_right, 11 * 44 + 5 * 8);
}

TEST_F(MainFormTest, FirstStartWithoutTheKeyWritesTheDefaultsAndTheManagerPath) {
  auto form = Open();
  const std::string windows = WindowsDirectory();
  EXPECT_EQ(Shown(*form), (FolderList{{"Windows Directory", windows}, {"C:\\", "C:\\"}}));
  EXPECT_THAT(Stored(), ElementsAreArray(Expected({{"Windows Directory", windows}, {"C:\\", "C:\\"}},
                                                  {"SETTING=" + dir_.File("Vantor.exe")})));
  EXPECT_EQ(form->CurrentIndex(), -200);
  EXPECT_THAT(RedRows(*form), IsEmpty());
}

TEST_F(MainFormTest, AClickedRowTurnsRedWithoutSelectionAndEmptySpaceKeepsIt) {
  SetList(kFive);
  auto form = Open();
  ClickRow(*form, 2);
  EXPECT_EQ(form->CurrentIndex(), 2);
  EXPECT_EQ(form->list().SelectedRow(), -1);
  EXPECT_EQ(ListView_GetNextItem(form->list().handle(), -1, LVNI_FOCUSED), -1);
  std::vector<RowInk> ink = Ink(*form);
  for (std::size_t i = 0; i < ink.size(); ++i) {
    EXPECT_EQ(ink[i].red > 0, i == 2) << "row " << i;
    EXPECT_EQ(ink[i].highlight, 0) << "row " << i;
  }
  RECT last = form->list().RowRect(4);
  ClickAt(form->list().handle(), POINT{100, last.bottom + 60});
  EXPECT_EQ(form->CurrentIndex(), 2);
  EXPECT_THAT(RedRows(*form), ElementsAre(2));
  EXPECT_TRUE(ButtonEnabled(*form, "ToolButton2"));
  EXPECT_TRUE(ButtonEnabled(*form, "ToolButton5"));
  EXPECT_TRUE(ButtonEnabled(*form, "ToolButton6"));
  ClickRow(*form, 4);
  EXPECT_THAT(RedRows(*form), ElementsAre(4));
  EXPECT_FALSE(ButtonEnabled(*form, "ToolButton6"));
}

TEST_F(MainFormTest, AValueOfAWrongTypeIsReportedAndTheEntriesBeforeItShown) {
  SetList(kFive);
  reg_->SetRaw("N2", RegistryValue{regtype::kDword, std::string(4, '\0')});
  SeenMessageBox box;
  WindowWatcher watcher("Vantor", AnswerMessageBox(box, IDOK));
  auto form = Open();
  ASSERT_TRUE(box.seen);
  EXPECT_EQ(box.text, "Invalid data type for 'N2'");  // ' sorts before '.': no full stop
  EXPECT_TRUE(box.error_icon);
  EXPECT_EQ(Shown(*form), (FolderList{kFive[0], kFive[1]}));
  EXPECT_TRUE(IsWindowVisible(form->handle()));
}

TEST_F(MainFormTest, BringToFrontRestoresAMinimisedWindow) {
  SetList(kFive);
  auto form = Open();
  ShowWindow(form->handle(), SW_MINIMIZE);
  Pump(50);
  ASSERT_TRUE(IsIconic(form->handle()));
  PostMessageA(form->handle(), WM_BRINGTOFRONT, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(form->handle()); }));
  EXPECT_TRUE(IsWindowVisible(form->handle()));
  EXPECT_EQ(GetForegroundWindow(), form->handle());
}

TEST_F(MainFormTest, HelpOpensTheLocalHelpPage) {
  SetList(kFive);
  auto form = Open();
  ClickButton(*form, "tbHelp");
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].first, form->handle());
  EXPECT_EQ(opened_[0].second, HelpPageAddress(dir_.File("Vantor.exe")));
  EXPECT_NE(opened_[0].second.find("/desktop/vthelp.htm"), std::string::npos);
}

TEST_F(MainFormTest, AnInvalidThemeIsReportedAndStartUpGoesOn) {
  WriteTextFile(dir_.File("msn.sui"), "[Vantor Theme]\r\nFormat=1\r\nBorder=red\r\n");
  SeenMessageBox box;
  WindowWatcher watcher("Vantor", AnswerMessageBox(box, IDOK));
  auto form = Open();
  ASSERT_TRUE(box.seen);
  EXPECT_EQ(box.text, "msn.sui is not a valid theme file: Border is not a colour red,green,blue.");
  EXPECT_TRUE(box.error_icon);
  EXPECT_EQ(Shown(*form).size(), 2u);
  EXPECT_EQ(store_.ReadValue("Setting"), dir_.File("Vantor.exe"));
  EXPECT_EQ(form->theme(), Theme{});
}

TEST_F(MainFormTest, AValidThemeColoursTheFrame) {
  Theme theme;
  theme.background = {200, 210, 220};
  WriteTextFile(dir_.File("msn.sui"), SerializeTheme(theme));
  auto form = Open();
  EXPECT_EQ(form->theme(), theme);
  HDC dc = GetDC(form->handle());
  RedrawWindow(form->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(GetPixel(dc, 20, 75), RGB(200, 210, 220));  // between the toolbar and the list
  EXPECT_EQ(GetPixel(dc, 0, 75), RGB(0, 0, 0));         // the border
  ReleaseDC(form->handle(), dc);
}

}  // namespace
}  // namespace vantor::testing
