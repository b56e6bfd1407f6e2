#include "skin_frame.h"

#include <windowsx.h>

#include <array>

namespace vantor::ui {
namespace {

constexpr int kButtonWidth = 21;
constexpr int kButtonHeight = 19;
constexpr int kButtonGap = 2;
constexpr int kButtonTop = (SkinFrame::kTitleHeight - kButtonHeight) / 2 + 1;

COLORREF Blend(const Rgb& a, const Rgb& b, int step, int steps) {
  auto mix = [&](int x, int y) { return x + (y - x) * step / steps; };
  return RGB(mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue));
}

}  // namespace

SkinFrame::SkinFrame(HWND hwnd, const Theme& theme) : hwnd_(hwnd), theme_(theme) {}

void SkinFrame::SetTheme(const Theme& theme) { theme_ = theme; }

RECT SkinFrame::ButtonRect(TitleButton button) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  int slot = button == TitleButton::kClose ? 0 : button == TitleButton::kMinimise ? 1 : 2;
  const int right = client.right - 6 - slot * (kButtonWidth + kButtonGap);
  return RECT{right - kButtonWidth, kButtonTop, right, kButtonTop + kButtonHeight};
}

SkinFrame::TitleButton SkinFrame::ButtonAt(POINT point) const {
  for (TitleButton button : {TitleButton::kClose, TitleButton::kMinimise, TitleButton::kSystemMenu}) {
    RECT rect = ButtonRect(button);
    if (PtInRect(&rect, point)) return button;
  }
  return TitleButton::kNone;
}

void SkinFrame::PaintButton(HDC dc, TitleButton button) {
  RECT rect = ButtonRect(button);
  const bool down = pressed_ == button && pressed_inside_;
  const COLORREF glyph = ToColorRef(theme_.title_button);
  if (down) {
    RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    FillSolid(dc, inner, Blend(theme_.title_start, theme_.title_button, 1, 3));
  }
  FrameSolid(dc, rect, glyph);
  const int cx = (rect.left + rect.right) / 2 + (down ? 1 : 0);
  const int cy = (rect.top + rect.bottom) / 2 + (down ? 1 : 0);
  switch (button) {
    case TitleButton::kClose:
      Line(dc, cx - 4, cy - 4, cx + 4, cy + 4, glyph, 2);
      Line(dc, cx + 4, cy - 4, cx - 4, cy + 4, glyph, 2);
      break;
    case TitleButton::kMinimise:
      Line(dc, cx - 4, cy + 3, cx + 5, cy + 3, glyph, 2);
      break;
    case TitleButton::kSystemMenu:
      for (int i = 0; i < 4; ++i) Line(dc, cx - 3 + i, cy - 1 + i, cx + 4 - i, cy - 1 + i, glyph);
      break;
    case TitleButton::kNone:
      break;
  }
}

void SkinFrame::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int steps = kTitleHeight - 1;
  for (int y = 1; y < kTitleHeight; ++y) {
    RECT row{1, y, client.right - 1, y + 1};
    FillSolid(dc, row, Blend(theme_.title_start, theme_.title_end, y - 1, steps));
  }
  FrameSolid(dc, client, ToColorRef(theme_.border));
  if (HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd_, GCLP_HICONSM)))
    DrawIconEx(dc, 7, (kTitleHeight - 16) / 2 + 1, icon, 16, 16, 0, nullptr, DI_NORMAL);
  char caption[256] = {};
  GetWindowTextA(hwnd_, caption, sizeof caption);
  Selection font(dc, caption_font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(theme_.title_text));
  RECT text{27, 1, ButtonRect(TitleButton::kSystemMenu).left - 4, kTitleHeight};
  DrawTextA(dc, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  for (TitleButton button : {TitleButton::kSystemMenu, TitleButton::kMinimise, TitleButton::kClose})
    PaintButton(dc, button);
}

void SkinFrame::Press(TitleButton button) {
  switch (button) {
    case TitleButton::kClose:
      PostMessageA(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case TitleButton::kMinimise:
      PostMessageA(hwnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case TitleButton::kSystemMenu: {
      RECT rect = ButtonRect(button);
      POINT corner{rect.left, rect.bottom};
      ClientToScreen(hwnd_, &corner);
      int command = TrackPopupMenu(GetSystemMenu(hwnd_, FALSE), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                   corner.x, corner.y, 0, hwnd_, nullptr);
      if (command) PostMessageA(hwnd_, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
      break;
    }
    case TitleButton::kNone:
      break;
  }
}

bool SkinFrame::HandleMessage(UINT message, WPARAM, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      Paint(dc);
      EndPaint(hwnd_, &paint);
      result = 0;
      return true;
    }
    case WM_SETTEXT:
      result = DefWindowProcA(hwnd_, message, 0, lparam);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return true;
    case WM_NCHITTEST: {
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      ScreenToClient(hwnd_, &point);
      if (point.y >= 0 && point.y < kTitleHeight && ButtonAt(point) == TitleButton::kNone) {
        result = HTCAPTION;
        return true;
      }
      return false;
    }
    case WM_LBUTTONDOWN: {
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      pressed_ = ButtonAt(point);
      if (pressed_ == TitleButton::kNone) return false;
      pressed_inside_ = true;
      SetCapture(hwnd_);
      InvalidateRect(hwnd_, nullptr, FALSE);
      result = 0;
      return true;
    }
    case WM_MOUSEMOVE: {
      if (pressed_ == TitleButton::kNone) return false;
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      const bool inside = ButtonAt(point) == pressed_;
      if (inside != pressed_inside_) {
        pressed_inside_ = inside;
        InvalidateRect(hwnd_, nullptr, FALSE);
      }
      result = 0;
      return true;
    }
    case WM_LBUTTONUP: {
      if (pressed_ == TitleButton::kNone) return false;
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      TitleButton released = pressed_;
      pressed_ = TitleButton::kNone;
      ReleaseCapture();
      InvalidateRect(hwnd_, nullptr, FALSE);
      if (ButtonAt(point) == released) Press(released);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vantor::ui
