#include "backup.h"

#include <algorithm>
#include <unordered_set>

#include "errors.h"
#include "file_io.h"
#include "ini.h"
#include "options.h"

namespace vantor {
namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

// For the error message: a line break shown as a blank keeps the box one line per text.
std::string OnOneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

// The duplicate rule as one hashable text: alias length first, so that no alias and
// path pair can be mistaken for another.
std::string DuplicateKey(const FolderEntry& entry) {
  return std::to_string(entry.alias.size()) + ':' + entry.alias + ComparablePath(entry.path);
}

}  // namespace

std::string WithBackupExtension(std::string_view file_name) {
  const std::size_t dot = file_name.rfind('.');
  const bool has_extension =
      dot != std::string_view::npos && file_name.find_first_of("\\:", dot) == std::string_view::npos;
  if (has_extension && EqualsIgnoringAsciiCase(file_name.substr(dot), kBackupExtension)) return std::string(file_name);
  return std::string(file_name) + kBackupExtension;
}

void CheckExportable(const FolderList& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const FolderEntry& entry = list[i];
    const bool alias_ok = IniDocument::CanHold(entry.alias);
    if (alias_ok && IniDocument::CanHold(entry.path)) continue;
    throw UserError("The entry " + std::to_string(i + 1) + ", \"" + OnOneLine(entry.alias) + "\", holds a line break in its " +
                    (alias_ok ? "path" : "alias") + ", which a backup file cannot hold. Nothing was exported.");
  }
}

void ExportToDocument(const FolderList& list, IniDocument& doc) {
  CheckExportable(list);
  doc.Set(kBackupSection, kBackupCountKey, std::to_string(list.size()));
  for (std::size_t i = 0; i < list.size(); ++i) {
    doc.Set(kBackupSection, AliasValueName(i), list[i].alias);
    doc.Set(kBackupSection, PathValueName(i), list[i].path);
  }
}

void ExportBackupFile(const std::string& path, const FolderList& list) {
  CheckExportable(list);
  IniDocument doc = IniDocument::Parse(ReadWholeFile(path).value_or(std::string()));
  ExportToDocument(list, doc);
  WriteFileAtomically(path, doc.Serialize());
}

FolderList ReadBackupEntries(const IniDocument& doc) {
  FolderList entries;
  std::optional<std::string> count_text = doc.Get(kBackupSection, kBackupCountKey);
  std::optional<long> count = count_text ? ParseProfileInteger(*count_text) : std::nullopt;
  if (!count || *count < 1) return entries;
  const std::size_t wanted = std::min(static_cast<std::size_t>(*count), kMaxBackupEntries);
  for (std::size_t i = 0; i < wanted; ++i) {
    std::string alias = doc.GetString(kBackupSection, AliasValueName(i), "");
    std::string path = doc.GetString(kBackupSection, PathValueName(i), "");
    if (alias.empty() || path.empty()) continue;
    entries.push_back(FolderEntry{std::move(alias), std::move(path)});
  }
  return entries;
}

FolderList ReadBackupFile(const std::string& path) {
  std::optional<std::string> text = ReadWholeFile(path);
  return text ? ReadBackupEntries(IniDocument::Parse(*text)) : FolderList();
}

std::string ComparablePath(std::string_view path) {
  std::string comparable = FoldCase(path);
  if (comparable.empty() || comparable.back() != '\\') comparable += '\\';
  return comparable;
}

bool IsSameEntry(const FolderEntry& a, const FolderEntry& b) {
  return a.alias == b.alias && ComparablePath(a.path) == ComparablePath(b.path);
}

std::size_t MergeBackupEntries(const FolderList& backup, FolderList& list,
                               const std::function<void(std::size_t index)>& appended) {
  // A set instead of a scan of the list per entry keeps a large import linear.
  std::unordered_set<std::string> known;
  known.reserve(list.size() + backup.size());
  for (const FolderEntry& entry : list) known.insert(DuplicateKey(entry));
  std::size_t added = 0;
  for (const FolderEntry& entry : backup) {
    if (!known.insert(DuplicateKey(entry)).second) continue;
    list.push_back(entry);
    ++added;
    appended(list.size() - 1);
  }
  return added;
}

std::size_t ImportBackupFile(const std::string& path, FolderList& list, const FolderStore& store,
                             const std::function<void(const FolderEntry&)>& show_row) {
  return MergeBackupEntries(ReadBackupFile(path), list, [&](std::size_t index) {
    show_row(list[index]);
    store.WriteStoreValue(AliasValueName(index), list[index].alias);
    store.WriteStoreValue(PathValueName(index), list[index].path);
  });
}

}  // namespace vantor
