#include "group_frame.h"

#include "form.h"

namespace vantor::extras {

GroupFrame::GroupFrame(ui::Container& parent, const ui::Bounds& bounds)
    : Panel(parent, bounds, GetSysColor(COLOR_BTNFACE)) {}

bool GroupFrame::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message != WM_PAINT) return Panel::HandleMessage(message, wparam, lparam, result);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle(), &paint);
  RECT frame;
  GetClientRect(handle(), &frame);
  // The frame's top line runs through the middle of a (missing) caption line.
  TEXTMETRICA metrics{};
  ui::Selection font(dc, OwningForm().DefaultFont().get());
  GetTextMetricsA(dc, &metrics);
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  EndPaint(handle(), &paint);
  result = 0;
  return true;
}

}  // namespace vantor::extras
