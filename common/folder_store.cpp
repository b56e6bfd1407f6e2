#include "folder_store.h"

#include "errors.h"

namespace vantor {

std::string AliasValueName(std::size_t index) { return "N" + std::to_string(index); }
std::string PathValueName(std::size_t index) { return "P" + std::to_string(index); }

std::string ReadStringValue(RegistryKey& key, const std::string& name) {
  std::optional<RegistryValue> value = key.Read(name);
  if (!value || value->data.empty()) return std::string();
  if (value->type != regtype::kString && value->type != regtype::kExpandString)
    throw UserError("Invalid data type for '" + name + "'");
  const std::string& data = value->data;
  return data.substr(0, data.find('\0'));
}

void FolderStore::ReadFolderList(FolderList& out) const {
  auto key = registry_.Open(key_path_, OpenMode::kCreate);
  if (!key) return;
  for (std::size_t i = 0;; ++i) {
    std::string alias = ReadStringValue(*key, AliasValueName(i));
    std::string path = ReadStringValue(*key, PathValueName(i));
    if (alias.empty() || path.empty()) return;
    out.push_back(FolderEntry{std::move(alias), std::move(path)});
  }
}

FolderList FolderStore::ReadFolderList() const {
  FolderList list;
  ReadFolderList(list);
  return list;
}

void FolderStore::WriteStoreValue(const std::string& name, const std::string& text) const {
  auto key = registry_.Open(key_path_, OpenMode::kCreate);
  if (!key) return;
  if (!key->WriteString(name, text)) throw UserError("Failed to set data for '" + name + "'");
}

void FolderStore::RewriteEntries(std::ptrdiff_t first, std::ptrdiff_t last, const FolderList& list) const {
  const auto count = static_cast<std::ptrdiff_t>(list.size());
  if (first >= count) return;
  auto key = registry_.Open(key_path_, OpenMode::kCreate);
  if (!key) return;
  if (first < 0 || last < first || last >= count) return;
  for (std::ptrdiff_t i = first; i <= last; ++i) {
    const FolderEntry& entry = list[static_cast<std::size_t>(i)];
    const std::string alias_name = AliasValueName(static_cast<std::size_t>(i));
    if (!key->WriteString(alias_name, entry.alias)) throw UserError("Failed to set data for '" + alias_name + "'");
    const std::string path_name = PathValueName(static_cast<std::size_t>(i));
    if (!key->WriteString(path_name, entry.path)) throw UserError("Failed to set data for '" + path_name + "'");
  }
}

void FolderStore::DeleteEntryValues(std::size_t index) const {
  auto key = registry_.Open(key_path_, OpenMode::kExisting);
  if (!key) return;
  key->DeleteValue(AliasValueName(index));
  key->DeleteValue(PathValueName(index));
}

bool FolderStore::KeyExists() const { return registry_.Open(key_path_, OpenMode::kReadOnly) != nullptr; }

bool FolderStore::EnsureDefaultList(const std::function<std::string()>& windows_directory) const {
  if (KeyExists()) return false;
  const std::string windows = windows_directory();
  WriteStoreValue("N0", "Windows Directory");
  WriteStoreValue("P0", windows);
  WriteStoreValue("N1", "C:\\");
  WriteStoreValue("P1", "C:\\");
  return true;
}

void FolderStore::RecordManagerPath(const std::string& executable_path) const {
  std::string recorded;
  if (auto key = registry_.Open(key_path_, OpenMode::kCreate)) {
    try {
      recorded = ReadStringValue(*key, kSettingValue);
    } catch (const UserError&) {
      // A "Setting" of another type is ours to repair: writing it below replaces it
      // instead of stopping every start of the manager.
    }
  }
  if (recorded.empty() || recorded != executable_path) WriteStoreValue(kSettingValue, executable_path);
}

std::string FolderStore::ReadValue(const std::string& name) const {
  auto key = registry_.Open(key_path_, OpenMode::kReadOnly);
  return key ? ReadStringValue(*key, name) : std::string();
}

}  // namespace vantor
