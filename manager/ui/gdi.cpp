#include "gdi.h"

namespace vantor::ui {

Font::Font(const std::string& face, int height, bool bold, bool italic)
    : font_(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        face.c_str())) {}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  Brush brush = SolidBrush(colour);
  FillRect(dc, &rect, brush.get());
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
  Brush brush = SolidBrush(colour);
  FrameRect(dc, &rect, brush.get());
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour, int width) {
  Pen pen(CreatePen(PS_SOLID, width, colour));
  Selection selected(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace vantor::ui
