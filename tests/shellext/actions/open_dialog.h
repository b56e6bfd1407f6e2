#pragma once
// A real Explorer-style Open dialog on a thread of its own. Work handed to it runs
// on the dialog's thread (as the shell runs a context menu's command), with the
// dialog as its top-level window; the dialog is cancelled when the object goes.
#include <windows.h>

#include <functional>
#include <future>
#include <string>
#include <thread>

namespace vantor::shell::testing {

class OpenDialogThread {
 public:
  OpenDialogThread(const std::string& initial_folder, const std::string& file_name);
  ~OpenDialogThread();
  OpenDialogThread(const OpenDialogThread&) = delete;
  OpenDialogThread& operator=(const OpenDialogThread&) = delete;

  // The dialog's top-level window; nullptr when it did not come up.
  HWND dialog() const { return dialog_; }

  // Runs `work(dialog)` on the dialog's thread and waits for it.
  void RunOnDialogThread(const std::function<void(HWND dialog)>& work);

  std::string FolderPath();  // CDM_GETFOLDERPATH
  std::string FileNameBox();  // CDM_GETSPEC

 private:
  static UINT_PTR CALLBACK Hook(HWND hook, UINT message, WPARAM wparam, LPARAM lparam);
  void Run(std::string initial_folder, std::string file_name);

  std::promise<HWND> ready_;
  HWND dialog_ = nullptr;
  std::thread thread_;
};

}  // namespace vantor::shell::testing
