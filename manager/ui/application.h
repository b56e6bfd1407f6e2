#pragma once
// The application object: its title (the caption of its message boxes), the main
// form, the message loop with idle-time action updates, the application's message
// box (every other window of the application disabled while it is up) and its
// standard error box.
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

namespace vantor::ui {

class Form;

class Application {
 public:
  static Application& Instance();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  const std::string& title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  Form* main_form() const { return main_form_; }
  void SetMainForm(Form* form) { main_form_ = form; }
  // The top-level window that owns the application's forms and dialogs.
  HWND Handle() const;

  // Runs the message loop until the main form closes; returns the exit code.
  int Run();
  // Handles one message, or waits for one after the idle work; false on WM_QUIT
  // (which is posted again so that an outer loop ends too).
  bool HandleOneMessage();
  // Handles every message already waiting, then the idle work.
  void ProcessMessages();
  // Updates every action of every form.
  void Idle();

  // MessageBoxA owned by the active window with every other application window
  // disabled meanwhile; returns the button pressed.
  int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
  // Caption: the title; error icon; a full stop added when the text needs one.
  void ShowError(const std::string& text);
  void ShowException(std::exception_ptr error);

  // Disables the visible, enabled top-level windows of this thread except `keep`.
  std::vector<HWND> DisableTaskWindows(HWND keep);
  static void EnableTaskWindows(const std::vector<HWND>& windows);

  void RegisterForm(Form* form);
  void UnregisterForm(Form* form);
  bool running() const { return running_; }

 private:
  Application() = default;
  bool PreTranslate(MSG& message);

  std::string title_ = "Vantor";
  Form* main_form_ = nullptr;
  std::vector<Form*> forms_;
  bool running_ = false;
};

}  // namespace vantor::ui
