#include "control.h"

#include <commctrl.h>

#include <stdexcept>

#include "form.h"

namespace vantor::ui {
namespace {

constexpr const char* kControlProperty = "Vantor.Control";

int NextControlId() {
  static int next = 1000;  // clear of IDOK/IDCANCEL, which Enter and Esc send
  return next++;
}

}  // namespace

const Font& Container::DefaultFont() const {
  static const Font font("MS Sans Serif", -11);
  return font;
}

Control::Control(Container& parent, const char* window_class, DWORD style, DWORD ex_style, const Bounds& bounds,
                 const std::string& text)
    : parent_(parent) {
  const POINT origin = parent.Origin();
  hwnd_ = CreateWindowExA(ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                          origin.x + bounds.left, origin.y + bounds.top, bounds.width, bounds.height,
                          parent.ParentHandle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                          GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) throw std::runtime_error(std::string("Cannot create a control of class ") + window_class);
  SetPropA(hwnd_, kControlProperty, this);
  SetFont(parent.DefaultFont());
}

Control::Control(Container& parent, HWND adopted) : parent_(parent), hwnd_(adopted) {
  SetPropA(hwnd_, kControlProperty, this);
}

Control::~Control() {
  if (hwnd_ && IsWindow(hwnd_)) {
    RemovePropA(hwnd_, kControlProperty);
    DestroyWindow(hwnd_);
  }
}

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

std::string Control::Text() const {
  const int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), length + 1)));
  return text;
}

void Control::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

void Control::SetBounds(const Bounds& bounds) {
  const POINT origin = parent_.Origin();
  MoveWindow(hwnd_, origin.x + bounds.left, origin.y + bounds.top, bounds.width, bounds.height, TRUE);
}

void Control::SetTextColour(COLORREF colour) {
  text_colour_ = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

Label::Label(Container& parent, const Bounds& bounds, const std::string& text, DWORD extra_style)
    : Control(parent, "STATIC", SS_LEFT | extra_style, 0, bounds, text) {}

GroupBox::GroupBox(Container& parent, const Bounds& bounds, const std::string& caption)
    : Control(parent, "BUTTON", BS_GROUPBOX, 0, bounds, caption), bounds_(bounds) {}

POINT GroupBox::Origin() const {
  POINT origin = parent().Origin();
  return POINT{origin.x + bounds_.left, origin.y + bounds_.top};
}

Button::Button(Container& parent, const Bounds& bounds, const std::string& caption, ButtonOptions options)
    : Control(parent, "BUTTON", BS_PUSHBUTTON | (options.tab_stop ? WS_TABSTOP : 0), 0, bounds, caption),
      options_(options) {
  if (!options.focusable) SetWindowSubclass(handle(), &Button::KeepFocusProcedure, 1, 0);
}

// A speed button never keeps the focus: it hands it straight back.
LRESULT CALLBACK Button::KeepFocusProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                            DWORD_PTR) {
  if (message == WM_SETFOCUS && wparam && IsWindow(reinterpret_cast<HWND>(wparam))) {
    ::SetFocus(reinterpret_cast<HWND>(wparam));
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Button::KeepFocusProcedure, 1);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

void Button::BindAction(Action& action) {
  action_ = &action;
  SetText(action.caption());
  SetEnabled(action.enabled());
  action.Subscribe([this] { SetEnabled(action_->enabled()); });
}

void Button::Click() {
  if (!Enabled()) return;
  if (action_) {
    action_->Execute();
  } else if (OnClick) {
    OnClick();
  }
  if (options_.modal_result) parent().OwningForm().SetModalResult(options_.modal_result);
}

void Button::OnCommand(int code) {
  if (code == BN_CLICKED) Click();
}

CheckBox::CheckBox(Container& parent, const Bounds& bounds, const std::string& caption, bool tab_stop)
    : Control(parent, "BUTTON", BS_AUTOCHECKBOX | (tab_stop ? WS_TABSTOP : 0), 0, bounds, caption) {}

bool CheckBox::Checked() const { return SendMessageA(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  SendMessageA(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCommand(int code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

Edit::Edit(Container& parent, const Bounds& bounds, const std::string& text, bool tab_stop)
    : Control(parent, "EDIT", ES_AUTOHSCROLL | (tab_stop ? WS_TABSTOP : 0), WS_EX_CLIENTEDGE, bounds, text) {}

void Edit::OnCommand(int code) {
  if (code == EN_CHANGE && OnChange) OnChange();
}

ComboBox::ComboBox(Container& parent, const Bounds& bounds, bool tab_stop)
    : Control(parent, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | (tab_stop ? WS_TABSTOP : 0), 0,
              Bounds{bounds.left, bounds.top, bounds.width, bounds.height + 120}, "") {}

void ComboBox::AddItem(const std::string& text) {
  SendMessageA(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
int ComboBox::ItemIndex() const { return static_cast<int>(SendMessageA(handle(), CB_GETCURSEL, 0, 0)); }
void ComboBox::SetItemIndex(int index) { SendMessageA(handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
int ComboBox::ItemCount() const { return static_cast<int>(SendMessageA(handle(), CB_GETCOUNT, 0, 0)); }

void ComboBox::OnCommand(int code) {
  if (code == CBN_SELCHANGE && OnChange) OnChange();
}

Image::Image(Container& parent, const Bounds& bounds)
    : Control(parent, "STATIC", SS_ICON | SS_CENTERIMAGE, 0, bounds, "") {}

void Image::SetIcon(HICON icon) { SendMessageA(handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0); }

Panel::Panel(Container& parent, const Bounds& bounds, COLORREF colour, BevelStyle bevel, int bevel_width)
    : parent_(parent), colour_(colour), bevel_(bevel), bevel_width_(bevel_width) {
  const POINT origin = parent.Origin();
  CreateHandle("VantorPanel", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "",
               origin.x + bounds.left, origin.y + bounds.top, bounds.width, bounds.height, parent.ParentHandle());
}

POINT Panel::Origin() const {
  const int inset = bevel_ == BevelStyle::kNone ? 0 : bevel_width_;
  return POINT{inset, inset};
}

bool Panel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    RECT client;
    GetClientRect(handle(), &client);
    if (bevel_ != BevelStyle::kNone) {
      const COLORREF top_left = GetSysColor(bevel_ == BevelStyle::kSunken ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
      const COLORREF bottom_right = GetSysColor(bevel_ == BevelStyle::kSunken ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
      for (int i = 0; i < bevel_width_; ++i) {
        Line(dc, client.left + i, client.bottom - 1 - i, client.left + i, client.top + i, top_left);
        Line(dc, client.left + i, client.top + i, client.right - 1 - i, client.top + i, top_left);
        Line(dc, client.right - 1 - i, client.top + i, client.right - 1 - i, client.bottom - i, bottom_right);
        Line(dc, client.left + i, client.bottom - 1 - i, client.right - i, client.bottom - 1 - i, bottom_right);
      }
    }
    EndPaint(handle(), &paint);
    result = 0;
    return true;
  }
  return Window::HandleMessage(message, wparam, lparam, result);
}

Notebook::Notebook(Container& parent, const Bounds& bounds, COLORREF colour)
    : Panel(parent, bounds, colour), bounds_(bounds), colour_(colour) {}

Panel& Notebook::AddPage(const std::string& name) {
  auto page = std::make_unique<Panel>(*this, Bounds{0, 0, bounds_.width, bounds_.height}, colour_);
  page->SetVisible(pages_.empty());
  if (pages_.empty()) page_index_ = 0;
  pages_.push_back(NamedPage{name, std::move(page)});
  return *pages_.back().panel;
}

void Notebook::SetPageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  page_index_ = index;
  for (int i = 0; i < PageCount(); ++i) Page(i).SetVisible(i == index);
}

}  // namespace vantor::ui
