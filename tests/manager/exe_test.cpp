// The real Vantor.exe under Wine, on the real store key of the test's Wine prefix.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "folder_store.h"
#include "manager_process.h"
#include "system_info.h"
#include "ui_driver.h"
#include "win_registry.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;

class ManagerExeTest : public ::testing::Test {
 protected:
  StoreKeyGuard key_guard_;
  ManagerInstall install_;
  WinRegistry registry_;
  FolderStore store_{registry_};
};

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

TEST_F(ManagerExeTest, FirstStartCreatesTheDefaultListAndRecordsItsPath) {
  ManagerProcess manager(install_.exe_path());
  HWND window = manager.WaitForWindow(2);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ClassName(window), "Vantor Made by Quillon");
  EXPECT_EQ(WindowText(window), " Vantor 1.1");
  EXPECT_EQ(store_.ReadFolderList(), (FolderList{{"Windows Directory", WindowsDirectory()}, {"C:\\", "C:\\"}}));
  EXPECT_EQ(store_.ReadValue("Setting"), install_.exe_path());
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(manager.WaitForExit(), 0);
  // Closing writes nothing: the store is as the start left it.
  EXPECT_EQ(store_.ReadFolderList().size(), 2u);
}

TEST_F(ManagerExeTest, SettingInOtherLetterCaseIsRewrittenAndAnExistingListKept) {
  std::string upper = install_.exe_path();
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  ASSERT_NE(upper, install_.exe_path());
  store_.WriteStoreValue("N0", "Mine");
  store_.WriteStoreValue("P0", "C:\\");
  store_.WriteStoreValue("Setting", upper);
  ManagerProcess manager(install_.exe_path());
  ASSERT_NE(manager.WaitForWindow(1), nullptr);
  EXPECT_EQ(store_.ReadValue("Setting"), install_.exe_path());
  EXPECT_EQ(store_.ReadFolderList(), (FolderList{{"Mine", "C:\\"}}));
}

TEST_F(ManagerExeTest, SecondStartEndsAtOnceAndBringsTheFirstToTheFront) {
  ManagerProcess first(install_.exe_path());
  HWND window = first.WaitForWindow(2);
  ASSERT_NE(window, nullptr);
  for (bool minimised : {false, true}) {
    // Something else in front, or the manager minimised.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    if (minimised) ShowWindow(window, SW_MINIMIZE);
    Pump(100);
    ASSERT_EQ(IsIconic(window) != FALSE, minimised);
    ManagerProcess second(install_.exe_path());
    EXPECT_EQ(second.WaitForExit(), 0) << "minimised: " << minimised;
    EXPECT_EQ(TopLevelWindowsOfClass(kRealMainClass).size(), 1u);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(window) && GetForegroundWindow() == window; }))
        << "minimised: " << minimised;
    EXPECT_TRUE(IsWindowVisible(window));
    DestroyWindow(other);
  }
}

TEST_F(ManagerExeTest, SecondStartBringsTheOpenDialogToTheFrontWithItsWindow) {
  ManagerProcess first(install_.exe_path());
  HWND window = first.WaitForWindow(2);
  ASSERT_NE(window, nullptr);
  // Add, clicked as the mouse does: the item dialog opens over the window.
  HWND toolbar = FindWindowExA(window, nullptr, "VantorToolBar", nullptr);
  ASSERT_NE(toolbar, nullptr);
  PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(22, 18));
  PostMessageA(toolbar, WM_LBUTTONUP, 0, MAKELPARAM(22, 18));
  HWND dialog = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (dialog = FindWindowA(nullptr, "Add Item")) && IsWindowVisible(dialog); }));
  ShowWindow(window, SW_MINIMIZE);
  Pump(100);
  ASSERT_TRUE(IsIconic(window));
  ManagerProcess second(install_.exe_path());
  EXPECT_EQ(second.WaitForExit(), 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(window) && GetForegroundWindow() == dialog; }))
      << "iconic " << IsIconic(window) << ", foreground " << GetForegroundWindow() << " (window " << window
      << ", dialog " << dialog << ")";
  EXPECT_TRUE(IsWindowVisible(dialog));
  PostMessageA(dialog, WM_CLOSE, 0, 0);  // ends as Cancel: nothing added
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog); }));
  EXPECT_EQ(store_.ReadFolderList().size(), 2u);
}

}  // namespace
}  // namespace vantor::testing
