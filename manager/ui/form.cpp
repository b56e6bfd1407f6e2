#include "form.h"

#include <algorithm>
#include <stdexcept>

#include "application.h"
#include "skin_frame.h"

namespace vantor::ui {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr DWORD kSkinnedStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kSkinnedExStyle = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

HICON ApplicationIcon() { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)); }

constexpr UINT kActivateTopPopup = WM_APP + 0x101;

struct PopupSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindEnabledPopup(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<PopupSearch*>(data);
  if (hwnd == search->owner || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
  for (HWND owner = GetWindow(hwnd, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
    if (owner == search->owner) {
      search->found = hwnd;
      return FALSE;
    }
  }
  return TRUE;
}

}  // namespace

HWND Form::TopWindow() const {
  if (IsWindowEnabled(handle())) {
    HWND last = GetLastActivePopup(handle());
    return last && IsWindowVisible(last) && IsWindowEnabled(last) ? last : handle();
  }
  // Disabled by a modal dialog or a message box: that window is the enabled one it owns.
  PopupSearch search{handle(), nullptr};
  EnumThreadWindows(GetWindowThreadProcessId(handle(), nullptr), &FindEnabledPopup, reinterpret_cast<LPARAM>(&search));
  return search.found ? search.found : handle();
}

Form::Form(Form* owner, const FormLayout& layout)
    : owner_(owner), layout_(layout), font_(layout.font_face, layout.font_height) {
  const DWORD style = layout.skinned ? kSkinnedStyle : kDialogStyle;
  const DWORD ex_style = layout.skinned ? kSkinnedExStyle : kDialogExStyle;
  RECT frame{0, 0, layout.client_width, layout.client_height};
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  CreateHandle(layout.window_class, ex_style, style, layout.caption, CW_USEDEFAULT, CW_USEDEFAULT,
               frame.right - frame.left, frame.bottom - frame.top, owner ? owner->handle() : nullptr,
               ApplicationIcon());
  SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (layout.skinned) skin_ = std::make_unique<SkinFrame>(handle(), Theme{});
  Application::Instance().RegisterForm(this);
}

Form::~Form() {
  Application::Instance().UnregisterForm(this);
  DestroyHandle();
}

void Form::OnHandleDestroyed() {
  Application& application = Application::Instance();
  if (application.main_form() == this && application.running()) PostQuitMessage(0);
}

void Form::SetTheme(const Theme& theme) {
  if (!skin_) return;
  skin_->SetTheme(theme);
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

const Theme& Form::theme() const {
  static const Theme built_in;
  return skin_ ? skin_->theme() : built_in;
}

COLORREF Form::BackgroundColour() const {
  return skin_ ? ToColorRef(skin_->theme().background) : GetSysColor(COLOR_BTNFACE);
}

void Form::PlaceOnScreen() {
  RECT window;
  GetWindowRect(handle(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (layout_.position == FormPosition::kOwnerCenter && owner_ && owner_->handle()) GetWindowRect(owner_->handle(), &area);
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  // Keep the whole window on the screen.
  x = std::max(0, std::min(x, GetSystemMetrics(SM_CXSCREEN) - width));
  y = std::max(0, std::min(y, GetSystemMetrics(SM_CYSCREEN) - height));
  SetWindowPos(handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::FocusFirst() {
  if (initial_focus_) {
    initial_focus_->SetFocus();
    return;
  }
  if (HWND first = GetNextDlgTabItem(handle(), nullptr, FALSE)) ::SetFocus(first);
}

void Form::Show() {
  if (!shown_once_) {
    PlaceOnScreen();
    shown_once_ = true;
  }
  ShowWindow(handle(), SW_SHOW);
  UpdateWindow(handle());
  FormShow();
  UpdateActions();
}

void Form::Hide() { ShowWindow(handle(), SW_HIDE); }

int Form::ShowModal() {
  if (modal_) throw std::logic_error("The form is already shown modally");
  Application& application = Application::Instance();
  modal_ = true;
  modal_result_ = 0;
  HWND previous_active = GetActiveWindow();
  std::vector<HWND> disabled = application.DisableTaskWindows(handle());
  try {
    Show();
    FocusFirst();
    while (modal_result_ == 0 && IsWindow(handle())) {
      if (!application.HandleOneMessage()) {
        if (modal_result_ == 0) modal_result_ = kModalCancel;
      }
    }
  } catch (...) {
    Application::EnableTaskWindows(disabled);
    modal_ = false;
    throw;
  }
  // Re-enable before hiding, so that activation passes to the owner.
  Application::EnableTaskWindows(disabled);
  if (IsWindow(handle())) Hide();
  if (previous_active && IsWindow(previous_active)) SetActiveWindow(previous_active);
  modal_ = false;
  return modal_result_;
}

void Form::UpdateActions() {
  for (Action* action : actions_) action->Update();
}

bool Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (skin_ && skin_->HandleMessage(message, wparam, lparam, result)) return true;
  switch (message) {
    case WM_CLOSE:
      if (modal_) {
        modal_result_ = kModalCancel;
      } else if (Application::Instance().main_form() == this) {
        DestroyHandle();
      } else {
        Hide();
      }
      result = 0;
      return true;
    case WM_COMMAND:
      if (lparam == 0 && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
        Button* button = LOWORD(wparam) == IDOK ? default_button_ : cancel_button_;
        if (button) button->Click();
        result = 0;
        return true;
      }
      break;
    case kActivateTopPopup:
      if (HWND top = TopWindow(); top != handle()) SetForegroundWindow(top);
      result = 0;
      return true;
    case WM_ACTIVATE:
      // Activated while a modal window it owns is up: that window comes to the front.
      if (LOWORD(wparam) != WA_INACTIVE && !IsWindowEnabled(handle())) {
        PostMessageA(handle(), kActivateTopPopup, 0, 0);
        result = 0;
        return true;
      }
      // A plain window does not give the focus back to its control on reactivation.
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(handle(), focus)) last_focus_ = focus;
      } else if (last_focus_ && IsWindow(last_focus_) && IsChild(handle(), last_focus_)) {
        ::SetFocus(last_focus_);
      } else {
        return false;
      }
      result = 0;
      return true;
    case DM_GETDEFID:
      result = 0;  // no default push button: Enter goes to the focused control's form as IDOK
      return true;
    default:
      break;
  }
  return Window::HandleMessage(message, wparam, lparam, result);
}

}  // namespace vantor::ui
