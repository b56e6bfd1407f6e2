#include "message_box_watcher.h"

#include <chrono>

namespace vantor::shell::testing {
namespace {

struct BoxContents {
  std::string text;
  int buttons = 0;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM data) {
  auto* contents = reinterpret_cast<BoxContents*>(data);
  char class_name[64] = {};
  GetClassNameA(child, class_name, sizeof class_name);
  char text[1024] = {};
  GetWindowTextA(child, text, sizeof text);
  if (lstrcmpiA(class_name, "Button") == 0 && IsWindowVisible(child)) ++contents->buttons;
  if (lstrcmpiA(class_name, "Static") == 0 && text[0] != '\0') contents->text = text;
  return TRUE;
}

// Only boxes of this process count: other test programs running at the same time
// show "Vantor" boxes of their own.
HWND OwnVisibleBox(HWND after) {
  HWND box = after;
  while ((box = FindWindowExA(nullptr, box, "#32770", "Vantor")) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(box)) return box;
  }
  return nullptr;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher() : thread_([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

std::vector<std::string> MessageBoxWatcher::Texts() {
  std::vector<std::string> texts;
  for (const SeenMessageBox& box : Seen()) texts.push_back(box.text);
  return texts;
}

void MessageBoxWatcher::Watch() {
  HWND last = nullptr;
  while (!stop_) {
    HWND box = OwnVisibleBox(nullptr);
    if (box == last && box) box = OwnVisibleBox(box);
    if (box && box != last) {
      BoxContents contents;
      EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&contents));
      {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(SeenMessageBox{contents.text, GetWindow(box, GW_OWNER), contents.buttons == 1});
      }
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      last = box;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace vantor::shell::testing
