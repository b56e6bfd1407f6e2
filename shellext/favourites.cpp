#include "favourites.h"

#include <windows.h>

#include <vector>

#include "errors.h"
#include "folder_store.h"
#include "named_store_lock.h"
#include "system_info.h"
#include "win_handles.h"
#include "win_registry.h"

namespace vantor::shell {
namespace {

// A read-only view of an open key that reads a value in one call when it fits the
// buffer it keeps from the last read; the menu is built at every right click.
class OneCallKey final : public RegistryKey {
 public:
  explicit OneCallKey(HKEY key) : key_(key), buffer_(256) {}

  std::optional<RegistryValue> Read(const std::string& name) override {
    for (;;) {
      DWORD type = 0;
      DWORD size = static_cast<DWORD>(buffer_.size());
      const LONG rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type, buffer_.data(), &size);
      if (rc == ERROR_MORE_DATA) {
        buffer_.resize(static_cast<std::size_t>(size) + 2);
        continue;
      }
      if (rc != ERROR_SUCCESS) return std::nullopt;
      return RegistryValue{type, std::string(reinterpret_cast<const char*>(buffer_.data()), size)};
    }
  }
  bool WriteString(const std::string&, const std::string&) override { return false; }
  bool DeleteValue(const std::string&) override { return false; }

 private:
  HKEY key_;
  std::vector<BYTE> buffer_;
};

bool OpenForReading(const std::string& key_path, UniqueRegKey& key) {
  return RegOpenKeyExA(HKEY_CURRENT_USER, key_path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

}  // namespace

AliasRead ReadMenuAliases(const std::string& key_path, std::size_t limit) {
  AliasRead result;
  UniqueRegKey key;
  if (!OpenForReading(key_path, key)) {
    try {
      // Held so that an "Add to Vantor" creating the key at this moment is not
      // overwritten by the defaults (the default list is written only to no key).
      NamedStoreLock lock(key_path);
      StoreLockGuard hold(lock);
      WinRegistry registry;
      FolderStore(registry, key_path).EnsureDefaultList(WindowsDirectory);
    } catch (const UserError&) {
      // A refused write leaves what was written; the menu shows what can be read.
    }
    if (!OpenForReading(key_path, key)) return result;
  }
  OneCallKey values(key.get());
  try {
    for (std::size_t i = 0; i < limit; ++i) {
      std::string alias = ReadStringValue(values, AliasValueName(i));
      if (alias.empty()) break;
      result.aliases.push_back(std::move(alias));
    }
  } catch (const UserError&) {
    result.complete = false;  // the menu shows the favourites read before the bad value
  }
  return result;
}

std::string ReadFavouritePath(const std::string& key_path, std::uint16_t number) {
  if (number == 0) return std::string();
  UniqueRegKey key;
  if (!OpenForReading(key_path, key)) return std::string();
  OneCallKey values(key.get());
  try {
    return ReadStringValue(values, PathValueName(number - 1u));
  } catch (const UserError&) {
    return std::string();
  }
}

}  // namespace vantor::shell
