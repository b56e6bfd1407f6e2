#include "window.h"

#include <set>
#include <stdexcept>

#include "application.h"
#include "control.h"

namespace vantor::ui {
namespace {

constexpr const char* kWindowProperty = "Vantor.Window";

void RegisterOnce(const std::string& class_name, WNDPROC procedure, HICON icon) {
  static std::set<std::string> registered;
  if (registered.count(class_name)) return;
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hIcon = icon;
  window_class.hIconSm = icon;
  window_class.lpszClassName = class_name.c_str();
  if (!RegisterClassExA(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error("Cannot register the window class " + class_name);
  registered.insert(class_name);
}

}  // namespace

Window::~Window() {
  DestroyHandle();
  if (background_brush_) DeleteObject(background_brush_);
}

Window* Window::FromHandle(HWND hwnd) { return static_cast<Window*>(GetPropA(hwnd, kWindowProperty)); }

void Window::CreateHandle(const std::string& class_name, DWORD ex_style, DWORD style, const std::string& text,
                          int x, int y, int width, int height, HWND parent, HICON icon) {
  RegisterOnce(class_name, &Window::Procedure, icon);
  CreateWindowExA(ex_style, class_name.c_str(), text.c_str(), style, x, y, width, height, parent, nullptr,
                  GetModuleHandleA(nullptr), this);
  if (!hwnd_) throw std::runtime_error("Cannot create a window of class " + class_name);
}

void Window::DestroyHandle() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

HBRUSH Window::BackgroundBrush() {
  COLORREF colour = BackgroundColour();
  if (!background_brush_ || background_brush_colour_ != colour) {
    if (background_brush_) DeleteObject(background_brush_);
    background_brush_ = CreateSolidBrush(colour);
    background_brush_colour_ = colour;
  }
  return background_brush_;
}

bool Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lparam))) {
        control->OnCommand(HIWORD(wparam));
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (Control* control = Control::FromHandle(header->hwndFrom)) return control->OnNotify(*header, result);
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      Control* control = Control::FromHandle(reinterpret_cast<HWND>(lparam));
      SetBkMode(dc, TRANSPARENT);
      if (control && control->text_colour()) SetTextColor(dc, *control->text_colour());
      SetBkColor(dc, BackgroundColour());
      result = reinterpret_cast<LRESULT>(BackgroundBrush());
      return true;
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, BackgroundBrush());
      result = 1;
      return true;
    }
    default:
      return false;
  }
}

LRESULT Window::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  try {
    if (HandleMessage(message, wparam, lparam, result)) return result;
  } catch (...) {
    Application::Instance().ShowException(std::current_exception());
    return 0;
  }
  return DefWindowProcA(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* window = FromHandle(hwnd);
  if (!window && message == WM_NCCREATE) {
    window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetPropA(hwnd, kWindowProperty, window);
  }
  if (!window) return DefWindowProcA(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    RemovePropA(hwnd, kWindowProperty);
    window->hwnd_ = nullptr;
    window->OnHandleDestroyed();
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  return window->Dispatch(message, wparam, lparam);
}

}  // namespace vantor::ui
