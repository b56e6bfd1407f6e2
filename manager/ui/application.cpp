#include "application.h"

#include <algorithm>

#include "form.h"
#include "texts.h"

namespace vantor::ui {

Application& Application::Instance() {
  static Application application;
  return application;
}

HWND Application::Handle() const { return main_form_ ? main_form_->handle() : nullptr; }

int Application::Run() {
  running_ = true;
  MSG message;
  int exit_code = 0;
  for (;;) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      Idle();
      WaitMessage();
      continue;
    }
    if (message.message == WM_QUIT) {
      exit_code = static_cast<int>(message.wParam);
      break;
    }
    if (!PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  running_ = false;
  return exit_code;
}

bool Application::HandleOneMessage() {
  MSG message;
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    Idle();
    WaitMessage();
    return true;
  }
  if (message.message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(message.wParam));
    return false;
  }
  if (!PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

void Application::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (!PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  Idle();
}

bool Application::PreTranslate(MSG& message) {
  if (!message.hwnd) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  for (Form* form : forms_)
    if (form->handle() == root) return IsDialogMessageA(root, &message) != FALSE;
  return false;
}

void Application::Idle() {
  try {
    std::vector<Form*> forms = forms_;
    for (Form* form : forms) form->UpdateActions();
  } catch (...) {
    ShowException(std::current_exception());
  }
}

namespace {

struct TaskWindows {
  HWND keep;
  std::vector<HWND> enabled;
};

BOOL CALLBACK CollectTaskWindow(HWND hwnd, LPARAM data) {
  auto* windows = reinterpret_cast<TaskWindows*>(data);
  if (hwnd != windows->keep && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) windows->enabled.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> Application::DisableTaskWindows(HWND keep) {
  TaskWindows collect{keep, {}};
  EnumThreadWindows(GetCurrentThreadId(), &CollectTaskWindow, reinterpret_cast<LPARAM>(&collect));
  for (HWND hwnd : collect.enabled) EnableWindow(hwnd, FALSE);
  return collect.enabled;
}

void Application::EnableTaskWindows(const std::vector<HWND>& windows) {
  for (HWND hwnd : windows)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}

int Application::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND active = GetActiveWindow();
  std::vector<HWND> disabled = DisableTaskWindows(nullptr);
  int answer = ::MessageBoxA(active ? active : Handle(), text.c_str(), caption.c_str(), flags);
  EnableTaskWindows(disabled);
  if (active && IsWindow(active)) SetActiveWindow(active);
  return answer;
}

void Application::ShowError(const std::string& text) {
  ShowMessageBox(ErrorBoxText(text), title_, MB_OK | MB_ICONERROR);
}

void Application::ShowException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    ShowError(e.what());
  } catch (...) {
    ShowError("An unexpected error occurred");
  }
}

void Application::RegisterForm(Form* form) { forms_.push_back(form); }

void Application::UnregisterForm(Form* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (main_form_ == form) main_form_ = nullptr;
}

}  // namespace vantor::ui
