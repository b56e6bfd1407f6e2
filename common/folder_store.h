#pragma once
// The folder list store: one registry key holding the favourites as value pairs
// N<i> (alias) and P<i> (path), plus "Setting", the manager's full path.
// Every operation opens the key, does its work and closes it again.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "registry.h"

namespace vantor {

struct FolderEntry {
  std::string alias;
  std::string path;
  bool operator==(const FolderEntry& other) const { return alias == other.alias && path == other.path; }
};
using FolderList = std::vector<FolderEntry>;

inline constexpr const char* kStoreKeyPath = "Software\\Vantor";
inline constexpr const char* kSettingValue = "Setting";

std::string AliasValueName(std::size_t index);
std::string PathValueName(std::size_t index);

// Reads a string value: REG_SZ or REG_EXPAND_SZ (unexpanded) up to the first NUL;
// a missing or zero-length value reads as "". Any other type throws
// UserError("Invalid data type for '<name>'").
std::string ReadStringValue(RegistryKey& key, const std::string& name);

class FolderStore {
 public:
  explicit FolderStore(Registry& registry, std::string key_path = kStoreKeyPath)
      : registry_(registry), key_path_(std::move(key_path)) {}

  // Appends the list to `out`. A bad value throws UserError; the entries read
  // before it are already in `out`.
  void ReadFolderList(FolderList& out) const;
  FolderList ReadFolderList() const;

  // Writes one REG_SZ value (creating the key); nothing when the key cannot be
  // opened; throws UserError("Failed to set data for '<name>'") when refused.
  void WriteStoreValue(const std::string& name, const std::string& text) const;

  // Writes N<i>/P<i> for entries first..last of `list`.
  void RewriteEntries(std::ptrdiff_t first, std::ptrdiff_t last, const FolderList& list) const;

  // Deletes N<index>, then P<index>; never creates the key.
  void DeleteEntryValues(std::size_t index) const;

  // Writes the two default entries when the key does not exist. The Windows
  // directory is asked for only then. Returns whether it wrote them.
  bool EnsureDefaultList(const std::function<std::string()>& windows_directory) const;

  // Keeps "Setting" equal to the running manager's path (exact comparison).
  void RecordManagerPath(const std::string& executable_path) const;

  // Reads one string value of an existing key without creating it; "" when absent.
  std::string ReadValue(const std::string& name) const;

  bool KeyExists() const;
  const std::string& key_path() const { return key_path_; }
  Registry& registry() const { return registry_; }

 private:
  Registry& registry_;
  std::string key_path_;
};

}  // namespace vantor
