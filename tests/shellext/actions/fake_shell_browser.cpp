#include "fake_shell_browser.h"

#include "test_windows.h"

namespace vantor::shell::testing {

HRESULT RecordingShellBrowser::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IShellBrowser) {
    *out = static_cast<IShellBrowser*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT RecordingShellBrowser::BrowseObject(PCUIDLIST_RELATIVE list, UINT browse_flags) {
  char path[MAX_PATH] = {};
  SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(list), path);
  browsed.push_back(path);
  flags.push_back(browse_flags);
  return S_OK;
}

namespace {

LRESULT CALLBACK BrowserHostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_USER + 7) return GetWindowLongPtrA(window, GWLP_USERDATA);
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

HWND CreateBrowserHostWindow(RecordingShellBrowser& browser) {
  static const bool registered = [] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = BrowserHostProc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "VantorBrowserHost";
    return RegisterClassA(&window_class) != 0;
  }();
  (void)registered;
  HWND window = CreateWindowExA(0, "VantorBrowserHost", "browser host", WS_OVERLAPPEDWINDOW, 20, 20, 400, 300, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<IShellBrowser*>(&browser)));
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  PumpMessages();
  return window;
}

}  // namespace vantor::shell::testing
