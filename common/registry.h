#pragma once
// The registry as the folder list store sees it: one key under the current user's
// hive, values read raw and written as strings. The real adapter talks to Windows;
// the in-memory one stands in for native tests and fuzzing.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vantor {

namespace regtype {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kString = 1;        // REG_SZ
constexpr std::uint32_t kExpandString = 2;  // REG_EXPAND_SZ
constexpr std::uint32_t kBinary = 3;        // REG_BINARY
constexpr std::uint32_t kDword = 4;         // REG_DWORD
constexpr std::uint32_t kMultiString = 7;   // REG_MULTI_SZ
}  // namespace regtype

struct RegistryValue {
  std::uint32_t type = regtype::kNone;
  std::string data;  // the raw bytes, terminators included as stored
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Empty when the value does not exist.
  virtual std::optional<RegistryValue> Read(const std::string& name) = 0;
  // Writes a REG_SZ value; false when the system refuses.
  virtual bool WriteString(const std::string& name, const std::string& text) = 0;
  // True when the value is gone afterwards (also when it never existed).
  virtual bool DeleteValue(const std::string& name) = 0;
};

enum class OpenMode {
  kCreate,    // read and write, creating the key when it is missing
  kExisting,  // read and write, only an existing key
  kReadOnly,  // read only, only an existing key
};

class Registry {
 public:
  virtual ~Registry() = default;
  Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // A key below HKEY_CURRENT_USER, or nullptr when it cannot be opened.
  virtual std::unique_ptr<RegistryKey> Open(const std::string& path, OpenMode mode) = 0;
};

}  // namespace vantor
