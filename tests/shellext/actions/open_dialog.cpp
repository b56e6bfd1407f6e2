#include "open_dialog.h"

#include <commdlg.h>
#include <ole2.h>

#include <chrono>
#include <vector>

namespace vantor::shell::testing {
namespace {

constexpr UINT kRunWork = WM_APP + 1;

}  // namespace

OpenDialogThread::OpenDialogThread(const std::string& initial_folder, const std::string& file_name)
    : thread_([this, initial_folder, file_name] { Run(initial_folder, file_name); }) {
  auto answer = ready_.get_future();
  if (answer.wait_for(std::chrono::seconds(20)) == std::future_status::ready) dialog_ = answer.get();
}

OpenDialogThread::~OpenDialogThread() {
  if (dialog_) PostMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
  thread_.join();
}

void OpenDialogThread::Run(std::string initial_folder, std::string file_name) {
  OleInitialize(nullptr);
  std::vector<char> file(MAX_PATH, '\0');
  file_name.copy(file.data(), file.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = initial_folder.c_str();
  dialog.lpstrTitle = "Vantor jump test";
  dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  dialog.lpfnHook = &OpenDialogThread::Hook;
  dialog.lCustData = reinterpret_cast<LPARAM>(this);
  if (!GetOpenFileNameA(&dialog)) {
    // Cancelled (the normal end) or failed to come up: either way nobody waits any more.
  }
  try {
    ready_.set_value(nullptr);
  } catch (const std::future_error&) {
  }
  OleUninitialize();
}

UINT_PTR CALLBACK OpenDialogThread::Hook(HWND hook, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hook, GWLP_USERDATA, reinterpret_cast<const OPENFILENAMEA*>(lparam)->lCustData);
  } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->code == CDN_INITDONE) {
    auto* self = reinterpret_cast<OpenDialogThread*>(GetWindowLongPtrA(hook, GWLP_USERDATA));
    self->ready_.set_value(GetParent(hook));
  } else if (message == kRunWork) {
    (*reinterpret_cast<const std::function<void(HWND)>*>(lparam))(GetParent(hook));
    return TRUE;
  }
  (void)wparam;
  return FALSE;
}

void OpenDialogThread::RunOnDialogThread(const std::function<void(HWND dialog)>& work) {
  HWND hook = FindWindowExA(dialog_, nullptr, "#32770", nullptr);
  SendMessageA(hook, kRunWork, 0, reinterpret_cast<LPARAM>(&work));
}

std::string OpenDialogThread::FolderPath() {
  char buffer[MAX_PATH] = {};
  SendMessageA(dialog_, CDM_GETFOLDERPATH, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

std::string OpenDialogThread::FileNameBox() {
  char buffer[MAX_PATH] = {};
  SendMessageA(dialog_, CDM_GETSPEC, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

}  // namespace vantor::shell::testing
