#pragma once
// Drives real windows from a test on the test's own thread: clicks posted as the
// mouse would send them, and watchers that answer modal dialogs and message boxes
// (found by caption from a thread timer, which every modal loop keeps running).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vantor::testing {

// Handles this thread's messages for about `milliseconds` (at least one pass).
void Pump(int milliseconds = 0);
// Pumps until `done` or the timeout; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeout_milliseconds = 5000);

void ClickAt(HWND window, POINT client_point);
void DoubleClickAt(HWND window, POINT client_point);
POINT Centre(const RECT& rect);
// A button's click notification, as the button sends it to its parent (posted).
void PostClick(HWND button);

// Calls `answer` once, when a visible top-level window of this thread with the
// caption appears. Watchers fire in the order they were made.
class WindowWatcher {
 public:
  WindowWatcher(std::string caption, std::function<void(HWND)> answer);
  ~WindowWatcher();
  WindowWatcher(const WindowWatcher&) = delete;
  WindowWatcher& operator=(const WindowWatcher&) = delete;
  bool fired() const { return fired_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  std::string caption_;
  std::function<void(HWND)> answer_;
  bool fired_ = false;
  UINT_PTR timer_ = 0;
  static std::vector<WindowWatcher*>& Active();
};

// What a message box showed: its caption and text; the watcher presses `button`.
struct SeenMessageBox {
  std::string text;
  bool seen = false;
  bool error_icon = false;
  bool question_icon = false;
};
std::function<void(HWND)> AnswerMessageBox(SeenMessageBox& seen, int button);

std::string WindowText(HWND window);
// The visible top-level windows of this thread whose caption is `caption`.
std::vector<HWND> ThreadWindowsCaptioned(const std::string& caption);

}  // namespace vantor::testing
