#include "tip_icon.h"

#include "gdi.h"

namespace vantor::extras {
namespace {

constexpr int kSize = 32;

class MemoryDc {
 public:
  MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  ~MemoryDc() { DeleteDC(dc_); }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// The bulb's outline in one colour per part; the mask draws the same parts in black.
void DrawBulb(HDC dc, COLORREF glass, COLORREF glow, COLORREF base, COLORREF outline) {
  ui::Pen pen(CreatePen(PS_SOLID, 1, outline));
  ui::Brush glass_brush = ui::SolidBrush(glass);
  {
    ui::Selection use_pen(dc, pen.get());
    ui::Selection use_brush(dc, glass_brush.get());
    Ellipse(dc, 7, 2, 25, 20);
    Rectangle(dc, 11, 16, 21, 22);
  }
  ui::Brush glow_brush = ui::SolidBrush(glow);
  RECT shine{11, 6, 14, 12};
  FillRect(dc, &shine, glow_brush.get());
  ui::Brush base_brush = ui::SolidBrush(base);
  ui::Selection use_pen(dc, pen.get());
  ui::Selection use_brush(dc, base_brush.get());
  Rectangle(dc, 11, 22, 21, 26);
  Rectangle(dc, 12, 26, 20, 29);
  Rectangle(dc, 14, 29, 18, 31);
}

}  // namespace

HICON CreateTipIcon() {
  HDC screen = GetDC(nullptr);
  ui::Bitmap colour(CreateCompatibleBitmap(screen, kSize, kSize));
  ReleaseDC(nullptr, screen);
  ui::Bitmap mask(CreateBitmap(kSize, kSize, 1, 1, nullptr));
  MemoryDc dc;
  const RECT all{0, 0, kSize, kSize};
  {
    ui::Selection use(dc.get(), colour.get());
    ui::Brush black = ui::SolidBrush(RGB(0, 0, 0));
    FillRect(dc.get(), &all, black.get());  // transparent pixels must be black in the colour image
    DrawBulb(dc.get(), RGB(255, 230, 70), RGB(255, 255, 210), RGB(150, 150, 160), RGB(90, 70, 0));
  }
  {
    ui::Selection use(dc.get(), mask.get());
    ui::Brush white = ui::SolidBrush(RGB(255, 255, 255));
    FillRect(dc.get(), &all, white.get());
    DrawBulb(dc.get(), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0));
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour.get();
  info.hbmMask = mask.get();
  return CreateIconIndirect(&info);  // copies both bitmaps
}

}  // namespace vantor::extras
