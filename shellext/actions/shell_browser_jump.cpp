#include "shell_browser_jump.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "com_ref.h"
#include "jump.h"

namespace vantor::shell {
namespace {

class ItemIdList {
 public:
  ItemIdList() = default;
  ~ItemIdList() { CoTaskMemFree(list_); }
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  PIDLIST_RELATIVE* Receive() { return &list_; }
  PCIDLIST_ABSOLUTE get() const { return reinterpret_cast<PCIDLIST_ABSOLUTE>(list_); }

 private:
  PIDLIST_RELATIVE list_ = nullptr;
};

std::wstring WideFromAnsi(const std::string& text) {
  if (text.empty()) return std::wstring();
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

bool IsWindowOfThisProcess(HWND window) {
  DWORD process = 0;
  return window && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

}  // namespace

BrowseOutcome BrowseHostTo(HWND host, const std::string& path) {
  ComRef<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Receive())) || !desktop) return BrowseOutcome::kUnparsablePath;
  std::wstring wide_path = WideFromAnsi(path);
  ItemIdList folder;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide_path.data(), nullptr, folder.Receive(), nullptr)) ||
      !folder.get())
    return BrowseOutcome::kUnparsablePath;

  // The answer is a pointer into the answering process: one from a window of
  // another process means nothing here, so only our own windows are asked.
  if (!IsWindowOfThisProcess(host)) return BrowseOutcome::kNoBrowser;
  // The answer carries no reference for the caller: take one of our own while
  // using it, so releasing it afterwards leaves the host's own reference alone.
  ComRef<IShellBrowser> browser;
  browser.Borrow(reinterpret_cast<IShellBrowser*>(SendMessageA(host, kBrowserQuery, 0, 0)));
  if (!browser) return BrowseOutcome::kNoBrowser;
  browser->BrowseObject(folder.get(), SBSP_DEFBROWSER | SBSP_DEFMODE | SBSP_ABSOLUTE);
  return BrowseOutcome::kBrowsed;
}

}  // namespace vantor::shell
