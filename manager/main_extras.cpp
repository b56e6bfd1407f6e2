// Import, Export, Options and the start-up tip of the main window.
#include <map>
#include <memory>
#include <optional>

#include "application.h"
#include "backup_commands.h"
#include "errors.h"
#include "main_form.h"
#include "options_dialog.h"
#include "strings.h"
#include "tips_dialog.h"

namespace vantor {
namespace {

// OpenDialog1 and SaveDialog1 live as long as their main window, so that each offers
// the file name last chosen in it. They are kept here by window (the main window's
// class has no room for them), and a destroyed window's pair is dropped.
struct MainDialogs {
  HWND window = nullptr;
  extras::FileDialog OpenDialog1{extras::FileDialog::Kind::kOpen};
  extras::FileDialog SaveDialog1{extras::FileDialog::Kind::kSave};
};

MainDialogs& DialogsOf(const TfrmMain& form) {
  static std::map<const TfrmMain*, std::unique_ptr<MainDialogs>> dialogs;
  for (auto it = dialogs.begin(); it != dialogs.end();)
    it = IsWindow(it->second->window) ? std::next(it) : dialogs.erase(it);
  std::unique_ptr<MainDialogs>& entry = dialogs[&form];
  if (!entry || entry->window != form.handle()) {
    entry = std::make_unique<MainDialogs>();
    entry->window = form.handle();
  }
  return *entry;
}

extras::BackupTexts BackupTexts() {
  return extras::BackupTexts{LoadText(IDS_EXPORT_TITLE), LoadText(IDS_IMPORT_TITLE), LoadText(IDS_OVERWRITE)};
}

}  // namespace

// The import merges into the store's list as it is once the file is chosen (another
// process may have appended to it since the window last looked), writes each new
// entry straight to the store and shows the rows once at the end: appending row by
// row through the window would read the store and compare the rows again per entry,
// which makes a large backup take quadratic time. The store's lock is held from that
// read to the last write, and not while the file dialog waits for the user.
void TfrmMain::bImportClick() {
  const std::optional<std::string> file =
      extras::ChooseBackupToImport(handle(), DialogsOf(*this).OpenDialog1, BackupTexts());
  if (!file) return;
  std::size_t appended = 0;
  {
    StoreLockGuard hold(*store_lock_);
    FolderList base = Rows();
    try {
      base = Store().ReadFolderList();
    } catch (const UserError&) {
      // A value of a wrong type was reported at start; merge into the rows shown.
    }
    const FolderStore& store = Store();
    appended = extras::ImportBackupEntries(*file, std::move(base),
                                           [&store](std::size_t index, const FolderEntry& entry) {
                                             store.WriteStoreValue(AliasValueName(index), entry.alias);
                                             store.WriteStoreValue(PathValueName(index), entry.path);
                                           });
  }
  if (appended == 0) return;
  try {
    tbRefreshClick();  // the rows become the store's list; the current entry stays
  } catch (...) {
    // Import reports nothing; the rows read before a bad value are shown.
  }
}

void TfrmMain::bExportClick() {
  const std::string caption = LoadText(IDS_CAPTION);
  extras::ExportCommand(handle(), DialogsOf(*this).SaveDialog1, BackupTexts(), Rows(),
                        [&caption](const std::string& text, UINT type) {
                          return ui::Application::Instance().ShowMessageBox(text, caption, type);
                        });
}

void TfrmMain::ToolButton10Click() {
  extras::ShowOptionsDialog(*this, Options(), OptionsFilePath(ExecutablePath()));
}

void TfrmMain::ShowTipsIfWanted() {
  extras::ShowStartupTip(*this, Options(), OptionsFilePath(ExecutablePath()));
}

}  // namespace vantor
