#include "dialog_test_support.h"

#include <ostream>

namespace vantor::testing {

std::ostream& operator<<(std::ostream& out, const Place& place) {
  return out << "{" << place.left << ", " << place.top << ", " << place.width << ", " << place.height << "}";
}

Place PlaceIn(HWND window, HWND container) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
  return Place{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

FontInfo FontOf(HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  LOGFONTA info{};
  if (!font || !GetObjectA(font, sizeof info, &info)) return FontInfo{"", 0, false};
  return FontInfo{info.lfFaceName, info.lfHeight, info.lfWeight >= FW_BOLD};
}

}  // namespace vantor::testing
