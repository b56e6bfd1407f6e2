#pragma once
// A top-level form. How to build a dialog with the toolkit:
//
//   class TfrmExample : public ui::Form {
//    public:
//     explicit TfrmExample(ui::Form& owner)
//         : Form(&owner, ui::FormLayout{"Example", 300, 120, ui::FormPosition::kOwnerCenter}) {
//       bOk.OnClick = [this] { if (Valid()) SetModalResult(ui::kModalOk); };
//     }
//    private:
//     ui::Label Label1{*this, {8, 12, 60, 13}, "Name"};
//     ui::Edit feName{*this, {70, 10, 200, 19}};
//     ui::Button bOk{*this, {130, 88, 75, 25}, "OK"};
//     ui::Button bCancel{*this, {215, 88, 75, 25}, "Cancel", ui::ButtonOptions{true, true, ui::kModalCancel}};
//   };
//   TfrmExample dialog(main_form);
//   if (dialog.ShowModal() == ui::kModalOk) { ... read the controls ... }
//
// Controls are members placed at the layout's client coordinates (inside a GroupBox
// or Panel: relative to it). Tab order is the order of creation. ShowModal disables
// the application's other windows, runs its own loop until a modal result is set
// (the title-bar close button sets kModalCancel), then hides the form. Enter and Esc
// press the default and cancel buttons only when the form names them.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "action.h"
#include "control.h"
#include "gdi.h"
#include "theme.h"
#include "window.h"

namespace vantor::ui {

inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

enum class FormPosition { kScreenCenter, kOwnerCenter };

struct FormLayout {
  std::string caption;
  int client_width = 0;
  int client_height = 0;
  FormPosition position = FormPosition::kScreenCenter;
  std::string font_face = "MS Sans Serif";
  int font_height = -11;
  // Skinned: the form draws its own frame (title bar, border) from a theme inside
  // its client area, which gets a minimise button and a taskbar button.
  bool skinned = false;
  std::string window_class = "VantorForm";
};

class SkinFrame;

class Form : public Window, public Container {
 public:
  Form(Form* owner, const FormLayout& layout);
  ~Form() override;

  int ShowModal();
  void Show();
  void Hide();
  bool modal() const { return modal_; }
  int modal_result() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }
  Form* owner() const { return owner_; }
  // The window to bring to the front for this form: the enabled window it owns
  // (a modal dialog or message box over it), else its last active popup or itself.
  HWND TopWindow() const;

  void AddAction(Action& action) { actions_.push_back(&action); }
  void UpdateActions();
  void SetDefaultButton(Button* button) { default_button_ = button; }
  void SetCancelButton(Button* button) { cancel_button_ = button; }
  void SetInitialFocus(Control* control) { initial_focus_ = control; }

  void SetTheme(const Theme& theme);  // skinned forms only
  const Theme& theme() const;
  SkinFrame* skin() const { return skin_.get(); }

  // Container
  HWND ParentHandle() const override { return handle(); }
  Form& OwningForm() override { return *this; }
  const Font& DefaultFont() const override { return font_; }

 protected:
  virtual void FormShow() {}
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
  COLORREF BackgroundColour() const override;
  void OnHandleDestroyed() override;

 private:
  void PlaceOnScreen();
  void FocusFirst();

  Form* owner_;
  FormLayout layout_;
  Font font_;
  std::unique_ptr<SkinFrame> skin_;
  std::vector<Action*> actions_;
  Button* default_button_ = nullptr;
  Button* cancel_button_ = nullptr;
  Control* initial_focus_ = nullptr;
  HWND last_focus_ = nullptr;
  bool modal_ = false;
  bool shown_once_ = false;
  int modal_result_ = 0;
};

}  // namespace vantor::ui
