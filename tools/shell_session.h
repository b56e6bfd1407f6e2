#pragma once
// Drives a context menu handler the way the shell does: creates it through COM by
// its class id, initialises it with a data object for the selection, builds its
// items into a real popup menu and reads the menu back. Used by the shell host and
// by the tests of the handler.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace vantor::host {

using Microsoft::WRL::ComPtr;

// COM for the calling thread, as a single-threaded apartment.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

class PopupMenu {
 public:
  PopupMenu() : menu_(CreatePopupMenu()) {}
  ~PopupMenu() {
    if (menu_) DestroyMenu(menu_);
  }
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

// Redirects HKEY_CURRENT_USER of this process to HKEY_CURRENT_USER\<subkey> (created
// when missing) for the object's lifetime, so that a run keeps its store apart.
class CurrentUserOverride {
 public:
  explicit CurrentUserOverride(const std::string& subkey);
  ~CurrentUserOverride();
  CurrentUserOverride(const CurrentUserOverride&) = delete;
  CurrentUserOverride& operator=(const CurrentUserOverride&) = delete;
  bool active() const { return root_ != nullptr; }

 private:
  HKEY root_ = nullptr;
};

// The shell's own data object for items of one folder (IShellFolder::GetUIObjectOf).
HRESULT MakeShellDataObject(const std::vector<std::string>& paths, ComPtr<IDataObject>& out);

// A data object that carries exactly the given names as an ANSI CF_HDROP list,
// whatever their length; for names the shell namespace cannot parse.
HRESULT MakeDropListDataObject(const std::vector<std::string>& paths, ComPtr<IDataObject>& out);

// Data objects that no shell hands out as such, to see the handler refuse them:
// a file list of no names, no file list at all, a file list in a stream instead of
// memory, a memory medium without memory, and the names in UTF-16 (DROPFILES.fWide).
enum class OddData { kEmptyList, kNoFileList, kStreamMedium, kNullMemory, kWideNames };
bool ParseOddData(const std::string& text, OddData& out);
HRESULT MakeOddDataObject(OddData kind, const std::vector<std::string>& paths, ComPtr<IDataObject>& out);

HRESULT CreateHandler(const CLSID& clsid, ComPtr<IContextMenu>& out);

struct MenuEntry {
  int position = 0;
  UINT id = 0;
  std::string text;
  bool separator = false;
  HBITMAP checked_bitmap = nullptr;
  HBITMAP unchecked_bitmap = nullptr;
  HMENU submenu = nullptr;
  std::vector<MenuEntry> children;
};

std::vector<MenuEntry> ReadMenu(HMENU menu);

// One line per item, children indented: "sep", or "<id> <text>[ +bitmap][ >popup]".
std::vector<std::string> DescribeMenu(const std::vector<MenuEntry>& entries);

bool ParseClsid(const std::string& text, CLSID& out);

}  // namespace vantor::host
