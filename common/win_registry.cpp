#include "win_registry.h"

#include <windows.h>

#include <vector>

namespace vantor {
namespace {

class WinKey final : public RegistryKey {
 public:
  explicit WinKey(HKEY key) : key_(key) {}
  ~WinKey() override { RegCloseKey(key_); }

  std::optional<RegistryValue> Read(const std::string& name) override {
    DWORD type = 0;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size);
    if (rc == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) return std::nullopt;
    std::vector<char> buffer;
    for (;;) {  // the value may grow between the two calls
      buffer.resize(size + 2);
      DWORD got = size;
      rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(buffer.data()), &got);
      if (rc == ERROR_MORE_DATA) {
        size = got;
        continue;
      }
      if (rc != ERROR_SUCCESS) return std::nullopt;
      return RegistryValue{type, std::string(buffer.data(), got)};
    }
  }

  bool WriteString(const std::string& name, const std::string& text) override {
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    LONG rc = RegDeleteValueA(key_, name.c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
  }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> WinRegistry::Open(const std::string& path, OpenMode mode) {
  HKEY key = nullptr;
  LONG rc;
  switch (mode) {
    case OpenMode::kCreate:
      rc = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
      break;
    case OpenMode::kExisting:
      rc = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WRITE, &key);
      break;
    case OpenMode::kReadOnly:
    default:
      rc = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
      break;
  }
  if (rc != ERROR_SUCCESS) return nullptr;
  return std::make_unique<WinKey>(key);
}

}  // namespace vantor
