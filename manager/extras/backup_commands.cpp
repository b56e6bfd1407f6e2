#include "backup_commands.h"

#include "backup.h"

namespace vantor::extras {
namespace {

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool ExportCommand(HWND owner, FileDialog& dialog, const BackupTexts& texts, const FolderList& rows,
                   const MessageBoxFunction& message_box) {
  dialog.SetTitle(texts.export_title);
  dialog.SetFilter(kBackupFilter);
  if (!dialog.Execute(owner)) return false;
  const std::string file = WithBackupExtension(dialog.file_name());
  if (FileExists(file) && message_box(file + texts.overwrite_tail, kOverwriteQuestion) == IDNO) return false;
  ExportBackupFile(file, rows);
  return true;
}

std::optional<std::string> ChooseBackupToImport(HWND owner, FileDialog& dialog, const BackupTexts& texts) {
  dialog.SetTitle(texts.import_title);
  dialog.SetFilter(kBackupFilter);
  if (!dialog.Execute(owner)) return std::nullopt;
  return dialog.file_name();
}

std::size_t ImportBackupEntries(const std::string& file, FolderList rows,
                                const std::function<void(std::size_t index, const FolderEntry& entry)>& append) {
  std::size_t appended = 0;
  try {
    MergeBackupEntries(ReadBackupFile(file), rows, [&](std::size_t index) {
      ++appended;
      append(index, rows[index]);
    });
  } catch (...) {
    // An import ends silently at its first error; the rows appended so far stay.
  }
  return appended;
}

std::size_t ImportCommand(HWND owner, FileDialog& dialog, const BackupTexts& texts, FolderList rows,
                          const std::function<void(std::size_t index, const FolderEntry& entry)>& append) {
  const std::optional<std::string> file = ChooseBackupToImport(owner, dialog, texts);
  return file ? ImportBackupEntries(*file, std::move(rows), append) : 0;
}

}  // namespace vantor::extras
