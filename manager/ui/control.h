#pragma once
// The standard controls the forms use, each a thin owner of one child window.
// Controls are placed in a Container (a form, a panel, a group box or a notebook
// page) at the pixel bounds the form's layout gives, relative to that container.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "action.h"
#include "gdi.h"
#include "geometry.h"
#include "window.h"

namespace vantor::ui {

class Form;

class Container {
 public:
  virtual ~Container() = default;
  // The window the controls are children of, and where (0,0) of this container is in it.
  virtual HWND ParentHandle() const = 0;
  virtual POINT Origin() const { return POINT{0, 0}; }
  virtual Form& OwningForm() = 0;
  virtual const Font& DefaultFont() const;
};

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND handle() const { return hwnd_; }
  static Control* FromHandle(HWND hwnd);

  std::string Text() const;
  void SetText(const std::string& text);
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  void SetFont(const Font& font) { SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE); }
  void SetFocus() { ::SetFocus(hwnd_); }
  bool Focused() const { return GetFocus() == hwnd_; }
  void SetBounds(const Bounds& bounds);

  const std::optional<COLORREF>& text_colour() const { return text_colour_; }
  void SetTextColour(COLORREF colour);

  virtual void OnCommand(int /*code*/) {}
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

 protected:
  Control(Container& parent, const char* window_class, DWORD style, DWORD ex_style, const Bounds& bounds,
          const std::string& text);
  Control(Container& parent, HWND adopted);  // for windows the toolkit makes itself
  Container& parent() const { return parent_; }

 private:
  Container& parent_;
  HWND hwnd_ = nullptr;
  std::optional<COLORREF> text_colour_;
};

class Label : public Control {
 public:
  Label(Container& parent, const Bounds& bounds, const std::string& text, DWORD extra_style = 0);
};

class GroupBox : public Control, public Container {
 public:
  GroupBox(Container& parent, const Bounds& bounds, const std::string& caption = {});
  HWND ParentHandle() const override { return parent().ParentHandle(); }
  POINT Origin() const override;
  Form& OwningForm() override { return parent().OwningForm(); }

 private:
  Bounds bounds_;
};

struct ButtonOptions {
  bool tab_stop = true;
  bool focusable = true;   // false: a speed button, clicking leaves the focus where it was
  int modal_result = 0;    // non-zero: clicking ends the modal run of its form with it
};

class Button : public Control {
 public:
  Button(Container& parent, const Bounds& bounds, const std::string& caption, ButtonOptions options = {});
  std::function<void()> OnClick;
  void BindAction(Action& action);
  void Click();  // as a click by the user
  void OnCommand(int code) override;

 private:
  static LRESULT CALLBACK KeepFocusProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  ButtonOptions options_;
  Action* action_ = nullptr;
};

class CheckBox : public Control {
 public:
  CheckBox(Container& parent, const Bounds& bounds, const std::string& caption, bool tab_stop = true);
  bool Checked() const;
  void SetChecked(bool checked);
  std::function<void()> OnClick;
  void OnCommand(int code) override;
};

class Edit : public Control {
 public:
  Edit(Container& parent, const Bounds& bounds, const std::string& text = {}, bool tab_stop = true);
  std::function<void()> OnChange;
  void OnCommand(int code) override;
};

class ComboBox : public Control {  // a drop-down list
 public:
  ComboBox(Container& parent, const Bounds& bounds, bool tab_stop = true);
  void AddItem(const std::string& text);
  int ItemIndex() const;
  void SetItemIndex(int index);
  int ItemCount() const;
  std::function<void()> OnChange;
  void OnCommand(int code) override;
};

class Image : public Control {  // an icon shown at its natural size
 public:
  Image(Container& parent, const Bounds& bounds);
  void SetIcon(HICON icon);  // not owned
};

enum class BevelStyle { kNone, kSunken, kRaised };

// A plain rectangle with its own background and an optional bevel of `bevel_width`
// pixels; a container for further controls.
class Panel : public Window, public Container {
 public:
  Panel(Container& parent, const Bounds& bounds, COLORREF colour, BevelStyle bevel = BevelStyle::kNone,
        int bevel_width = 1);
  HWND ParentHandle() const override { return handle(); }
  POINT Origin() const override;
  Form& OwningForm() override { return parent_.OwningForm(); }
  const Font& DefaultFont() const override { return parent_.DefaultFont(); }
  void SetVisible(bool visible) { ShowWindow(handle(), visible ? SW_SHOWNA : SW_HIDE); }
  bool Visible() const { return IsWindowVisible(handle()) != FALSE; }

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  COLORREF BackgroundColour() const override { return colour_; }

 private:
  Container& parent_;
  COLORREF colour_;
  BevelStyle bevel_;
  int bevel_width_;
};

// Pages of which one at a time is visible.
class Notebook : public Panel {
 public:
  Notebook(Container& parent, const Bounds& bounds, COLORREF colour);
  Panel& AddPage(const std::string& name);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  int PageIndex() const { return page_index_; }
  void SetPageIndex(int index);
  Panel& Page(int index) { return *pages_.at(static_cast<std::size_t>(index)).panel; }

 private:
  struct NamedPage {
    std::string name;
    std::unique_ptr<Panel> panel;
  };
  std::vector<NamedPage> pages_;
  Bounds bounds_;
  COLORREF colour_;
  int page_index_ = -1;
};

}  // namespace vantor::ui
