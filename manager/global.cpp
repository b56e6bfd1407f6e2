#include "global.h"

#include <shlobj.h>

#include "application.h"
#include "com_ref.h"
#include "rirovir_unit.h"

namespace vantor {
namespace {

// Frees a block of the shell's task allocator at scope end.
class TaskMemory {
 public:
  TaskMemory(IMalloc& allocator, void* block) : allocator_(allocator), block_(block) {}
  ~TaskMemory() {
    if (block_) allocator_.Free(block_);
  }
  TaskMemory(const TaskMemory&) = delete;
  TaskMemory& operator=(const TaskMemory&) = delete;
  void* get() const { return block_; }

 private:
  IMalloc& allocator_;
  void* block_;
};

// The error mode and the disabled windows for the time the browser is up.
class InertApplication {
 public:
  InertApplication()
      : disabled_(ui::Application::Instance().DisableTaskWindows(nullptr)),
        previous_mode_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~InertApplication() {
    SetErrorMode(previous_mode_);
    ui::Application::EnableTaskWindows(disabled_);
  }
  InertApplication(const InertApplication&) = delete;
  InertApplication& operator=(const InertApplication&) = delete;

 private:
  std::vector<HWND> disabled_;
  UINT previous_mode_;
};

}  // namespace

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM) {
  if (message != BFFM_INITIALIZED) return 0;
  int x = 0, y = 0;
  RECT client;
  if (GetClientRect(window, &client)) {
    x = (GetSystemMetrics(SM_CXSCREEN) - (client.right - client.left)) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - (client.bottom - client.top)) / 2;
  }
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

bool BrowseForFolder(const std::string& title, const std::wstring& root, std::string& path) {
  bool chosen = false;
  if (!CheckPath(path)) path.clear();
  BROWSEINFOA info{};
  ComRef<IMalloc> allocator;
  if (FAILED(SHGetMalloc(allocator.Receive())) || !allocator.get()) return false;
  TaskMemory display_name(*allocator.get(), allocator->Alloc(MAX_PATH));
  if (!display_name.get()) return false;
  HWND owner = ui::Application::Instance().Handle();

  ComRef<IShellFolder> desktop;
  LPITEMIDLIST root_list = nullptr;
  if (!root.empty() && SUCCEEDED(SHGetDesktopFolder(desktop.Receive())) && desktop.get())
    desktop->ParseDisplayName(owner, nullptr, const_cast<wchar_t*>(root.c_str()), nullptr, &root_list, nullptr);
  TaskMemory root_memory(*allocator.get(), root_list);

  info.hwndOwner = owner;
  info.pidlRoot = root_list;
  info.pszDisplayName = static_cast<char*>(display_name.get());
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = &BrowseCallback;
  info.lParam = 0;

  LPITEMIDLIST chosen_list = nullptr;
  {
    InertApplication inert;
    chosen_list = SHBrowseForFolderA(&info);
  }
  if (chosen_list) {
    TaskMemory chosen_memory(*allocator.get(), chosen_list);
    char* buffer = static_cast<char*>(display_name.get());
    buffer[0] = '\0';
    // A choice without a file-system path counts as none.
    chosen = SHGetPathFromIDListA(chosen_list, buffer) != FALSE;
    if (chosen) path = buffer;
  }
  return chosen;
}

}  // namespace vantor
