#pragma once
#include <windows.h>
#include <unknwn.h>

namespace vantor::shell {

// The module's one class factory. It lives as long as the module; AddRef and
// Release count the references handed out so that DllCanUnloadNow can see them.
class ContextMenuFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) noexcept override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override;
};

ContextMenuFactory& TheFactory();

}  // namespace vantor::shell
