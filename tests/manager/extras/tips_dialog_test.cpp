// TfrmTips on real windows, its modal runs answered by the test.
#include "tips_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "dialog_test_support.h"
#include "temp_dir.h"
#include "tip_pages.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;

constexpr char kCaption[] = "Vantor Tip of the Day";

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  for (LRESULT i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
    char text[256] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

class TipsDialog : public ::testing::Test {
 protected:
  TempDir dir_;
  const std::string file_ = dir_.File("options.ini");
  OwnerForm owner_;
  AppOptions options_{true, false, true};

  void ChooseAndClose(extras::TfrmTips& dialog, int choice, bool title_bar, int* result) {
    *result = ShowAnswered(dialog, kCaption, [&](HWND window) {
      SendMessageA(dialog.Choice().handle(), CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
      if (title_bar) {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      } else {
        PressButton(window, GetDlgCtrlID(dialog.CloseButton().handle()));
      }
    });
  }
};

TEST_F(TipsDialog, LayoutAndPages) {
  extras::TfrmTips dialog(owner_, options_, file_);
  HWND form = dialog.handle();
  EXPECT_EQ(WindowText(form), kCaption);
  EXPECT_EQ(ClientSize(form).cx, 352);
  EXPECT_EQ(ClientSize(form).cy, 206);
  EXPECT_EQ(PlaceIn(dialog.Choice().handle(), form).left, 8);
  EXPECT_EQ(PlaceIn(dialog.Choice().handle(), form).top, 177);
  EXPECT_EQ(PlaceIn(dialog.NextButton().handle(), form), (Place{188, 175, 73, 25}));
  EXPECT_EQ(PlaceIn(dialog.CloseButton().handle(), form), (Place{272, 175, 73, 25}));
  EXPECT_EQ(dialog.NextButton().Text(), "&Next Tip");
  EXPECT_EQ(dialog.CloseButton().Text(), "&Close");
  EXPECT_THAT(ChildTexts(form, "VantorPanel").size(), 1u) << "Panel1";
  HWND panel1 = GetParent(dialog.Pages().handle());
  EXPECT_EQ(PlaceIn(panel1, form), (Place{6, 6, 338, 163}));
  EXPECT_EQ(PlaceIn(dialog.Pages().handle(), panel1), (Place{59, 37, 271, 123}));
  HWND heading = FindWindowExA(panel1, nullptr, "Static", "Did you know...");
  ASSERT_NE(heading, nullptr);
  const Place heading_place = PlaceIn(heading, panel1);
  EXPECT_EQ(heading_place.left, 65);
  EXPECT_EQ(heading_place.top, 8);
  EXPECT_GE(heading_place.width, 136) << "at least the layout's size, wider when the font needs it";
  EXPECT_GE(heading_place.height, 18);
  EXPECT_EQ(FontOf(heading).face, "Verdana");
  EXPECT_EQ(FontOf(heading).height, -16);
  EXPECT_TRUE(FontOf(heading).bold);

  HWND icon = FindWindowExA(FindWindowExA(panel1, nullptr, "VantorPanel", nullptr), nullptr, "Static", nullptr);
  ASSERT_NE(icon, nullptr) << "Image1 in Panel2";
  EXPECT_EQ(PlaceIn(GetParent(icon), panel1), (Place{0, 2, 45, 175}));
  EXPECT_EQ(PlaceIn(icon, GetParent(icon)), (Place{7, 32, 32, 32}));
  EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);

  const auto& pages = extras::TipPages();
  ASSERT_EQ(dialog.Pages().PageCount(), 5);
  const std::pair<std::size_t, const char*> first_lines[] = {
      {4, "Vantor runs automatically as part"}, {5, "You can run only one copy of Vantor"},
      {7, "You access the \"Vantor\" menu by "}, {5, "How to add a favorite folder"},
      {6, "How to edit a favorite folder?"}};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(pages[i].lines.size(), first_lines[i].first) << "page " << i;
    EXPECT_EQ(std::string(pages[i].lines[0].text), first_lines[i].second);
  }
  EXPECT_EQ(std::string(pages[3].lines[4].text), "\"Add to Vantor\".");
  EXPECT_EQ(std::string(pages[1].lines[1].text), "to edit select folders. ");
  for (int i = 0; i < 5; ++i) {
    const auto labels = dialog.PageLabels(i);
    ASSERT_EQ(labels.size(), pages[static_cast<std::size_t>(i)].lines.size());
    for (std::size_t j = 0; j < labels.size(); ++j) {
      const extras::TipLine& line = pages[static_cast<std::size_t>(i)].lines[j];
      EXPECT_EQ(labels[j]->Text(), line.text);
      const Place place = PlaceIn(labels[j]->handle(), dialog.Pages().handle());
      EXPECT_EQ(place.left, line.left) << line.text;
      EXPECT_EQ(place.top, line.top) << line.text;
      EXPECT_EQ(FontOf(labels[j]->handle()).face, "Verdana");
      EXPECT_EQ(FontOf(labels[j]->handle()).height, -11);
    }
  }
  ASSERT_EQ(dialog.Choice().ItemCount(), 2);
  EXPECT_THAT(ComboItems(dialog.Choice().handle()),
              ElementsAre("Always show tips at startup", "Never show tips at startup"));
  EXPECT_EQ(GetWindowLongA(dialog.Choice().handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);

  dialog.Show();
  RECT window;
  GetWindowRect(form, &window);
  EXPECT_LE(std::abs(window.left + window.right - GetSystemMetrics(SM_CXSCREEN)), 1) << "centred on the screen";
  EXPECT_LE(std::abs(window.top + window.bottom - GetSystemMetrics(SM_CYSCREEN)), 1);
}

TEST_F(TipsDialog, OpensOnOneOfTheFirstFourPagesWithNextFocused) {
  std::set<int> first_pages;
  for (int run = 0; run < 12; ++run) {
    extras::TfrmTips dialog(owner_, options_, file_);
    dialog.Show();
    first_pages.insert(dialog.Pages().PageIndex());
    EXPECT_EQ(dialog.Choice().ItemIndex(), 0);
    EXPECT_TRUE(dialog.NextButton().Focused());
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(IsWindowVisible(dialog.Pages().Page(i).handle()) != FALSE, i == dialog.Pages().PageIndex());
  }
  EXPECT_EQ(first_pages.count(4), 0u);
  EXPECT_LE(*first_pages.rbegin(), 3);

  std::mt19937 random(7);
  std::set<std::size_t> drawn;
  for (int i = 0; i < 200; ++i) drawn.insert(extras::FirstTipPage(random, 5));
  EXPECT_EQ(drawn, (std::set<std::size_t>{0, 1, 2, 3}));
}

TEST_F(TipsDialog, NextTipCyclesThroughAllPages) {
  extras::TfrmTips dialog(owner_, options_, file_);
  dialog.Show();
  const int start = dialog.Pages().PageIndex();
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    dialog.NextButton().Click();
    seen.push_back(dialog.Pages().PageIndex());
  }
  EXPECT_EQ(seen.back(), start);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(seen[static_cast<std::size_t>(i)], (start + 1 + i) % 5);
  dialog.Pages().SetPageIndex(4);
  dialog.NextButton().Click();
  EXPECT_EQ(dialog.Pages().PageIndex(), 0);
}

TEST_F(TipsDialog, CloseSavesOnlyAChangedChoice) {
  const std::string before = "[Options]\r\nExploreFolder=1\r\nAskDelete=0\r\nShowTips=1\r\n";
  WriteTextFile(file_, before);
  const auto stamp = std::filesystem::last_write_time(file_);
  int result = 0;
  {
    extras::TfrmTips dialog(owner_, options_, file_);
    ChooseAndClose(dialog, extras::TfrmTips::kAlwaysShow, false, &result);
  }
  EXPECT_EQ(result, ui::kModalOk);
  EXPECT_EQ(ReadTextFile(file_), before);
  EXPECT_EQ(std::filesystem::last_write_time(file_), stamp) << "unchanged choice: file untouched";

  {
    extras::TfrmTips dialog(owner_, options_, file_);
    ChooseAndClose(dialog, extras::TfrmTips::kNeverShow, true, &result);
  }
  EXPECT_EQ(result, ui::kModalCancel);
  EXPECT_TRUE(options_.ShowTips) << "the close button saves nothing";
  EXPECT_EQ(std::filesystem::last_write_time(file_), stamp);

  {
    extras::TfrmTips dialog(owner_, options_, file_);
    ChooseAndClose(dialog, extras::TfrmTips::kNeverShow, false, &result);
  }
  EXPECT_EQ(result, ui::kModalOk);
  EXPECT_FALSE(options_.ShowTips);
  EXPECT_EQ(ReadTextFile(file_), "[Options]\r\nExploreFolder=1\r\nAskDelete=0\r\nShowTips=0\r\n");
}

TEST_F(TipsDialog, StartupTipOnlyWhileShowTipsIsOn) {
  options_.ShowTips = false;
  extras::ShowStartupTip(owner_, options_, file_);  // returns at once: nothing to answer
  options_.ShowTips = true;
  bool shown = false;
  WindowAnswerer answerer(kCaption, [&](HWND window) {
    shown = true;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  extras::ShowStartupTip(owner_, options_, file_);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(TipsDialog, AFailedSaveIsReportedAndKeepsTheDialogOpen) {
  std::filesystem::create_directory(file_);
  extras::TfrmTips dialog(owner_, options_, file_);
  std::string error_text;
  bool still_open = false;
  const int result = ShowAnswered(dialog, kCaption, [&](HWND window) {
    SendMessageA(dialog.Choice().handle(), CB_SETCURSEL, extras::TfrmTips::kNeverShow, 0);
    PressButton(window, GetDlgCtrlID(dialog.CloseButton().handle()));
    WindowAnswerer box("Vantor", [&](HWND error_box) {
      error_text = MessageBoxText(error_box);
      PressButton(error_box, IDOK);
    });
    WaitUntil([&] { return box.answered() && !FindOwnWindow("Vantor"); });
    still_open = IsWindowVisible(window) != FALSE;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(error_text, "Unable to write to " + file_ + ".");
  EXPECT_TRUE(still_open);
  EXPECT_EQ(result, ui::kModalCancel);
  EXPECT_FALSE(options_.ShowTips);
}

}  // namespace
}  // namespace vantor::testing
