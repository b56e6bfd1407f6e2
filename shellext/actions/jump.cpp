#include "jump.h"

#include <algorithm>
#include <vector>

#include "folder_window.h"
#include "path_rules.h"
#include "shell_browser_jump.h"
#include "shell_texts.h"

namespace vantor::shell {
namespace {

std::string ClassNameOf(HWND window) {
  char buffer[256] = {};
  int length = GetClassNameA(window, buffer, sizeof buffer);
  return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

std::string AsciiUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string WindowText(HWND window) {
  auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  auto copied = SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
}

// The second direct "RichEdit20W" child of an Office file dialog: its file name box.
HWND OfficeFileNameBox(HWND active) {
  if (AsciiUpper(ClassNameOf(active)).find("BOSA_SDM") == std::string::npos) return nullptr;
  HWND first = FindWindowExA(active, nullptr, "RichEdit20W", nullptr);
  return first ? FindWindowExA(active, first, "RichEdit20W", nullptr) : nullptr;
}

}  // namespace

void JumpToFavourite(HWND host, std::uint16_t number, ActionEnvironment& env) {
  const std::string path = ReadFavouritePath(env.store, number);
  if (path.empty()) return;
  if (!IsExistingDirectory(path)) {
    env.messages.Show(DoesNotExistMessage(path));
    return;
  }
  HWND active = GetActiveWindow();
  if (HWND box = active ? OfficeFileNameBox(active) : nullptr) {
    EnterPathAndRestore(box, path);
    return;
  }
  if (WindowsVersionClass(env.version.Query()) < kShellBrowserVersionClass) {
    if (HWND edit = active ? FindEditDescendant(active) : nullptr) TypePathAndPostEnter(edit, path);
    return;
  }
  // A path the shell cannot parse ends the jump: no navigation, no new window.
  if (BrowseHostTo(host, path) == BrowseOutcome::kNoBrowser) OpenFolderWindow(path, env);
}

HWND FindEditDescendant(HWND window) {
  for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(window, child, nullptr, nullptr)) {
    if (ClassNameOf(child) == "Edit") return child;
    if (HWND found = FindEditDescendant(child)) return found;
  }
  return nullptr;
}

void ClearEditControl(HWND window) {
  SendMessageA(window, WM_SETFOCUS, 0, 0);
  SendMessageA(window, EM_SETSEL, 0, -1);
  SendMessageA(window, WM_CLEAR, 0, 0);
  SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
  SendMessageA(window, WM_LBUTTONUP, 0, 0);
}

void TypeText(HWND window, const std::string& text) {
  for (char c : text) SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 0);
}

void EnterPathAndRestore(HWND box, const std::string& path) {
  SendMessageA(box, WM_SETFOCUS, 0, 0);
  const std::string old_text = WindowText(box);
  ClearEditControl(box);
  TypeText(box, path);
  SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(box, WM_KEYUP, VK_RETURN, 0);
  ClearEditControl(box);
  TypeText(box, old_text);
}

void TypePathAndPostEnter(HWND edit, const std::string& path) {
  SendMessageA(edit, WM_SETFOCUS, 0, 0);
  ClearEditControl(edit);
  TypeText(edit, path);
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(edit, WM_KEYUP, VK_RETURN, 0);
}

}  // namespace vantor::shell
