#pragma once
#include <windows.h>

namespace vantor::ui {

// A control's place in pixels, relative to its container, as form layouts give it.
struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

inline COLORREF Grey(int level) { return RGB(level, level, level); }

}  // namespace vantor::ui
