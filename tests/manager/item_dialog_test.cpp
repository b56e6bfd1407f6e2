// TfrmProperty on real windows, answered by the test as a user would.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "add_item.h"
#include "application.h"
#include "path_rules.h"
#include "temp_dir.h"
#include "ui_driver.h"

namespace vantor::testing {
namespace {

class ItemDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_.Show();
    if (!ui::Application::Instance().main_form()) ui::Application::Instance().SetMainForm(&owner_);
  }
  void TearDown() override {
    if (ui::Application::Instance().main_form() == &owner_) ui::Application::Instance().SetMainForm(nullptr);
  }
  static TfrmProperty& Dialog(HWND window) {
    auto* form = dynamic_cast<TfrmProperty*>(ui::Window::FromHandle(window));
    if (!form) throw std::logic_error("not the item dialog");
    return *form;
  }
  ui::Form owner_{nullptr, ui::FormLayout{"Owner", 539, 430}};
  TempDir dir_;
};

TEST_F(ItemDialogTest, OpensTitledAddItemWithTheEntryAndTheFocusInTheAliasBox) {
  TfrmProperty dialog(owner_, "Docs", "C:\\Docs");
  HWND focus = nullptr;
  WindowWatcher watcher("Add Item", [&](HWND window) {
    focus = GetFocus();
    PostClick(Dialog(window).fbCancel.handle());
  });
  EXPECT_EQ(dialog.ShowModal(), ui::kModalCancel);
  EXPECT_EQ(focus, dialog.feName.handle());
  EXPECT_EQ(dialog.feName.Text(), "Docs");
  EXPECT_EQ(dialog.fePath.Text(), "C:\\Docs");
  RECT client;
  GetClientRect(dialog.handle(), &client);
  EXPECT_EQ(client.right, 305);
  EXPECT_EQ(client.bottom, 153);
}

TEST_F(ItemDialogTest, EmptyBoxesShowTheEmptyBoxMessageAndTheDialogStays) {
  const std::pair<const char*, const char*> cases[] = {{"", ""}, {"alias", ""}, {"", "C:\\"}};
  for (const auto& [alias, path] : cases) {
    TfrmProperty dialog(owner_, alias, path);
    SeenMessageBox box;
    bool still_open = false;
    WindowWatcher press_ok("Add Item", [&](HWND window) { PostClick(Dialog(window).fbOk.handle()); });
    WindowWatcher answer("Vantor", AnswerMessageBox(box, IDOK));
    WindowWatcher cancel("Add Item", [&](HWND window) {
      still_open = IsWindowVisible(window) != FALSE;
      PostClick(Dialog(window).fbCancel.handle());
    });
    EXPECT_EQ(dialog.ShowModal(), ui::kModalCancel) << alias << "|" << path;
    EXPECT_EQ(box.text, "Alias or Path box was empty. Please enter some words in these box.");
    EXPECT_TRUE(box.error_icon);
    EXPECT_TRUE(still_open);
  }
}

TEST_F(ItemDialogTest, APathThatIsNoFolderIsRefusedWithTheFocusInThePathBox) {
  const std::string file = dir_.File("file.txt");
  WriteTextFile(file, "x");
  const std::string cases[] = {file, "Q:\\Missing", dir_.File("missing")};
  for (const std::string& path : cases) {
    TfrmProperty dialog(owner_, "alias", path);
    SeenMessageBox box;
    HWND focus = nullptr;
    bool others_disabled = false;
    WindowWatcher press_ok("Add Item", [&](HWND window) { PostClick(Dialog(window).fbOk.handle()); });
    WindowWatcher answer("Vantor", [&](HWND message_box) {
      others_disabled = !IsWindowEnabled(dialog.handle()) && !IsWindowEnabled(owner_.handle());
      AnswerMessageBox(box, IDOK)(message_box);
    });
    WindowWatcher cancel("Add Item", [&](HWND window) {
      focus = GetFocus();
      PostClick(Dialog(window).fbCancel.handle());
    });
    EXPECT_EQ(dialog.ShowModal(), ui::kModalCancel);
    EXPECT_EQ(box.text, path + ",the input path does not exist.");
    EXPECT_TRUE(box.error_icon);
    EXPECT_EQ(focus, dialog.fePath.handle()) << path;
    EXPECT_TRUE(others_disabled);
    EXPECT_TRUE(IsWindowEnabled(owner_.handle()));
  }
}

TEST_F(ItemDialogTest, AFolderIsAcceptedExactlyAsTyped) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string cases[] = {std::string(windows) + "\\", windows, dir_.path()};
  for (const std::string& path : cases) {
    TfrmProperty dialog(owner_, " spaced alias ", path);
    WindowWatcher press_ok("Add Item", [&](HWND window) { PostClick(Dialog(window).fbOk.handle()); });
    EXPECT_EQ(dialog.ShowModal(), ui::kModalOk) << path;
    EXPECT_EQ(dialog.fePath.Text(), path);
    EXPECT_EQ(dialog.feName.Text(), " spaced alias ");
  }
}

TEST_F(ItemDialogTest, EnterAndEscDoNotCloseItAndTabMovesBetweenTheBoxes) {
  TfrmProperty dialog(owner_, "", "");
  HWND focus_after_tab = nullptr;
  WindowWatcher keys("Add Item", [&](HWND window) {
    TfrmProperty& d = Dialog(window);
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
      PostMessageA(d.feName.handle(), WM_KEYDOWN, key, 0);
      PostMessageA(d.feName.handle(), WM_KEYUP, key, 0);
    }
    PostMessageA(d.feName.handle(), WM_KEYDOWN, VK_TAB, 0);
    PostMessageA(d.feName.handle(), WM_KEYUP, VK_TAB, 0);
  });
  WindowWatcher finish("Add Item", [&](HWND window) {
    TfrmProperty& d = Dialog(window);
    focus_after_tab = GetFocus();
    d.feName.SetText("Temp");
    d.fePath.SetText(dir_.path());
    PostClick(d.fbOk.handle());
  });
  EXPECT_EQ(dialog.ShowModal(), ui::kModalOk);
  EXPECT_TRUE(finish.fired());
  EXPECT_EQ(focus_after_tab, dialog.fePath.handle());
}

TEST_F(ItemDialogTest, TheTitleBarCloseButtonCancels) {
  TfrmProperty dialog(owner_, "a", dir_.path());
  WindowWatcher close("Add Item", [&](HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(dialog.ShowModal(), ui::kModalCancel);
}

TEST_F(ItemDialogTest, BrowsingFillsBothBoxesFromTheChosenFolder) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  TfrmProperty dialog(owner_, "typed alias", "typed path");
  bool owner_disabled = false;
  POINT corner{-1, -1}, expected{-2, -2};
  WindowWatcher browse("Add Item", [&](HWND window) { PostClick(Dialog(window).fsbBrowse.handle()); });
  WindowWatcher choose("Browse for Folder", [&](HWND browser) {
    owner_disabled = !IsWindowEnabled(dialog.handle()) && !IsWindowEnabled(owner_.handle());
    RECT frame, client;
    GetWindowRect(browser, &frame);
    GetClientRect(browser, &client);
    corner = {frame.left, frame.top};
    expected = {(GetSystemMetrics(SM_CXSCREEN) - client.right) / 2, (GetSystemMetrics(SM_CYSCREEN) - client.bottom) / 2};
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(windows));
    PostMessageA(browser, WM_COMMAND, IDOK, 0);
  });
  WindowWatcher cancel("Add Item", [&](HWND window) { PostClick(Dialog(window).fbCancel.handle()); });
  EXPECT_EQ(dialog.ShowModal(), ui::kModalCancel);
  ASSERT_TRUE(choose.fired());
  EXPECT_TRUE(owner_disabled);
  EXPECT_EQ(corner.x, expected.x);
  EXPECT_EQ(corner.y, expected.y);
  EXPECT_EQ(_stricmp(dialog.fePath.Text().c_str(), windows), 0) << dialog.fePath.Text();
  EXPECT_EQ(dialog.feName.Text(), AliasFromPath(dialog.fePath.Text()));
  EXPECT_TRUE(IsWindowEnabled(owner_.handle()));
}

TEST_F(ItemDialogTest, ACancelledBrowserChangesNothing) {
  TfrmProperty dialog(owner_, "typed alias", "typed path");
  WindowWatcher browse("Add Item", [&](HWND window) { PostClick(Dialog(window).fsbBrowse.handle()); });
  WindowWatcher close("Browse for Folder", [&](HWND browser) { PostMessageA(browser, WM_COMMAND, IDCANCEL, 0); });
  WindowWatcher cancel("Add Item", [&](HWND window) { PostClick(Dialog(window).fbCancel.handle()); });
  EXPECT_EQ(dialog.ShowModal(), ui::kModalCancel);
  EXPECT_TRUE(close.fired());
  EXPECT_EQ(dialog.feName.Text(), "typed alias");
  EXPECT_EQ(dialog.fePath.Text(), "typed path");
}

}  // namespace
}  // namespace vantor::testing
