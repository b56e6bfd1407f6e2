#include "class_factory.h"

#include <new>

#include "context_menu.h"
#include "module.h"

namespace vantor::shell {

HRESULT ContextMenuFactory::QueryInterface(REFIID iid, void** out) noexcept {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ContextMenuFactory::AddRef() noexcept {
  module::FactoryAddRef();
  return 2;  // the factory is never freed while the module is loaded
}

ULONG ContextMenuFactory::Release() noexcept {
  module::FactoryRelease();
  return 1;
}

HRESULT ContextMenuFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) noexcept {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  try {
    ContextMenu* object = new ContextMenu();
    HRESULT hr = object->QueryInterface(iid, out);
    object->Release();  // drops the creation reference; a refused interface frees the object
    return hr;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT ContextMenuFactory::LockServer(BOOL lock) noexcept {
  if (lock)
    module::Lock();
  else
    module::Unlock();
  return S_OK;
}

ContextMenuFactory& TheFactory() {
  static ContextMenuFactory factory;
  return factory;
}

}  // namespace vantor::shell
