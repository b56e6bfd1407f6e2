#include "window_answerer.h"

#include <chrono>
#include <vector>

namespace vantor::testing {
namespace {

constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileTypeCombo = 0x470;  // cmb1

struct Search {
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  if (WindowText(window) != *search.caption) return TRUE;
  search.found = window;
  return FALSE;
}

HWND FileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, kFileNameCombo);
  return box ? box : GetDlgItem(dialog, kFileNameEdit);
}

}  // namespace

HWND FindOwnWindow(const std::string& caption) {
  Search search{&caption, nullptr};
  EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

WindowAnswerer::WindowAnswerer(std::string caption, std::function<void(HWND)> act)
    : caption_(std::move(caption)), act_(std::move(act)) {
  thread_ = std::thread([this] {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!stop_ && std::chrono::steady_clock::now() < give_up) {
      if (HWND window = FindOwnWindow(caption_)) {
        Sleep(50);  // let the window finish its start before acting on it
        act_(window);
        answered_ = true;
        return;
      }
      Sleep(20);
    }
  });
}

WindowAnswerer::~WindowAnswerer() {
  stop_ = true;
  thread_.join();
}

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > give_up) return false;
    Sleep(20);
  }
  return true;
}

std::vector<std::string> ChildTexts(HWND parent, const char* window_class) {
  std::vector<std::string> texts;
  for (HWND child = FindWindowExA(parent, nullptr, window_class, nullptr); child;
       child = FindWindowExA(parent, child, window_class, nullptr))
    texts.push_back(WindowText(child));
  return texts;
}

std::string FileDialogName(HWND dialog) { return WindowText(FileNameBox(dialog)); }

std::vector<std::string> FileDialogFilters(HWND dialog) {
  std::vector<std::string> filters;
  HWND types = GetDlgItem(dialog, kFileTypeCombo);
  const LRESULT count = SendMessageA(types, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[1024] = "";
    SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    filters.emplace_back(text);
  }
  return filters;
}

void ChooseFile(HWND dialog, const std::string& name) {
  SendMessageA(FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  PressButton(dialog, IDOK);
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string MessageBoxText(HWND box) {
  for (const std::string& text : ChildTexts(box, "Static"))
    if (!text.empty()) return text;
  return {};
}

int DefaultButton(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char window_class[32] = "";
    GetClassNameA(child, window_class, sizeof window_class);
    if (lstrcmpiA(window_class, "Button") == 0 &&
        (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      return GetDlgCtrlID(child);
  }
  return 0;
}

}  // namespace vantor::testing
