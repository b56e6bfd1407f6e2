#include "test_windows.h"

#include <set>
#include <vector>

namespace vantor::shell::testing {

HWND CreateActiveTopLevel(const std::string& class_name) {
  static std::set<std::string> registered;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (registered.insert(class_name).second) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = instance;
    window_class.lpszClassName = class_name.c_str();
    RegisterClassA(&window_class);
  }
  HWND window = CreateWindowExA(0, class_name.c_str(), "test host", WS_OVERLAPPEDWINDOW, 10, 10, 600, 300, nullptr,
                                nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  PumpMessages();
  return window;
}

HWND CreateChild(HWND parent, const char* class_name, const std::string& text) {
  return CreateWindowExA(0, class_name, text.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 500, 24, parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string TextOf(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, buffer.data(), length + 1);
  return buffer.data();
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace vantor::shell::testing
