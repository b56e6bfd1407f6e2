#pragma once
// The skinned frame of a form: inside the client area it draws a title bar (icon,
// caption in white bold Tahoma, system-menu, minimise and close buttons; no maximise),
// a 1-pixel border and the background, in the colours of a Theme. Dragging the title
// bar moves the window.
#include <windows.h>

#include "gdi.h"
#include "theme.h"

namespace vantor::ui {

class SkinFrame {
 public:
  static constexpr int kTitleHeight = 29;  // border included: content starts below it

  enum class TitleButton { kNone, kSystemMenu, kMinimise, kClose };

  SkinFrame(HWND hwnd, const Theme& theme);
  SkinFrame(const SkinFrame&) = delete;
  SkinFrame& operator=(const SkinFrame&) = delete;

  const Theme& theme() const { return theme_; }
  void SetTheme(const Theme& theme);
  RECT ButtonRect(TitleButton button) const;
  TitleButton ButtonAt(POINT client_point) const;

  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

 private:
  void Paint(HDC dc);
  void PaintButton(HDC dc, TitleButton button);
  void Press(TitleButton button);

  HWND hwnd_;
  Theme theme_;
  Font caption_font_{"Tahoma", -13, true};
  TitleButton pressed_ = TitleButton::kNone;
  bool pressed_inside_ = false;
};

inline COLORREF ToColorRef(const Rgb& c) { return RGB(c.red, c.green, c.blue); }

}  // namespace vantor::ui
