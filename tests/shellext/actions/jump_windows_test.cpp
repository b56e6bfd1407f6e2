// JumpToFavourite on real windows of this thread: an Office-like dialog with real
// RichEdit20W boxes, older Windows' edit controls (version forced through its
// port) and a host that does not answer the browser query.
#include <gtest/gtest.h>

#include <ole2.h>

#include <map>

#include "action_fixture.h"
#include "jump.h"
#include "path_rules.h"
#include "shell_browser_jump.h"
#include "temp_dir.h"
#include "test_windows.h"

namespace vantor::shell::testing {
namespace {

using vantor::testing::TempDir;

// What a control received while the jump drove it.
struct ControlLog {
  std::string typed;          // every WM_CHAR, in order
  std::string text_at_enter;  // the control's text when Enter arrived
  int enters = 0;
  WNDPROC original = nullptr;
};

std::map<HWND, ControlLog>& Logs() {
  static std::map<HWND, ControlLog> logs;
  return logs;
}

LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ControlLog& log = Logs()[window];
  if (message == WM_CHAR) log.typed += static_cast<char>(wparam);
  if (message == WM_KEYDOWN && wparam == VK_RETURN) {
    ++log.enters;
    log.text_at_enter = TextOf(window);
  }
  return CallWindowProcW(log.original, window, message, wparam, lparam);
}

void Watch(HWND control) {
  Logs()[control].original =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LoggingProc)));
}

class JumpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    LoadLibraryA("riched20.dll");
    OleInitialize(nullptr);
  }
  void TearDown() override { Logs().clear(); }

  void StoreFavourite(ActionFixture& fixture, const std::string& path) {
    fixture.registry->SetString("N0", "fav");
    fixture.registry->SetString("P0", path);
  }
  TempDir favourite_;
};

TEST_F(JumpTest, OfficeDialogGetsThePathAndEnterInItsSecondBoxThenItsOldText) {
  for (const char* class_name : {"MsoBosa_Sdm_Test", "bosa_sdm_Mso96"}) {
    SCOPED_TRACE(class_name);
    ActionFixture fixture;
    StoreFavourite(fixture, favourite_.path());
    TestWindow dialog(CreateActiveTopLevel(class_name));
    HWND first = CreateChild(dialog.get(), "RichEdit20W", "first box");
    HWND second = CreateChild(dialog.get(), "RichEdit20W", "report.docx");
    Watch(first);
    Watch(second);
    JumpToFavourite(nullptr, 1, fixture.env);
    EXPECT_EQ(Logs()[second].typed, favourite_.path() + "report.docx");
    EXPECT_EQ(Logs()[second].enters, 1);
    EXPECT_EQ(Logs()[second].text_at_enter, favourite_.path());
    EXPECT_EQ(TextOf(second), "report.docx");
    EXPECT_EQ(Logs()[first].typed, "");
    EXPECT_EQ(TextOf(first), "first box");
    EXPECT_TRUE(fixture.programs.starts.empty());
    EXPECT_TRUE(fixture.messages.texts.empty());
    Logs().clear();
  }
}

TEST_F(JumpTest, OfficeDialogWithOneBoxTakesTheShellBrowserRoute) {
  ActionFixture fixture(kWindowsXp);
  StoreFavourite(fixture, favourite_.path());
  TestWindow dialog(CreateActiveTopLevel("bosa_sdm_single"));
  HWND only = CreateChild(dialog.get(), "RichEdit20W", "name.doc");
  Watch(only);
  JumpToFavourite(dialog.get(), 1, fixture.env);
  // The window does not answer the browser query: the folder opens in a new window.
  ProgramStart expected{nullptr, "Explore", favourite_.path(), "", "", SW_SHOWDEFAULT};
  EXPECT_EQ(fixture.programs.starts, std::vector<ProgramStart>{expected});
  EXPECT_EQ(Logs()[only].typed, "");
  EXPECT_EQ(TextOf(only), "name.doc");
}

TEST_F(JumpTest, OlderWindowsTypesIntoTheFirstEditDepthFirstAndPostsEnter) {
  ActionFixture fixture(kWindows98);
  StoreFavourite(fixture, favourite_.path());
  TestWindow dialog(CreateActiveTopLevel("VantorOldDialog"));
  HWND group = CreateChild(dialog.get(), "Static", "");
  HWND nested = CreateChild(group, "Edit", "old name.txt");
  HWND later = CreateChild(dialog.get(), "Edit", "untouched");
  ASSERT_EQ(FindWindowExA(dialog.get(), nullptr, nullptr, nullptr), group) << "children in creation order";
  EXPECT_EQ(FindEditDescendant(dialog.get()), nested);

  JumpToFavourite(nullptr, 1, fixture.env);
  EXPECT_EQ(TextOf(nested), favourite_.path());
  EXPECT_EQ(TextOf(later), "untouched");
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nested, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(message.wParam, static_cast<WPARAM>(VK_RETURN));
  ASSERT_TRUE(PeekMessageA(&message, nested, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(message.wParam, static_cast<WPARAM>(VK_RETURN));
  EXPECT_TRUE(fixture.programs.starts.empty());
}

TEST_F(JumpTest, OlderWindowsWithoutAnEditDoesNothing) {
  ActionFixture fixture(kWindows98);
  StoreFavourite(fixture, favourite_.path());
  TestWindow dialog(CreateActiveTopLevel("VantorNoEdit"));
  TestWindow other(CreateActiveTopLevel("VantorNoEditHost"));
  CreateChild(other.get(), "Static", "label");
  JumpToFavourite(dialog.get(), 1, fixture.env);
  EXPECT_TRUE(fixture.programs.starts.empty());
  EXPECT_TRUE(fixture.messages.texts.empty());
}

TEST_F(JumpTest, HostWithoutShellBrowserOpensANewWindowByTheOption) {
  for (const char* option : {"", "1", "0"}) {
    SCOPED_TRACE(option);
    ActionFixture fixture(kWindowsXp);
    StoreFavourite(fixture, favourite_.path());
    TempDir manager;
    fixture.registry->SetString("Setting", manager.File("Vantor.exe"));
    if (*option) vantor::testing::WriteTextFile(manager.File("options.ini"), std::string("[Options]\nExploreFolder=") + option);
    TestWindow host(CreateActiveTopLevel("VantorPlainHost"));
    JumpToFavourite(host.get(), 1, fixture.env);
    ProgramStart expected{nullptr, std::string(option) == "0" ? "open" : "Explore", favourite_.path(), "", "",
                          SW_SHOWDEFAULT};
    EXPECT_EQ(fixture.programs.starts, std::vector<ProgramStart>{expected});
  }
}

TEST_F(JumpTest, AMissingFolderIsReportedAndNothingElseHappens) {
  ActionFixture fixture(kWindows98);
  StoreFavourite(fixture, "C:\\gone\\away");
  TestWindow dialog(CreateActiveTopLevel("VantorMissing"));
  HWND edit = CreateChild(dialog.get(), "Edit", "keep");
  JumpToFavourite(dialog.get(), 1, fixture.env);
  EXPECT_EQ(fixture.messages.texts, std::vector<std::string>{"\"C:\\gone\\away\" does not exist."});
  EXPECT_EQ(TextOf(edit), "keep");
  EXPECT_TRUE(fixture.programs.starts.empty());
}

TEST_F(JumpTest, AnEmptyOrMissingFavouriteDoesNothing) {
  for (std::uint16_t number : {std::uint16_t{1}, std::uint16_t{2}, std::uint16_t{65535}}) {
    ActionFixture fixture(kWindowsXp);
    fixture.registry->SetString("P0", "");
    TestWindow host(CreateActiveTopLevel("VantorEmpty"));
    JumpToFavourite(host.get(), number, fixture.env);
    EXPECT_TRUE(fixture.programs.starts.empty());
    EXPECT_TRUE(fixture.messages.texts.empty());
  }
}

TEST_F(JumpTest, AFolderTheShellCannotParseEndsTheJumpQuietly) {
  // A folder that vanished between the existence test and the parse: the route
  // is driven directly, since the jump itself tests existence first.
  TestWindow host(CreateActiveTopLevel("VantorUnparsable"));
  EXPECT_EQ(BrowseHostTo(host.get(), "C:\\no such\\folder here"), BrowseOutcome::kUnparsablePath);
  EXPECT_EQ(BrowseHostTo(host.get(), "C:\\"), BrowseOutcome::kNoBrowser);
}

TEST_F(JumpTest, APathTheShellCannotParseNeitherNavigatesNorOpensAWindow) {
  // Windows' file functions drop the trailing blank, the shell's parser does not.
  const std::string path = favourite_.path() + "\\ ";
  ActionFixture fixture(kWindowsXp);
  StoreFavourite(fixture, path);
  ASSERT_TRUE(IsExistingDirectory(path));
  TestWindow host(CreateActiveTopLevel("VantorUnparsableJump"));
  JumpToFavourite(host.get(), 1, fixture.env);
  EXPECT_TRUE(fixture.programs.starts.empty());
  EXPECT_TRUE(fixture.messages.texts.empty());
}

TEST(TypeText, AnEmptyTextSendsNothingAndBytesArriveUnchanged) {
  TestWindow window(CreateActiveTopLevel("VantorTypeText"));
  HWND edit = CreateChild(window.get(), "Edit", "");
  TypeText(edit, "");
  EXPECT_EQ(TextOf(edit), "");
  TypeText(edit, "C:\\Caf\xe9");
  EXPECT_EQ(TextOf(edit), "C:\\Caf\xe9");
}

}  // namespace
}  // namespace vantor::shell::testing
