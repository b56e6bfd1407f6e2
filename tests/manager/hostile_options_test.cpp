// An options file the manager cannot read or write, through the main window: it
// starts with every option on (so the tip of the day shows), the options dialog's OK
// names the file in the error box and stays open, and the store is not touched.
#include "main_form_fixture.h"

#include <filesystem>

#include "window_answerer.h"

namespace vantor::testing {
namespace {

constexpr char kTipCaption[] = "Vantor Tip of the Day";

class HostileOptions : public MainFormTest {
 protected:
  // Opens the window; the tip of the day, when it shows, is closed by its close button.
  std::unique_ptr<TfrmMain> OpenClosingTheTip(bool& tip_shown) {
    WindowWatcher tip(kTipCaption, [](HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); });
    auto form = Open();
    Pump(100);
    tip_shown = tip.fired();
    return form;
  }
  // Options, then OK: the text of the error box that follows (if any), whether the
  // dialog was still open after it; then Cancel.
  struct SaveResult {
    std::string error;
    bool still_open = false;
  };
  SaveResult SaveOptions(TfrmMain& form) {
    SaveResult result;
    WindowAnswerer dialog("Options", [&](HWND window) {
      HWND ok = FindWindowExA(window, nullptr, "Button", "&OK");
      HWND cancel = FindWindowExA(window, nullptr, "Button", "&Cancel");
      WindowAnswerer box("Vantor", [&](HWND error_box) {
        result.error = MessageBoxText(error_box);
        PressButton(error_box, IDOK);
      });
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED), reinterpret_cast<LPARAM>(ok));
      WaitUntil([&] { return (box.answered() && !FindOwnWindow("Vantor")) || !IsWindowVisible(window); }, 5000);
      result.still_open = IsWindow(window) && IsWindowVisible(window);
      if (result.still_open)
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(cancel), BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    });
    ClickButton(form, "ToolButton10");
    EXPECT_TRUE(PumpUntil([&] { return dialog.answered() && ThreadWindowsCaptioned("Options").empty(); }, 10000));
    return result;
  }
};

TEST_F(HostileOptions, AnOptionsFileThatIsAFolderGivesTheDefaultsAndAClearSaveFailure) {
  const std::string file = dir_.File("options.ini");
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  SetList(kFive);
  bool tip_shown = false;
  auto form = OpenClosingTheTip(tip_shown);
  EXPECT_TRUE(tip_shown) << "every option reads as on";
  EXPECT_TRUE(form->Options().ExploreFolder && form->Options().AskDelete && form->Options().ShowTips);
  EXPECT_EQ(Shown(*form), kFive);

  const SaveResult save = SaveOptions(*form);
  EXPECT_EQ(save.error, "Unable to write to " + file + ".");
  EXPECT_TRUE(save.still_open);
  EXPECT_TRUE(std::filesystem::is_directory(file));
  EXPECT_TRUE(std::filesystem::is_empty(file));
  EXPECT_EQ(StoredWithoutSetting(), Expected(kFive));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1) << "no temporary file left";
}

TEST_F(HostileOptions, AnOptionsFileHeldOpenByAnotherProgramGivesTheDefaultsAndAClearSaveFailure) {
  const std::string file = dir_.File("options.ini");
  const std::string before = ReadTextFile(file);  // ShowTips=0, which the manager cannot see
  HANDLE hold = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);
  SetList(kFive);
  bool tip_shown = false;
  auto form = OpenClosingTheTip(tip_shown);
  EXPECT_TRUE(tip_shown);
  EXPECT_TRUE(form->Options().ShowTips);

  const SaveResult save = SaveOptions(*form);
  CloseHandle(hold);
  EXPECT_EQ(save.error, "Unable to write to " + file + ".");
  EXPECT_TRUE(save.still_open);
  EXPECT_EQ(ReadTextFile(file), before);
  EXPECT_EQ(StoredWithoutSetting(), Expected(kFive));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1) << "no temporary file left";
}

}  // namespace
}  // namespace vantor::testing
