#pragma once
// Watches from a thread of its own for message boxes with the caption "Vantor",
// remembers their text and owner, and presses their OK button.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vantor::shell::testing {

struct SeenMessageBox {
  std::string text;
  HWND owner = nullptr;
  bool has_one_button = false;
};

class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  std::vector<SeenMessageBox> Seen();
  std::vector<std::string> Texts();

 private:
  void Watch();
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenMessageBox> seen_;
  std::thread thread_;
};

}  // namespace vantor::shell::testing
