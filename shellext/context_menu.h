#pragma once
// The context menu handler: one object per shell context menu. It records what the
// menu was opened on (Initialize), inserts the "Vantor" items (QueryContextMenu),
// answers help texts (GetCommandString) and hands a picked item to the commands
// (InvokeCommand).
#include <windows.h>
#include <oaidl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "menu_layout.h"

namespace vantor::shell {

class ContextMenu final : public IContextMenu3, public IShellExtInit, public ISupportErrorInfo {
 public:
  ContextMenu();
  ContextMenu(const ContextMenu&) = delete;
  ContextMenu& operator=(const ContextMenu&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  // IShellExtInit
  HRESULT STDMETHODCALLTYPE Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY prog_id) noexcept override;

  // IContextMenu
  HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT index, UINT id_first, UINT id_last,
                                             UINT flags) noexcept override;
  HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR offset, UINT type, UINT* reserved, CHAR* buffer,
                                             UINT size) noexcept override;
  // IContextMenu2, IContextMenu3: the items are not owner-drawn.
  HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT message, WPARAM wparam, LPARAM lparam) noexcept override;
  HRESULT STDMETHODCALLTYPE HandleMenuMsg2(UINT message, WPARAM wparam, LPARAM lparam,
                                           LRESULT* result) noexcept override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

 private:
  ~ContextMenu();
  MenuLayout CurrentLayout() const;
  HRESULT BuildMenu(HMENU menu, UINT id_first, UINT id_last);

  volatile LONG references_ = 1;
  std::vector<std::string> selection_;
  HWND menu_host_ = nullptr;
  std::string store_key_path_;
};

}  // namespace vantor::shell
