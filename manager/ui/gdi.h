#pragma once
// Owning wrappers for GDI objects and the few other handles the toolkit keeps.
#include <windows.h>

#include <string>

namespace vantor::ui {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

inline Brush SolidBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }

// A font by face name and height in pixels (negative: character height, as forms give it).
class Font {
 public:
  Font(const std::string& face, int height, bool bold = false, bool italic = false);
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  HFONT get() const { return font_.get(); }

 private:
  GdiObject<HFONT> font_;
};

// Selects an object into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

class IconHandle {
 public:
  explicit IconHandle(HICON icon = nullptr) : icon_(icon) {}
  ~IconHandle() {
    if (icon_) DestroyIcon(icon_);
  }
  IconHandle(const IconHandle&) = delete;
  IconHandle& operator=(const IconHandle&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);
void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour, int width = 1);

}  // namespace vantor::ui
