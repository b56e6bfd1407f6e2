// Which action a decoded menu command leads to, and with which window.
#include <gtest/gtest.h>

#include <ole2.h>

#include "action_fixture.h"
#include "command_runner.h"
#include "fake_shell_browser.h"
#include "temp_dir.h"
#include "test_windows.h"

namespace vantor::shell::testing {
namespace {

using vantor::testing::TempDir;
using vantor::testing::WriteTextFile;

DecodedCommand Favourite(MenuLayout layout, std::uint16_t number) {
  return DecodedCommand{layout, CommandItem::kFavourite, number};
}

class DispatchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  void SetUp() override {
    fixture_.registry->SetString("N0", "fav");
    fixture_.registry->SetString("P0", favourite_.path());
  }
  TempDir favourite_;
  ActionFixture fixture_{kWindowsXp};
};

TEST_F(DispatchTest, OnTheDesktopAFavouriteOpensInANewWindowByTheOption) {
  TempDir manager;
  fixture_.registry->SetString("Setting", manager.File("Vantor.exe"));
  TestWindow desktop(CreateActiveTopLevel("Progman"));
  for (const char* option : {"1", "0"}) {
    WriteTextFile(manager.File("options.ini"), std::string("[Options]\r\nExploreFolder=") + option);
    fixture_.programs.starts.clear();
    RunDecodedCommand(Favourite(MenuLayout::kNoSelection, 1), InvokeContext{desktop.get(), {}, nullptr, ""},
                      fixture_.env);
    ProgramStart expected{nullptr, *option == '1' ? "Explore" : "open", favourite_.path(), "", "", SW_SHOWDEFAULT};
    EXPECT_EQ(fixture_.programs.starts, std::vector<ProgramStart>{expected});
  }
}

TEST_F(DispatchTest, OnTheDesktopAMissingFolderIsReportedAndAnEmptyPathIgnored) {
  fixture_.registry->SetString("P1", "C:\\no longer here");
  TestWindow desktop(CreateActiveTopLevel("Progman"));
  InvokeContext context{desktop.get(), {}, nullptr, ""};
  RunDecodedCommand(Favourite(MenuLayout::kNoSelection, 2), context, fixture_.env);
  RunDecodedCommand(Favourite(MenuLayout::kNoSelection, 3), context, fixture_.env);
  EXPECT_EQ(fixture_.messages.texts, std::vector<std::string>{"\"C:\\no longer here\" does not exist."});
  EXPECT_TRUE(fixture_.programs.starts.empty());
}

TEST_F(DispatchTest, ABackgroundThatIsNotTheDesktopJumpsInItsOwnWindow) {
  RecordingShellBrowser browser;
  TestWindow browsing(CreateBrowserHostWindow(browser));
  RunDecodedCommand(Favourite(MenuLayout::kNoSelection, 1), InvokeContext{browsing.get(), {}, nullptr, ""},
                    fixture_.env);
  EXPECT_EQ(browser.browsed, std::vector<std::string>{favourite_.path()});
  EXPECT_EQ(browser.flags, std::vector<UINT>{0u});
  EXPECT_EQ(browser.references, 1) << "the borrowed browser keeps exactly the window's reference";
  EXPECT_TRUE(fixture_.programs.starts.empty());
}

TEST_F(DispatchTest, OnOneFolderTheActiveWindowIsTheHostNotHwnd) {
  RecordingShellBrowser browser;
  TestWindow plain(CreateActiveTopLevel("VantorPlainInvoker"));
  TestWindow active(CreateBrowserHostWindow(browser));
  ASSERT_EQ(GetActiveWindow(), active.get());
  InvokeContext context{plain.get(), {favourite_.path()}, nullptr, ""};

  RunDecodedCommand(Favourite(MenuLayout::kSingleFolder, 1), context, fixture_.env);
  EXPECT_EQ(browser.browsed, std::vector<std::string>{favourite_.path()});
  EXPECT_TRUE(fixture_.programs.starts.empty());

  // With several items the invocation's window is the host: it has no browser.
  RunDecodedCommand(Favourite(MenuLayout::kOtherSelection, 1), context, fixture_.env);
  EXPECT_EQ(browser.browsed.size(), 1u);
  ASSERT_EQ(fixture_.programs.starts.size(), 1u);
  EXPECT_EQ(fixture_.programs.starts[0].verb, "Explore");
}

TEST_F(DispatchTest, SettingsStartsTheManagerOwnedByHwnd) {
  fixture_.registry->SetString("Setting", "C:\\windows\\system32\\cmd.exe");
  HWND owner = reinterpret_cast<HWND>(0x4321);
  for (MenuLayout layout : {MenuLayout::kNoSelection, MenuLayout::kSingleFolder, MenuLayout::kOtherSelection})
    RunDecodedCommand(DecodedCommand{layout, CommandItem::kSettings, 0}, InvokeContext{owner, {}, nullptr, ""},
                      fixture_.env);
  ASSERT_EQ(fixture_.programs.starts.size(), 3u);
  for (const ProgramStart& start : fixture_.programs.starts) EXPECT_EQ(start.owner, owner);
}

TEST_F(DispatchTest, AddToVantorAppendsTheSelectedFolder) {
  TempDir added;
  RunDecodedCommand(DecodedCommand{MenuLayout::kSingleFolder, CommandItem::kAddToVantor, 0},
                    InvokeContext{nullptr, {added.path()}, nullptr, ""}, fixture_.env);
  EXPECT_EQ(fixture_.env.store.ReadValue("P1"), added.path());
}

TEST_F(DispatchTest, OffsetsWithoutAnItemDoNothing) {
  fixture_.registry->SetString("P65532", favourite_.path());
  RecordingShellBrowser browser;
  TestWindow active(CreateBrowserHostWindow(browser));
  for (MenuLayout layout : {MenuLayout::kSingleFolder, MenuLayout::kOtherSelection})
    RunDecodedCommand(DecodedCommand{layout, CommandItem::kNone, 0}, InvokeContext{active.get(), {}, nullptr, ""},
                      fixture_.env);
  EXPECT_TRUE(browser.browsed.empty());
  EXPECT_TRUE(fixture_.programs.starts.empty());
  EXPECT_TRUE(fixture_.messages.texts.empty());
}

}  // namespace
}  // namespace vantor::shell::testing
