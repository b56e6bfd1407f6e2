#include "registry_probe.h"

#include <vector>

namespace vantor::testing {
namespace {

struct Location {
  HKEY hive;
  std::string path;
};

Location Locate(shell::RegistryRoot root, const std::string& key) {
  switch (root) {
    case shell::RegistryRoot::kLocalMachine:
      return {HKEY_LOCAL_MACHINE, key};
    case shell::RegistryRoot::kCurrentUserClasses:
      return {HKEY_CURRENT_USER, "Software\\Classes\\" + key};
    case shell::RegistryRoot::kClassesRoot:
      break;
  }
  return {HKEY_CLASSES_ROOT, key};
}

class OpenKey {
 public:
  OpenKey(HKEY hive, const std::string& path) {
    if (RegOpenKeyExA(hive, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

void Dump(HKEY hive, const std::string& path, const std::string& relative, std::map<std::string, std::string>& out) {
  OpenKey key(hive, path);
  if (!key.get()) return;
  std::string values;
  for (DWORD i = 0;; ++i) {
    char name[512];
    DWORD name_size = sizeof name;
    BYTE data[4096];
    DWORD data_size = sizeof data;
    DWORD type = 0;
    if (RegEnumValueA(key.get(), i, name, &name_size, nullptr, &type, data, &data_size) != ERROR_SUCCESS) break;
    values += std::string(name, name_size) + "=" + std::to_string(type) + ":" +
              std::string(reinterpret_cast<const char*>(data), data_size) + "\n";
  }
  out[relative] = values;
  std::vector<std::string> children;
  for (DWORD i = 0;; ++i) {
    char name[512];
    DWORD name_size = sizeof name;
    if (RegEnumKeyExA(key.get(), i, name, &name_size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.emplace_back(name, name_size);
  }
  for (const std::string& child : children)
    Dump(hive, path + "\\" + child, relative.empty() ? child : relative + "\\" + child, out);
}

}  // namespace

bool KeyExists(shell::RegistryRoot root, const std::string& key) {
  const Location where = Locate(root, key);
  return OpenKey(where.hive, where.path).get() != nullptr;
}

std::string ReadString(shell::RegistryRoot root, const std::string& key, const std::string& name) {
  const Location where = Locate(root, key);
  OpenKey handle(where.hive, where.path);
  if (!handle.get()) return "<missing>";
  char buffer[2048] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegQueryValueExA(handle.get(), name.empty() ? nullptr : name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return "<missing>";
  if (type != REG_SZ) return "<type " + std::to_string(type) + ">";
  return buffer;
}

std::map<std::string, std::string> DumpTree(HKEY hive, const std::string& key) {
  std::map<std::string, std::string> out;
  Dump(hive, key, "", out);
  return out;
}

DWORD RunAndWait(const std::string& command_line) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string line = command_line;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 0xFFFFFFFF;
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0xFFFFFFFF;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

}  // namespace vantor::testing
