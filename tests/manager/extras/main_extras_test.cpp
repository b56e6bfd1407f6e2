// Import, Export, Options and the start-up tip through the real main window: its
// toolbar buttons clicked, the file dialogs and message boxes answered by the test.
#include "main_form_fixture.h"

#include <commctrl.h>

#include <filesystem>

#include "backup.h"
#include "file_io.h"
#include "ini.h"
#include "window_answerer.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kExportTitle[] = "Export Alias and Path";
constexpr char kImportTitle[] = "Import Alias and Path";
constexpr char kTipCaption[] = "Vantor Tip of the Day";

class MainExtras : public MainFormTest {
 protected:
  // Clicks Export, chooses `name` and answers the overwrite question (if any) with `answer`.
  SeenMessageBox Export(TfrmMain& form, const std::string& name, int answer = IDYES, std::string* offered = nullptr) {
    SeenMessageBox question;
    WindowAnswerer dialog(kExportTitle, [&](HWND window) {
      if (offered) *offered = FileDialogName(window);
      ChooseFile(window, name);
    });
    WindowWatcher box("Vantor", AnswerMessageBox(question, answer));
    ClickButton(form, "bExport");
    EXPECT_TRUE(PumpUntil([&] { return dialog.answered() && ThreadWindowsCaptioned(kExportTitle).empty(); }));
    Pump(100);
    return question;
  }
  void Import(TfrmMain& form, const std::string& name) {
    WindowAnswerer dialog(kImportTitle, [&](HWND window) { ChooseFile(window, name); });
    ClickButton(form, "bImport");
    EXPECT_TRUE(PumpUntil([&] { return dialog.answered() && ThreadWindowsCaptioned(kImportTitle).empty(); }));
    Pump(100);
  }
  std::vector<std::string> Writes() {
    std::vector<std::string> writes;
    for (const std::string& entry : recording_.log())
      if (entry != "set Setting") writes.push_back(entry);
    return writes;
  }
  static FolderList Numbered(int count) {
    FolderList list;
    for (int i = 0; i < count; ++i) list.push_back({"old " + std::to_string(i), "D:\\old" + std::to_string(i)});
    return list;
  }
};

TEST_F(MainExtras, ExportThenImportIntoTheUnchangedListChangesNothing) {
  SetList(kFive);
  auto form = Open();
  recording_.Clear();
  Export(*form, dir_.File("list"));
  EXPECT_EQ(ReadTextFile(dir_.File("list.vtb")),
            "[Vantor]\r\nCount=5\r\nN0=a\r\nP0=C:\\a\r\nN1=b\r\nP1=C:\\b\r\nN2=c\r\nP2=C:\\c\r\nN3=d\r\nP3=C:\\d\r\n"
            "N4=e\r\nP4=C:\\e\r\n");
  Import(*form, dir_.File("list.vtb"));
  EXPECT_EQ(Shown(*form), kFive);
  EXPECT_THAT(Writes(), IsEmpty());
  EXPECT_EQ(StoredWithoutSetting(), Expected(kFive));
}

TEST_F(MainExtras, ImportAppendsNewEntriesByTheDuplicateRuleAndCount) {
  SetList({kFive[0], kFive[1]});
  auto form = Open();
  ClickRow(*form, 1);
  Pump(50);
  ASSERT_EQ(form->CurrentIndex(), 1);
  IniDocument backup;
  FolderList ten = {{"a", "c:\\A\\"}, {"A", "C:\\a"}, {"new", "E:\\new"}, {"new", "e:\\NEW"}};
  for (const FolderEntry& entry : Numbered(6)) ten.push_back(entry);
  ExportToDocument(ten, backup);
  backup.Set("Vantor", "Count", "3");
  WriteFileAtomically(dir_.File("ten.vtb"), backup.Serialize());
  recording_.Clear();
  Import(*form, dir_.File("ten.vtb"));
  const FolderList expected = {kFive[0], kFive[1], {"A", "C:\\a"}, {"new", "E:\\new"}};
  EXPECT_EQ(Shown(*form), expected);
  EXPECT_EQ(form->Rows(), expected);
  EXPECT_EQ(StoredWithoutSetting(), Expected(expected));
  EXPECT_THAT(Writes(), ElementsAre("set N2", "set P2", "set N3", "set P3"));
  EXPECT_EQ(form->CurrentIndex(), 1) << "the current entry does not change";
}

TEST_F(MainExtras, OverwriteNoWritesNothingAndAShorterExportKeepsOlderKeys) {
  const std::string file = dir_.File("list.vtb");
  ExportBackupFile(file, Numbered(10));
  const std::string older = ReadTextFile(file);
  SetList(kFive);
  auto form = Open();
  SeenMessageBox question = Export(*form, dir_.File("list"), IDNO);
  EXPECT_TRUE(question.seen);
  EXPECT_EQ(question.text, file + " has existed,overite it?");
  EXPECT_EQ(ReadTextFile(file), older);

  question = Export(*form, file, IDYES);
  EXPECT_TRUE(question.seen);
  IniDocument written = IniDocument::Parse(ReadTextFile(file));
  EXPECT_EQ(written.Get("Vantor", "Count"), "5");
  EXPECT_EQ(written.Get("Vantor", "N9"), "old 9") << "keys beyond the new Count stay";
  EXPECT_EQ(ReadBackupEntries(written), kFive);

  recording_.Clear();
  Import(*form, file);
  EXPECT_EQ(Shown(*form), kFive);
  EXPECT_THAT(Writes(), IsEmpty());
}

TEST_F(MainExtras, ExportErrorsAreShownInTheErrorBox) {
  std::filesystem::create_directory(dir_.File("folder.vtb"));
  SetList({kFive[0], {"two\nlines", "C:\\b"}});
  auto form = Open();
  SeenMessageBox error = Export(*form, dir_.File("folder"), IDOK);
  EXPECT_EQ(error.text,
            "The entry 2, \"two lines\", holds a line break in its alias, which a backup file cannot hold. Nothing was "
            "exported.");
  EXPECT_TRUE(error.error_icon);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.File("folder.vtb")));

  SetList({kFive[0]});
  reg_->SetString("N1", "");
  form.reset();
  form = Open();
  error = Export(*form, dir_.File("folder"), IDOK);
  EXPECT_EQ(error.text, "Unable to write to " + dir_.File("folder.vtb") + ".");
}

TEST_F(MainExtras, TheExportDialogOffersTheNameLastChosen) {
  SetList(kFive);
  auto form = Open();
  Export(*form, dir_.File("first"));
  std::string offered;
  Export(*form, dir_.File("second"), IDYES, &offered);
  EXPECT_EQ(offered, "first");
  EXPECT_TRUE(std::filesystem::exists(dir_.File("second.vtb")));
}

TEST_F(MainExtras, OptionsButtonOpensTheOptionsDialog) {
  auto form = Open();
  const std::string file = dir_.File("options.ini");
  const std::string before = ReadTextFile(file);
  for (int button : {IDCANCEL, IDOK}) {
    bool answered = false;
    WindowAnswerer dialog("Options", [&](HWND window) {
      // The buttons by caption: "&OK" and "&Cancel".
      HWND pressed = FindWindowExA(window, nullptr, "Button", button == IDOK ? "&OK" : "&Cancel");
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(pressed), BN_CLICKED), reinterpret_cast<LPARAM>(pressed));
      answered = true;
    });
    ClickButton(*form, "ToolButton10");
    EXPECT_TRUE(PumpUntil([&] { return answered && ThreadWindowsCaptioned("Options").empty(); }));
    if (button == IDCANCEL) {
      EXPECT_EQ(ReadTextFile(file), before);
    }
  }
  EXPECT_EQ(ReadTextFile(file), "[Options]\r\nShowTips=0\r\nExploreFolder=1\r\nAskDelete=1\r\n");
}

TEST_F(MainExtras, TheStartupTipShowsOverTheFilledMainWindowWhileShowTipsIsOn) {
  const std::string file = dir_.File("options.ini");
  WriteTextFile(file, "[Options]\r\nShowTips=1\r\n");
  SetList(kFive);
  bool main_visible = false;
  LRESULT rows_shown = -1;
  {
    WindowAnswerer tip(kTipCaption, [&](HWND window) {
      HWND main = FindWindowA("Vantor Test Main", nullptr);
      main_visible = main && IsWindowVisible(main);
      HWND list = FindWindowExA(main, nullptr, WC_LISTVIEWA, nullptr);
      rows_shown = list ? SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) : -1;
      HWND choice = FindWindowExA(window, nullptr, "ComboBox", nullptr);
      SendMessageA(choice, CB_SETCURSEL, 1, 0);
      HWND close = FindWindowExA(window, nullptr, "Button", "&Close");
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(close), BN_CLICKED), reinterpret_cast<LPARAM>(close));
    });
    auto form = Open();
    EXPECT_TRUE(tip.answered());
    EXPECT_FALSE(form->Options().ShowTips);
  }
  EXPECT_TRUE(main_visible);
  EXPECT_EQ(rows_shown, 5);
  EXPECT_EQ(ReadTextFile(file), "[Options]\r\nShowTips=0\r\nExploreFolder=1\r\nAskDelete=1\r\n");

  WindowAnswerer no_tip(kTipCaption, [](HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); });
  auto form = Open();
  Pump(200);
  EXPECT_FALSE(no_tip.answered()) << "ShowTips=0: no tip at the next start";
}

}  // namespace
}  // namespace vantor::testing
