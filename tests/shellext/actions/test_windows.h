#pragma once
// Real windows for the tests, destroyed with their owner object.
#include <windows.h>

#include <string>

namespace vantor::shell::testing {

class TestWindow {
 public:
  explicit TestWindow(HWND handle) : handle_(handle) {}
  ~TestWindow() {
    if (handle_) DestroyWindow(handle_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return handle_; }

 private:
  HWND handle_;
};

// A shown, active top-level window of a class of that name (registered on first use).
HWND CreateActiveTopLevel(const std::string& class_name);

HWND CreateChild(HWND parent, const char* class_name, const std::string& text);

std::string TextOf(HWND window);

// Handles everything waiting in this thread's queue.
void PumpMessages();

}  // namespace vantor::shell::testing
