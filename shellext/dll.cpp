// The four entry points of the in-process server.
#include <windows.h>
#include <olectl.h>

#include <new>

#include "class_factory.h"
#include "module.h"
#include "registration.h"

namespace shell = vantor::shell;

namespace {

// {3FF0AAD4-EF61-4409-B47C-62CD81A6D902}
constexpr CLSID kHandlerClsid = {0x3ff0aad4, 0xef61, 0x4409, {0xb4, 0x7c, 0x62, 0xcd, 0x81, 0xa6, 0xd9, 0x02}};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    shell::module::SetInstance(instance);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // Unloaded by FreeLibrary: give back the menu bitmaps. At process exit the
    // system reclaims them anyway.
    shell::module::FreeMenuBitmaps();
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kHandlerClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return shell::TheFactory().QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return shell::module::CanUnload() ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() try {
  const std::string module_path = shell::module::ModulePath();
  if (module_path.empty()) return E_FAIL;
  const std::string prog_id = shell::ProgIdFromModulePath(module_path);
  shell::WinRegistryWriter writer;
  const auto entries =
      shell::RegistrationEntries(shell::ServerPathForRegistration(module_path), prog_id, shell::IsNtPlatform());
  return shell::ApplyRegistration(entries, writer) ? S_OK : E_FAIL;
} catch (...) {
  return E_FAIL;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() try {
  const std::string prog_id = shell::ProgIdFromModulePath(shell::module::ModulePath());
  shell::WinRegistryWriter writer;
  shell::ApplyUnregistration(shell::UnregistrationSteps(prog_id), writer);
  return S_OK;
} catch (...) {
  return E_FAIL;
}
