#include "skin_toolbar.h"

#include <windowsx.h>

#include "skin_frame.h"

namespace vantor::ui {

SkinToolBar::SkinToolBar(Container& parent, const Bounds& bounds, HIMAGELIST images, int button_width,
                         int button_height)
    : images_(images), button_width_(button_width), button_height_(button_height) {
  const POINT origin = parent.Origin();
  CreateHandle("VantorToolBar", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "", origin.x + bounds.left,
               origin.y + bounds.top, bounds.width, bounds.height, parent.ParentHandle());
  font_ = parent.DefaultFont().get();
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                             GetModuleHandleA(nullptr), nullptr);
}

SkinToolBar::~SkinToolBar() {
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void SkinToolBar::SetTheme(const Theme& theme) {
  theme_ = theme;
  InvalidateRect(handle(), nullptr, TRUE);
}

int SkinToolBar::AddButton(Item item) {
  items_.push_back(std::move(item));
  const int index = static_cast<int>(items_.size()) - 1;
  Layout();
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = handle();
  tool.uId = static_cast<UINT_PTR>(index);
  tool.rect = rects_[static_cast<std::size_t>(index)];
  std::string hint = ButtonHint(index);
  tool.lpszText = hint.data();
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (Action* action = items_.back().action) {
    action->Subscribe([this, index] {
      RefreshTip(index);
      RECT rect = ButtonRect(index);
      InvalidateRect(handle(), &rect, TRUE);
    });
  }
  return index;
}

void SkinToolBar::AddSeparator(int width) {
  Item item;
  item.separator_width = width;
  items_.push_back(std::move(item));
  Layout();
}

void SkinToolBar::Layout() {
  rects_.clear();
  int x = 0;
  for (const Item& item : items_) {
    const int width = item.separator_width > 0 ? item.separator_width : button_width_;
    rects_.push_back(RECT{x, 0, x + width, button_height_});
    x += width;
  }
}

int SkinToolBar::IndexOf(const std::string& name) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].name == name) return static_cast<int>(i);
  return -1;
}

RECT SkinToolBar::ButtonRect(int index) const { return rects_.at(static_cast<std::size_t>(index)); }

bool SkinToolBar::ButtonEnabled(int index) const {
  const Item& item = items_.at(static_cast<std::size_t>(index));
  return item.separator_width == 0 && (!item.action || item.action->enabled());
}

std::string SkinToolBar::ButtonCaption(int index) const {
  const Item& item = items_.at(static_cast<std::size_t>(index));
  return item.action ? item.action->caption() : item.caption;
}

std::string SkinToolBar::ButtonHint(int index) const {
  const Item& item = items_.at(static_cast<std::size_t>(index));
  return item.action && !item.action->hint().empty() ? item.action->hint() : item.hint;
}

void SkinToolBar::RefreshTip(int index) {
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = handle();
  tool.uId = static_cast<UINT_PTR>(index);
  std::string hint = ButtonHint(index);
  tool.lpszText = hint.data();
  SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

int SkinToolBar::ButtonAt(POINT point) const {
  for (std::size_t i = 0; i < rects_.size(); ++i)
    if (items_[i].separator_width == 0 && PtInRect(&rects_[i], point)) return static_cast<int>(i);
  return -1;
}

void SkinToolBar::Click(int index) {
  if (!ButtonEnabled(index)) return;
  Item& item = items_[static_cast<std::size_t>(index)];
  if (item.action) {
    item.action->Execute();
  } else if (item.on_click) {
    item.on_click();
  }
}

void SkinToolBar::Paint(HDC dc) {
  RECT client;
  GetClientRect(handle(), &client);
  FillSolid(dc, client, ToColorRef(theme_.toolbar_face));
  Line(dc, 0, client.bottom - 1, client.right, client.bottom - 1, ToColorRef(theme_.toolbar_pressed));
  SetBkMode(dc, TRANSPARENT);
  Selection font(dc, font_);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    RECT rect = rects_[i];
    if (item.separator_width > 0) {
      const int x = (rect.left + rect.right) / 2;
      Line(dc, x, rect.top + 5, x, rect.bottom - 5, ToColorRef(theme_.toolbar_pressed));
      continue;
    }
    const int index = static_cast<int>(i);
    const bool enabled = ButtonEnabled(index);
    const bool down = enabled && pressed_ == index && hot_ == index;
    if (down) FillSolid(dc, rect, ToColorRef(theme_.toolbar_pressed));
    if (enabled && (hot_ == index || down)) FrameSolid(dc, rect, ToColorRef(theme_.toolbar_border));
    const int shift = down ? 1 : 0;
    const int image_x = rect.left + (rect.right - rect.left - 16) / 2 + shift;
    const int image_y = rect.top + 3 + shift;
    if (images_ && item.image >= 0) {
      if (enabled) {
        ImageList_Draw(images_, item.image, dc, image_x, image_y, ILD_TRANSPARENT);
      } else {
        IconHandle icon(ImageList_GetIcon(images_, item.image, ILD_TRANSPARENT));
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, image_x, image_y, 16, 16,
                   DST_ICON | DSS_DISABLED);
      }
    }
    SetTextColor(dc, enabled ? ToColorRef(theme_.toolbar_text) : GetSysColor(COLOR_GRAYTEXT));
    RECT text{rect.left + shift, rect.top + 20 + shift, rect.right + shift, rect.bottom};
    const std::string caption = ButtonCaption(index);
    DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

bool SkinToolBar::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle(), &paint);
      Paint(dc);
      EndPaint(handle(), &paint);
      result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_MOUSEMOVE: {
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      const int hot = ButtonAt(point);
      if (hot != hot_) {
        hot_ = hot;
        InvalidateRect(handle(), nullptr, FALSE);
      }
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
      }
      result = 0;
      return true;
    }
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (pressed_ < 0) {
        hot_ = -1;
        InvalidateRect(handle(), nullptr, FALSE);
      }
      result = 0;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      pressed_ = hot_ = ButtonAt(point);
      if (pressed_ >= 0) SetCapture(handle());
      InvalidateRect(handle(), nullptr, FALSE);
      result = 0;
      return true;
    }
    case WM_LBUTTONUP: {
      POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      const int pressed = pressed_;
      pressed_ = -1;
      if (GetCapture() == handle()) ReleaseCapture();
      InvalidateRect(handle(), nullptr, FALSE);
      if (pressed >= 0 && ButtonAt(point) == pressed) Click(pressed);
      result = 0;
      return true;
    }
    default:
      return Window::HandleMessage(message, wparam, lparam, result);
  }
}

}  // namespace vantor::ui
