// The entry points of the in-process server: the four of every COM server and
// DllInstall for the per-user registration.
#include <windows.h>
#include <olectl.h>
#include <shlobj.h>

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

namespace {

HRESULT Register(shell::RegistryRoot classes_root) {
  const std::string module_path = shell::module::ModulePath();
  if (module_path.empty()) return E_FAIL;
  const std::string prog_id = shell::ProgIdFromModulePath(module_path);
  shell::WinRegistryWriter writer;
  const auto entries = shell::RegistrationEntries(shell::ServerPathForRegistration(module_path), prog_id,
                                                  shell::IsNtPlatform(), classes_root);
  return shell::ApplyRegistration(entries, writer) ? S_OK : E_FAIL;
}

HRESULT Unregister(shell::RegistryRoot classes_root) {
  const std::string prog_id = shell::ProgIdFromModulePath(shell::module::ModulePath());
  shell::WinRegistryWriter writer;
  shell::ApplyUnregistration(shell::UnregistrationSteps(prog_id, classes_root), writer);
  return S_OK;
}

// The shell caches which handlers a class has; tell it they changed.
HRESULT NotifyShellOnSuccess(HRESULT result) {
  if (SUCCEEDED(result)) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  return result;
}

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() try {
  return NotifyShellOnSuccess(Register(shell::RegistryRoot::kClassesRoot));
} catch (...) {
  return E_FAIL;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() try {
  return NotifyShellOnSuccess(Unregister(shell::RegistryRoot::kClassesRoot));
} catch (...) {
  return E_FAIL;
}

// Registration without administrator rights (regsvr32 /n /i:user): the same class and
// handler keys under HKEY_CURRENT_USER\Software\Classes, and no approval value.
extern "C" HRESULT STDAPICALLTYPE DllInstall(BOOL install, PCWSTR command_line) try {
  if (!shell::IsPerUserCommandLine(command_line)) return E_INVALIDARG;
  const shell::RegistryRoot user_classes = shell::RegistryRoot::kCurrentUserClasses;
  return NotifyShellOnSuccess(install ? Register(user_classes) : Unregister(user_classes));
} catch (...) {
  return E_FAIL;
}
