#pragma once
// The main window's Export and Import commands (toolbar buttons bExport and bImport).
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "file_dialog.h"
#include "folder_store.h"

namespace vantor::extras {

inline constexpr const char* kBackupFilter = "Backup files (*.vtb)|*.VTB|All files (*.*)| *.*";
inline constexpr UINT kOverwriteQuestion = MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2;  // 0x144

// Shows the application's message box (caption "Vantor") and returns the button pressed.
using MessageBoxFunction = std::function<int(const std::string& text, UINT type)>;

struct BackupTexts {
  std::string export_title;    // "Export Alias and Path"
  std::string import_title;    // "Import Alias and Path"
  std::string overwrite_tail;  // " has existed,overite it?"
};

// Export: asks for the file in `dialog`, adds ".vtb" by the name rule, asks before
// replacing an existing file and writes the list there. No message on success;
// errors (an entry with a line break, an unwritable file) propagate as UserError.
// Returns whether the file was written.
bool ExportCommand(HWND owner, FileDialog& dialog, const BackupTexts& texts, const FolderList& rows,
                   const MessageBoxFunction& message_box);

// Import: asks for a backup in `dialog` and merges it into the list whose rows are
// `rows`: `append` gets each new entry with the index it takes (the rows before it
// plus the ones appended so far) and writes it (WriteStoreValue N<i>, then P<i>).
// Any error ends the import silently; what was appended before stays. Returns the
// number of entries handed to `append`, the one that failed included.
std::size_t ImportCommand(HWND owner, FileDialog& dialog, const BackupTexts& texts, FolderList rows,
                          const std::function<void(std::size_t index, const FolderEntry& entry)>& append);

// The two halves of ImportCommand, for a caller that must read the rows only once
// the file is chosen (and hold the store's lock from that read to the last write):
// the file asked for in `dialog` (nullopt when cancelled), and the merge of that
// file into `rows`.
std::optional<std::string> ChooseBackupToImport(HWND owner, FileDialog& dialog, const BackupTexts& texts);
std::size_t ImportBackupEntries(const std::string& file, FolderList rows,
                                const std::function<void(std::size_t index, const FolderEntry& entry)>& append);

}  // namespace vantor::extras
