#pragma once
// Base of the toolkit's own window classes (forms, panels, the toolbar): registers
// the class once, routes messages to HandleMessage, and turns any exception that a
// handler lets out into the application's error box, so none crosses into Windows.
#include <windows.h>

#include <string>

namespace vantor::ui {

class Control;

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND handle() const { return hwnd_; }
  // The Window object of a toolkit window, or nullptr.
  static Window* FromHandle(HWND hwnd);

 protected:
  // Creates the window of class `class_name` (registered on first use).
  void CreateHandle(const std::string& class_name, DWORD ex_style, DWORD style, const std::string& text, int x,
                    int y, int width, int height, HWND parent, HICON icon = nullptr);
  void DestroyHandle();

  // Return true with `result` set when handled; otherwise DefWindowProc runs.
  virtual bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  virtual void OnHandleDestroyed() {}
  // The background colour the window paints and gives its transparent controls.
  virtual COLORREF BackgroundColour() const { return GetSysColor(COLOR_BTNFACE); }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  HBRUSH BackgroundBrush();

  HWND hwnd_ = nullptr;
  HBRUSH background_brush_ = nullptr;
  COLORREF background_brush_colour_ = 0;
};

}  // namespace vantor::ui
