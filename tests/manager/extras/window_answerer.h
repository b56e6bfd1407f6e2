#pragma once
// Answers the modal windows that the code under test opens: a thread of its own waits
// for a visible top-level window of this process with the given caption and acts on
// it (reads it, fills it in, presses a button), as a user would.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ui_driver.h"  // WindowText

namespace vantor::testing {

class WindowAnswerer {
 public:
  WindowAnswerer(std::string caption, std::function<void(HWND)> act);
  ~WindowAnswerer();  // stops waiting
  WindowAnswerer(const WindowAnswerer&) = delete;
  WindowAnswerer& operator=(const WindowAnswerer&) = delete;

  bool answered() const { return answered_; }

 private:
  std::string caption_;
  std::function<void(HWND)> act_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> answered_{false};
  std::thread thread_;
};

// Polls `condition` until it holds or `timeout_ms` passed; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = 10000);

// A visible top-level window of this process with that caption, or nullptr.
HWND FindOwnWindow(const std::string& caption);

// The texts of a window's children of one window class, in z order.
std::vector<std::string> ChildTexts(HWND parent, const char* window_class);

// The common file dialog: the name in its file name box, its filter descriptions.
std::string FileDialogName(HWND dialog);
std::vector<std::string> FileDialogFilters(HWND dialog);
// Types `name` into the file name box and presses the dialog's OK button.
void ChooseFile(HWND dialog, const std::string& name);
void PressButton(HWND dialog, int id);

// A message box: its text and its default button.
std::string MessageBoxText(HWND box);
int DefaultButton(HWND box);

}  // namespace vantor::testing
