#pragma once
// Backup files: the folder list as INI text in section "Vantor" - "Count", then
// N0, P0, N1, P1, ... - written by Export and merged back into the list by Import.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "folder_store.h"

namespace vantor {

class IniDocument;

inline constexpr const char* kBackupSection = "Vantor";
inline constexpr const char* kBackupCountKey = "Count";
inline constexpr const char* kBackupExtension = ".vtb";

// Import reads at most this many entries, whatever "Count" claims: a hostile or
// damaged Count must neither hang the manager nor exhaust its memory.
inline constexpr std::size_t kMaxBackupEntries = 100000;

// The name Export writes to: ".vtb" is appended unless the name already ends in it
// (any letter case). The extension runs from the last dot when no '\' or ':' follows.
std::string WithBackupExtension(std::string_view file_name);

// Throws UserError naming the first entry that a backup file cannot hold (a line
// break in its alias or path), before anything is written.
void CheckExportable(const FolderList& list);

// Sets "Count" and every N<i>/P<i> of `list` in `doc`; every other line stays.
void ExportToDocument(const FolderList& list, IniDocument& doc);

// Export: the list goes into the file at `path` (an existing file keeps its other
// lines, older entries beyond the new Count included), written in one pass and
// replacing the old file atomically. Throws UserError: an entry with a line break
// (nothing written), or "Unable to write to <path>".
void ExportBackupFile(const std::string& path, const FolderList& list);

// The entries of a backup in file order: "Count" (an integer; anything else is 0)
// entries, at most kMaxBackupEntries; an entry whose alias or path is empty or
// missing is skipped, since it would cut the store's list short.
FolderList ReadBackupEntries(const IniDocument& doc);

// The entries of the backup file at `path`; none when it is missing or unreadable.
FolderList ReadBackupFile(const std::string& path);

// The form in which Import compares paths: a trailing '\' added when missing,
// ASCII letters upper-cased.
std::string ComparablePath(std::string_view path);

// Import's duplicate rule: the alias exactly equal, the paths equal in their
// comparable form.
bool IsSameEntry(const FolderEntry& a, const FolderEntry& b);

// Appends to `list` every entry of `backup` that the list (with the entries
// appended so far) does not hold yet, in backup order. `appended` runs right after
// each entry was added, with its index; an exception from it ends the merge.
// Returns the number of entries appended.
std::size_t MergeBackupEntries(const FolderList& backup, FolderList& list,
                               const std::function<void(std::size_t index)>& appended);

// Import: merges the backup file at `path` into `list`. Each appended entry is first
// handed to `show_row`, then written to the store with WriteStoreValue as N<i>, then
// P<i>. A missing or unreadable file imports nothing. Errors propagate; the entries
// appended before stay in `list` (and were shown).
std::size_t ImportBackupFile(const std::string& path, FolderList& list, const FolderStore& store,
                             const std::function<void(const FolderEntry&)>& show_row);

}  // namespace vantor
