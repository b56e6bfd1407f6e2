// TfrmOptions on real windows, its modal runs answered by the test.
#include "options_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dialog_test_support.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

class OptionsDialog : public ::testing::Test {
 protected:
  TempDir dir_;
  const std::string file_ = dir_.File("options.ini");
  OwnerForm owner_;

  AppOptions Loaded() {
    AppOptions options;
    LoadSaveOptions(true, options, file_);
    return options;
  }
};

TEST_F(OptionsDialog, Layout) {
  AppOptions options = Loaded();
  extras::TfrmOptions dialog(owner_, options, file_);
  HWND form = dialog.handle();
  EXPECT_EQ(WindowText(form), "Options");
  EXPECT_EQ(ClientSize(form).cx, 340);
  EXPECT_EQ(ClientSize(form).cy, 188);
  struct Expected {
    ui::Control& control;
    Place place;
    const char* text;
  };
  const Expected expected[] = {
      {dialog.ExploreFolderBox(), {9 + 16, 6 + 24, 291, 17}, "Explore folder when opening it in a stand alone window"},
      {dialog.AskDeleteBox(), {9 + 16, 6 + 56, 225, 17}, "Ask before deleting a selected item"},
      {dialog.ShowTipsBox(), {9 + 16, 6 + 88, 209, 17}, "Always show tips at startup"},
      {dialog.OkButton(), {168, 149, 75, 25}, "&OK"},
      {dialog.CancelButton(), {254, 149, 75, 25}, "&Cancel"},
  };
  EXPECT_EQ(PlaceIn(dialog.Group().handle(), form), (Place{9, 6, 321, 131}));
  for (const Expected& e : expected) {
    EXPECT_EQ(PlaceIn(e.control.handle(), form), e.place) << e.text;
    EXPECT_EQ(e.control.Text(), e.text);
    EXPECT_EQ(FontOf(e.control.handle()).face, "MS Sans Serif") << e.text;
  }
  // Tab order: the three boxes, then the buttons.
  HWND tab = GetNextDlgTabItem(form, nullptr, FALSE);
  for (HWND expected_next : {dialog.ExploreFolderBox().handle(), dialog.AskDeleteBox().handle(),
                             dialog.ShowTipsBox().handle(), dialog.OkButton().handle(), dialog.CancelButton().handle()}) {
    EXPECT_EQ(tab, expected_next);
    tab = GetNextDlgTabItem(form, tab, FALSE);
  }
  // Centred over its owner.
  dialog.Show();
  RECT over, under;
  GetWindowRect(form, &over);
  GetWindowRect(owner_.handle(), &under);
  EXPECT_LE(std::abs((over.left + over.right) - (under.left + under.right)), 1);
  EXPECT_LE(std::abs((over.top + over.bottom) - (under.top + under.bottom)), 1);
}

TEST_F(OptionsDialog, BoxesShowTheOptions) {
  {
    AppOptions options = Loaded();
    extras::TfrmOptions dialog(owner_, options, file_);
    EXPECT_TRUE(dialog.ExploreFolderBox().Checked() && dialog.AskDeleteBox().Checked() && dialog.ShowTipsBox().Checked())
        << "no options file: all ticked";
  }
  WriteTextFile(file_, "[Options]\r\nShowTips=0\r\n");
  AppOptions options = Loaded();
  extras::TfrmOptions dialog(owner_, options, file_);
  EXPECT_TRUE(dialog.ExploreFolderBox().Checked());
  EXPECT_TRUE(dialog.AskDeleteBox().Checked());
  EXPECT_FALSE(dialog.ShowTipsBox().Checked());
}

TEST_F(OptionsDialog, OkSavesAllThreeKeysCreatingTheFile) {
  AppOptions options = Loaded();
  {
    extras::TfrmOptions dialog(owner_, options, file_);
    EXPECT_EQ(ShowAnswered(dialog, "Options", [&](HWND) { PressButton(dialog.handle(), GetDlgCtrlID(dialog.OkButton().handle())); }),
              ui::kModalOk);
  }
  EXPECT_EQ(ReadTextFile(file_), "[Options]\r\nExploreFolder=1\r\nAskDelete=1\r\nShowTips=1\r\n");

  extras::TfrmOptions dialog(owner_, options, file_);
  dialog.AskDeleteBox().SetChecked(false);
  dialog.ExploreFolderBox().SetChecked(false);
  EXPECT_EQ(ShowAnswered(dialog, "Options", [&](HWND) { PressButton(dialog.handle(), GetDlgCtrlID(dialog.OkButton().handle())); }),
            ui::kModalOk);
  EXPECT_FALSE(options.AskDelete) << "acts at once for the next Delete";
  EXPECT_FALSE(options.ExploreFolder);
  EXPECT_TRUE(options.ShowTips);
  EXPECT_EQ(ReadTextFile(file_), "[Options]\r\nExploreFolder=0\r\nAskDelete=0\r\nShowTips=1\r\n");
}

TEST_F(OptionsDialog, CancelAndTheCloseButtonChangeNothing) {
  const std::string before = "[Options]\r\nExploreFolder=1\r\nAskDelete=0\r\nShowTips=1\r\n; mine\r\n";
  WriteTextFile(file_, before);
  AppOptions options = Loaded();
  const auto stamp = std::filesystem::last_write_time(file_);
  for (bool title_bar : {false, true}) {
    extras::TfrmOptions dialog(owner_, options, file_);
    dialog.AskDeleteBox().SetChecked(true);
    dialog.ShowTipsBox().SetChecked(false);
    const int result = ShowAnswered(dialog, "Options", [&](HWND window) {
      if (title_bar) {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      } else {
        PressButton(window, GetDlgCtrlID(dialog.CancelButton().handle()));
      }
    });
    EXPECT_EQ(result, ui::kModalCancel);
    EXPECT_FALSE(options.AskDelete);
    EXPECT_TRUE(options.ShowTips);
  }
  EXPECT_EQ(ReadTextFile(file_), before);
  EXPECT_EQ(std::filesystem::last_write_time(file_), stamp);
}

TEST_F(OptionsDialog, AFailedSaveIsReportedAndKeepsTheDialogOpen) {
  std::filesystem::create_directory(file_);  // a folder in the file's place
  AppOptions options{true, true, true};
  extras::TfrmOptions dialog(owner_, options, file_);
  dialog.ShowTipsBox().SetChecked(false);
  std::string error_text;
  bool still_open = false;
  const int result = ShowAnswered(dialog, "Options", [&](HWND window) {
    PressButton(window, GetDlgCtrlID(dialog.OkButton().handle()));
    WindowAnswerer box("Vantor", [&](HWND error_box) {
      error_text = MessageBoxText(error_box);
      PressButton(error_box, IDOK);
    });
    WaitUntil([&] { return box.answered() && !FindOwnWindow("Vantor"); });
    still_open = IsWindowVisible(window) != FALSE;
    PressButton(window, GetDlgCtrlID(dialog.CancelButton().handle()));
  });
  EXPECT_EQ(error_text, "Unable to write to " + file_ + ".");
  EXPECT_TRUE(still_open);
  EXPECT_EQ(result, ui::kModalCancel);
  EXPECT_FALSE(options.ShowTips) << "the new values act for the rest of the run";
}

}  // namespace
}  // namespace vantor::testing
