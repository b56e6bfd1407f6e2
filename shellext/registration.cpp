#include "registration.h"

#include <string>
#include <vector>

#include "win_handles.h"

namespace vantor::shell {
namespace {

// A plan key as a predefined key and the path below it.
struct RealKey {
  HKEY root;
  std::string path;
};

RealKey Resolve(RegistryRoot root, const std::string& key) {
  switch (root) {
    case RegistryRoot::kLocalMachine:
      return {HKEY_LOCAL_MACHINE, key};
    case RegistryRoot::kCurrentUserClasses:
      return {HKEY_CURRENT_USER, "Software\\Classes\\" + key};
    case RegistryRoot::kClassesRoot:
      break;
  }
  return {HKEY_CLASSES_ROOT, key};
}

// No subkey, and no value but an empty default value.
bool HoldsNothingOfOthers(HKEY key) {
  DWORD subkeys = 0, values = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  if (subkeys != 0 || values > 1) return false;
  if (values == 0) return true;
  char data[2] = {};
  DWORD type = 0, size = sizeof data;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
    return false;  // the one value is a named one
  return type == REG_SZ && data[0] == '\0';
}

void RemoveKeyIfEmpty(const RealKey& target) {
  bool empty = false;
  {
    UniqueRegKey key;
    if (RegOpenKeyExA(target.root, target.path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return;
    empty = HoldsNothingOfOthers(key.get());
  }
  if (empty) RegDeleteKeyA(target.root, target.path.c_str());
}

}  // namespace

bool WinRegistryWriter::SetString(const RegistryEntry& entry) {
  const RealKey target = Resolve(entry.root, entry.key);
  UniqueRegKey key;
  if (RegCreateKeyExA(target.root, target.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, key.put(), nullptr) != ERROR_SUCCESS)
    return false;
  const char* name = entry.value_name.empty() ? nullptr : entry.value_name.c_str();
  return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.data.c_str()),
                        static_cast<DWORD>(entry.data.size() + 1)) == ERROR_SUCCESS;
}

void WinRegistryWriter::Remove(const RegistryRemoval& removal) {
  const RealKey target = Resolve(removal.root, removal.key);
  if (removal.only_if_empty) {
    RemoveKeyIfEmpty(target);
    return;
  }
  if (removal.value_name.empty()) {
    RegDeleteKeyA(target.root, target.path.c_str());
    return;
  }
  UniqueRegKey key;
  if (RegOpenKeyExA(target.root, target.path.c_str(), 0, KEY_READ | KEY_WRITE, key.put()) == ERROR_SUCCESS)
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
