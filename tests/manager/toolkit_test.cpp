// The window toolkit on real windows: modal runs and their results, actions driving
// their buttons, the application's message and error boxes, the skinned frame.
#include <windows.h>

#include <gtest/gtest.h>

#include "application.h"
#include "form.h"
#include "skin_frame.h"
#include "ui_driver.h"

namespace vantor::testing {
namespace {

class Dialog : public ui::Form {
 public:
  explicit Dialog(ui::Form& owner) : Form(&owner, ui::FormLayout{"Toolkit dialog", 300, 120, ui::FormPosition::kOwnerCenter}) {
    bOk.OnClick = [this] {
      ++ok_clicks;
      if (accept) SetModalResult(ui::kModalOk);
    };
    bAct.BindAction(action);
    AddAction(action);
  }
  ui::Action action{"Act"};
  ui::Edit feText{*this, {10, 10, 200, 19}};
  ui::Button bOk{*this, {130, 88, 75, 25}, "OK"};
  ui::Button bCancel{*this, {215, 88, 75, 25}, "Cancel", ui::ButtonOptions{true, true, ui::kModalCancel}};
  ui::Button bAct{*this, {10, 88, 75, 25}, ""};
  bool accept = false;
  int ok_clicks = 0;
};

class ToolkitTest : public ::testing::Test {
 protected:
  ui::Form owner_{nullptr, ui::FormLayout{"Owner form", 400, 300}};
  void SetUp() override { owner_.Show(); }
};

TEST_F(ToolkitTest, ModalResultsComeFromTheHandlersTheCancelButtonAndTheCloseButton) {
  struct Case {
    const char* name;
    std::function<void(Dialog&)> answer;
    int result;
    int ok_clicks;
  };
  const Case cases[] = {
      {"OK refused by its handler", [](Dialog& d) { PostClick(d.bOk.handle()); }, 0, 1},
      {"cancel button", [](Dialog& d) { PostClick(d.bCancel.handle()); }, ui::kModalCancel, 0},
      {"close button", [](Dialog& d) { PostMessageA(d.handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }, ui::kModalCancel, 0},
      {"OK accepted", [](Dialog& d) { d.accept = true; PostClick(d.bOk.handle()); }, ui::kModalOk, 1},
  };
  for (const Case& c : cases) {
    Dialog dialog(owner_);
    bool owner_disabled = false;
    WindowWatcher first("Toolkit dialog", [&](HWND) {
      owner_disabled = !IsWindowEnabled(owner_.handle());
      c.answer(dialog);
    });
    // A refused OK leaves the dialog open: the second watcher then cancels it.
    WindowWatcher then("Toolkit dialog", [&](HWND) { PostClick(dialog.bCancel.handle()); });
    const int result = dialog.ShowModal();
    EXPECT_EQ(result, c.result ? c.result : ui::kModalCancel) << c.name;
    EXPECT_EQ(then.fired(), c.result == 0) << c.name;
    EXPECT_EQ(dialog.ok_clicks, c.ok_clicks) << c.name;
    EXPECT_TRUE(owner_disabled) << c.name;
    EXPECT_TRUE(IsWindowEnabled(owner_.handle())) << c.name;
    EXPECT_FALSE(IsWindowVisible(dialog.handle())) << c.name;
  }
}

TEST_F(ToolkitTest, AnActionRunsOnlyWhileItsUpdateEnablesItAndItsButtonFollows) {
  Dialog dialog(owner_);
  bool allowed = false;
  int runs = 0;
  dialog.action.OnUpdate = [&](ui::Action& a) { a.SetEnabled(allowed); };
  dialog.action.OnExecute = [&] { ++runs; };
  dialog.Show();
  Pump(20);
  EXPECT_EQ(dialog.bAct.Text(), "Act");
  EXPECT_FALSE(dialog.bAct.Enabled());
  dialog.bAct.Click();
  EXPECT_EQ(runs, 0);
  allowed = true;
  ui::Application::Instance().Idle();
  EXPECT_TRUE(dialog.bAct.Enabled());
  PostClick(dialog.bAct.handle());
  Pump(20);
  EXPECT_EQ(runs, 1);
  allowed = false;
  EXPECT_FALSE(dialog.action.Execute());  // updates first: no longer enabled
  EXPECT_EQ(runs, 1);
}

TEST_F(ToolkitTest, TheErrorBoxHasTheTitleTheErrorIconAndAFullStopWhenNeeded) {
  const std::pair<const char*, const char*> cases[] = {{"Unable to write to C:\\x.ini", "Unable to write to C:\\x.ini."},
                                                       {"Stopped!", "Stopped!"}};
  for (const auto& [text, shown] : cases) {
    SeenMessageBox box;
    bool owner_disabled = false;
    WindowWatcher watcher("Vantor", [&](HWND message_box) {
      owner_disabled = !IsWindowEnabled(owner_.handle());
      AnswerMessageBox(box, IDOK)(message_box);
    });
    ui::Application::Instance().ShowError(text);
    EXPECT_EQ(box.text, shown);
    EXPECT_TRUE(box.error_icon);
    EXPECT_TRUE(owner_disabled);
    EXPECT_TRUE(IsWindowEnabled(owner_.handle()));
  }
}

TEST_F(ToolkitTest, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
  Dialog dialog(owner_);
  dialog.bOk.OnClick = [] { throw std::runtime_error("Broken handler"); };
  SeenMessageBox box;
  WindowWatcher click("Toolkit dialog", [&](HWND) { PostClick(dialog.bOk.handle()); });
  WindowWatcher answer("Vantor", AnswerMessageBox(box, IDOK));
  WindowWatcher cancel("Toolkit dialog", [&](HWND) { PostClick(dialog.bCancel.handle()); });
  EXPECT_EQ(dialog.ShowModal(), ui::kModalCancel);
  EXPECT_EQ(box.text, "Broken handler.");
}

TEST_F(ToolkitTest, TheSkinnedFrameDrawsItsTitleBarAndItsButtonsWork) {
  ui::FormLayout layout{" Skinned", 300, 200};
  layout.skinned = true;
  ui::Form form(nullptr, layout);
  Theme theme;
  theme.title_start = theme.title_end = {10, 20, 30};
  form.SetTheme(theme);
  form.Show();
  Pump(30);
  RedrawWindow(form.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(form.handle());
  EXPECT_EQ(GetPixel(dc, 150, 3), RGB(10, 20, 30));   // title bar
  EXPECT_EQ(GetPixel(dc, 0, 100), RGB(0, 0, 0));      // border
  EXPECT_EQ(GetPixel(dc, 150, 100), RGB(232, 232, 232));  // background
  ReleaseDC(form.handle(), dc);
  // The title bar moves the window; its buttons do not.
  POINT caption{150, 10};
  ClientToScreen(form.handle(), &caption);
  EXPECT_EQ(SendMessageA(form.handle(), WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
  RECT minimise = form.skin()->ButtonRect(ui::SkinFrame::TitleButton::kMinimise);
  EXPECT_EQ(GetWindowLongA(form.handle(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
  ClickAt(form.handle(), Centre(minimise));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(form.handle()) != FALSE; }));
}

}  // namespace
}  // namespace vantor::testing
