// Answers the manager's tip of the day from outside, as a user would: switches its
// show-tips choice to the other entry and presses Close, so that the manager saves
// its options. Exit code 0 when it did, 1 when no tip dialog appeared in 30 s.
#include <windows.h>

#include <string>

namespace {

struct Controls {
  HWND combo = nullptr;
  HWND close = nullptr;
};

BOOL CALLBACK FindControls(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<Controls*>(param);
  char class_name[64] = {}, text[64] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  GetWindowTextA(window, text, sizeof text);
  if (!found->combo && lstrcmpiA(class_name, "ComboBox") == 0) found->combo = window;
  if (!found->close && lstrcmpiA(class_name, "Button") == 0 && std::string(text) == "&Close") found->close = window;
  return TRUE;
}

}  // namespace

int main() {
  HWND dialog = nullptr;
  for (int i = 0; i < 300 && !dialog; ++i) {
    dialog = FindWindowA(nullptr, "Vantor Tip of the Day");
    if (!dialog) Sleep(100);
  }
  if (!dialog) return 1;
  Sleep(300);  // let it finish building its controls
  Controls controls;
  EnumChildWindows(dialog, FindControls, reinterpret_cast<LPARAM>(&controls));
  if (!controls.combo || !controls.close) return 1;
  const LRESULT count = SendMessageA(controls.combo, CB_GETCOUNT, 0, 0);
  const LRESULT current = SendMessageA(controls.combo, CB_GETCURSEL, 0, 0);
  if (count < 2) return 1;
  SendMessageA(controls.combo, CB_SETCURSEL, current == 0 ? 1 : 0, 0);
  SendMessageA(GetParent(controls.combo), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(controls.combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(controls.combo));
  SendMessageA(controls.close, BM_CLICK, 0, 0);
  return 0;
}
