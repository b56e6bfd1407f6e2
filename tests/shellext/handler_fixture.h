#pragma once
// Loads the built VTShellExt.dll into the test process and gives each test its own
// store: HKEY_CURRENT_USER is redirected to a throwaway key for the test's run.
#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell_session.h"

namespace vantor::testing {

using Microsoft::WRL::ComPtr;

inline constexpr CLSID kHandlerClsid = {0x3ff0aad4, 0xef61, 0x4409, {0xb4, 0x7c, 0x62, 0xcd, 0x81, 0xa6, 0xd9, 0x02}};

// A build path as Windows sees it under Wine ("/work/x" -> "Z:\work\x").
std::string WindowsPath(const std::string& unix_path);
std::string BuiltDllPath();   // VTShellExt.dll of this build
std::string BuiltHostPath();  // vtshellhost.exe of this build

class LoadedServer {
 public:
  explicit LoadedServer(const std::string& path = BuiltDllPath());
  ~LoadedServer();
  LoadedServer(const LoadedServer&) = delete;
  LoadedServer& operator=(const LoadedServer&) = delete;

  HMODULE module() const { return module_; }
  HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) const;
  HRESULT CanUnloadNow() const;
  HRESULT Register() const;
  HRESULT Unregister() const;
  // A new handler through the module's class factory, as the COM runtime makes it.
  ComPtr<IContextMenu> NewHandler() const;

 private:
  HMODULE module_;
};

// HKEY_CURRENT_USER redirected to a fresh key; the store is Software\Vantor under it.
class IsolatedStore {
 public:
  IsolatedStore();
  ~IsolatedStore();
  IsolatedStore(const IsolatedStore&) = delete;
  IsolatedStore& operator=(const IsolatedStore&) = delete;

  void CreateKey();
  bool KeyExists();
  void SetString(const std::string& name, const std::string& text);
  void SetDword(const std::string& name, DWORD value);
  std::string GetString(const std::string& name);  // "" when missing
  void SetFavourites(std::size_t count, const std::string& path_prefix = "C:\\");

 private:
  std::string root_;
  std::unique_ptr<host::CurrentUserOverride> override_;
};

struct BuiltMenu {
  HRESULT result = E_FAIL;
  std::vector<std::string> lines;  // DescribeMenu of the host menu
  std::vector<host::MenuEntry> entries;
};

// Initialize with the selection (nullptr data object when empty), then
// QueryContextMenu into a real popup menu holding `host_items` first.
BuiltMenu BuildMenu(IContextMenu& handler, const std::vector<std::string>& selection, UINT flags = CMF_NORMAL,
                    UINT id_first = 100, UINT id_last = 0x7FFF, const std::vector<std::string>& host_items = {});

std::string HelpTextA(IContextMenu& handler, UINT offset, UINT size = 512, HRESULT* result = nullptr);
std::string HelpTextW(IContextMenu& handler, UINT offset, UINT size = 512, HRESULT* result = nullptr);

inline BuiltMenu BuildMenu(const ComPtr<IContextMenu>& handler, const std::vector<std::string>& selection,
                           UINT flags = CMF_NORMAL, UINT id_first = 100, UINT id_last = 0x7FFF,
                           const std::vector<std::string>& host_items = {}) {
  return BuildMenu(*handler.Get(), selection, flags, id_first, id_last, host_items);
}
inline std::string HelpTextA(const ComPtr<IContextMenu>& handler, UINT offset, UINT size = 512,
                             HRESULT* result = nullptr) {
  return HelpTextA(*handler.Get(), offset, size, result);
}
inline std::string HelpTextW(const ComPtr<IContextMenu>& handler, UINT offset, UINT size = 512,
                             HRESULT* result = nullptr) {
  return HelpTextW(*handler.Get(), offset, size, result);
}

class HandlerTest : public ::testing::Test {
 protected:
  host::ComApartment com_;
  IsolatedStore store_;
  LoadedServer server_;
};

}  // namespace vantor::testing
