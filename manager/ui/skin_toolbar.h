#pragma once
// The skinned toolbar: flat buttons that show a 16 x 16 picture above their caption,
// separators between groups, a tooltip per button. A button runs its click handler,
// or is bound to an action, whose caption and enabled state it shows; its tooltip is
// the action's hint when the action has one, else the button's own hint.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "action.h"
#include "control.h"
#include "gdi.h"
#include "theme.h"
#include "window.h"

namespace vantor::ui {

class SkinToolBar : public Window {
 public:
  struct Item {
    std::string name;
    std::string caption;
    std::string hint;
    int image = -1;
    Action* action = nullptr;
    std::function<void()> on_click;
    int separator_width = 0;  // > 0: a separator of this width, nothing else used
  };

  // `images`: an image list of 16 x 16 pictures, owned by the caller.
  SkinToolBar(Container& parent, const Bounds& bounds, HIMAGELIST images, int button_width, int button_height);
  ~SkinToolBar() override;

  void SetTheme(const Theme& theme);
  int AddButton(Item item);  // returns its index
  void AddSeparator(int width);

  int IndexOf(const std::string& name) const;
  RECT ButtonRect(int index) const;
  bool ButtonEnabled(int index) const;
  std::string ButtonCaption(int index) const;
  std::string ButtonHint(int index) const;  // the tooltip text
  HWND tooltip() const { return tooltip_; }

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  COLORREF BackgroundColour() const override { return RGB(theme_.toolbar_face.red, theme_.toolbar_face.green, theme_.toolbar_face.blue); }

 private:
  void Layout();
  void Paint(HDC dc);
  int ButtonAt(POINT point) const;
  void Click(int index);
  void RefreshTip(int index);

  std::vector<Item> items_;
  std::vector<RECT> rects_;
  HIMAGELIST images_;
  int button_width_, button_height_;
  Theme theme_;
  HWND tooltip_ = nullptr;
  HFONT font_ = nullptr;  // the container's, which outlives the toolbar
  int hot_ = -1;
  int pressed_ = -1;
  bool tracking_ = false;
};

}  // namespace vantor::ui
