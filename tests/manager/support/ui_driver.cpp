#include "ui_driver.h"

#include <algorithm>

namespace vantor::testing {

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return;
      if (!IsDialogMessageA(GetAncestor(message.hwnd ? message.hwnd : GetDesktopWindow(), GA_ROOT), &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    if (milliseconds > 0) Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& done, int timeout_milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeout_milliseconds);
  while (!done()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    Pump(10);
  }
  return true;
}

static LPARAM PointParam(POINT p) { return MAKELPARAM(p.x, p.y); }

void ClickAt(HWND window, POINT p) {
  PostMessageA(window, WM_MOUSEMOVE, 0, PointParam(p));
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p));
  PostMessageA(window, WM_LBUTTONUP, 0, PointParam(p));
  Pump(50);
}

void DoubleClickAt(HWND window, POINT p) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p));
  PostMessageA(window, WM_LBUTTONUP, 0, PointParam(p));
  PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(p));
  PostMessageA(window, WM_LBUTTONUP, 0, PointParam(p));
  Pump(50);
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void PostClick(HWND button) {
  PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

std::vector<WindowWatcher*>& WindowWatcher::Active() {
  static std::vector<WindowWatcher*> active;
  return active;
}

WindowWatcher::WindowWatcher(std::string caption, std::function<void(HWND)> answer)
    : caption_(std::move(caption)), answer_(std::move(answer)) {
  Active().push_back(this);
  timer_ = SetTimer(nullptr, 0, 40, &WindowWatcher::Tick);
}

WindowWatcher::~WindowWatcher() {
  KillTimer(nullptr, timer_);
  auto& active = Active();
  active.erase(std::remove(active.begin(), active.end(), this), active.end());
}

void CALLBACK WindowWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
  for (WindowWatcher* watcher : Active()) {
    if (watcher->fired_) continue;
    std::vector<HWND> windows = ThreadWindowsCaptioned(watcher->caption_);
    if (!windows.empty()) {
      watcher->fired_ = true;
      watcher->answer_(windows.front());
    }
    return;  // one watcher at a time, in order
  }
}

std::string WindowText(HWND window) {
  char text[2048] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

namespace {

struct CaptionSearch {
  const std::string* caption;
  std::vector<HWND> found;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<CaptionSearch*>(data);
  if (IsWindowVisible(hwnd) && WindowText(hwnd) == *search->caption) search->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> ThreadWindowsCaptioned(const std::string& caption) {
  CaptionSearch search{&caption, {}};
  EnumThreadWindows(GetCurrentThreadId(), &MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::function<void(HWND)> AnswerMessageBox(SeenMessageBox& seen, int button) {
  return [&seen, button](HWND box) {
    seen.seen = true;
    seen.text = WindowText(GetDlgItem(box, 0xFFFF));
    // The icon is a static control with SS_ICON; which one is told by the sound-less
    // system icons' handles.
    HWND icon = GetDlgItem(box, 0x0440);
    if (icon) {
      HICON shown = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
      seen.error_icon = shown && shown == LoadIcon(nullptr, IDI_HAND);
      seen.question_icon = shown && shown == LoadIcon(nullptr, IDI_QUESTION);
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  };
}

}  // namespace vantor::testing
