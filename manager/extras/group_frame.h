#pragma once
// A group box that is a container window of its own: it paints its background and
// its etched frame, and its controls are its children. (A plain group-box control
// leaves its inside unpainted in a form that clips its children.)
#include "control.h"

namespace vantor::extras {

class GroupFrame : public ui::Panel {
 public:
  GroupFrame(ui::Container& parent, const ui::Bounds& bounds);
  POINT Origin() const override { return POINT{0, 0}; }

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
};

}  // namespace vantor::extras
