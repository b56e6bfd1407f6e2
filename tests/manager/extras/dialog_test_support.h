#pragma once
// What the dialog tests share: an owner form standing in for the main window, and
// geometry read back from real windows.
#include <windows.h>

#include <string>

#include "form.h"

namespace vantor::testing {

class OwnerForm : public ui::Form {
 public:
  OwnerForm() : Form(nullptr, ui::FormLayout{"Owner", 539, 430}) { Show(); }
};

struct Place {
  int left, top, width, height;
  bool operator==(const Place& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};
std::ostream& operator<<(std::ostream& out, const Place& place);

// A window's place relative to the client area of `container`.
Place PlaceIn(HWND window, HWND container);
SIZE ClientSize(HWND window);

struct FontInfo {
  std::string face;
  int height;
  bool bold;
};
FontInfo FontOf(HWND window);

// Runs the dialog's modal loop with `answer` acting on it from another thread once it
// is visible; returns the modal result.
template <typename Dialog, typename Answer>
int ShowAnswered(Dialog& dialog, const std::string& caption, Answer answer);

}  // namespace vantor::testing

#include "window_answerer.h"

namespace vantor::testing {

template <typename Dialog, typename Answer>
int ShowAnswered(Dialog& dialog, const std::string& caption, Answer answer) {
  WindowAnswerer answerer(caption, answer);
  return dialog.ShowModal();
}

}  // namespace vantor::testing
