#include "registration.h"

#include <vector>

#include "win_handles.h"

namespace vantor::shell {
namespace {

HKEY RootHandle(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CLASSES_ROOT;
}

}  // namespace

bool WinRegistryWriter::SetString(const RegistryEntry& entry) {
  UniqueRegKey key;
  if (RegCreateKeyExA(RootHandle(entry.root), entry.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, key.put(), nullptr) != ERROR_SUCCESS)
    return false;
  const char* name = entry.value_name.empty() ? nullptr : entry.value_name.c_str();
  return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.data.c_str()),
                        static_cast<DWORD>(entry.data.size() + 1)) == ERROR_SUCCESS;
}

void WinRegistryWriter::Remove(const RegistryRemoval& removal) {
  if (removal.value_name.empty()) {
    RegDeleteKeyA(RootHandle(removal.root), removal.key.c_str());
    return;
  }
  UniqueRegKey key;
  if (RegOpenKeyExA(RootHandle(removal.root), removal.key.c_str(), 0, KEY_READ | KEY_WRITE, key.put()) ==
      ERROR_SUCCESS)
    RegDeleteValueA(key.get(), removal.value_name.c_str());
}

std::string ServerPathForRegistration(const std::string& module_path) {
  if (module_path.find(' ') == std::string::npos) return module_path;
  const DWORD length = GetShortPathNameA(module_path.c_str(), nullptr, 0);
  if (length == 0) return module_path;
  std::vector<char> buffer(length + 1);
  const DWORD copied = GetShortPathNameA(module_path.c_str(), buffer.data(), length + 1);
  if (copied == 0 || copied > length) return module_path;
  return std::string(buffer.data(), copied);
}

bool IsNtPlatform() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return true;
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace vantor::shell
