// Import, Export, Options and the start-up tip of the main window.
#include <map>
#include <memory>

#include "application.h"
#include "backup_commands.h"
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

void TfrmMain::bImportClick() {
  extras::ImportCommand(handle(), DialogsOf(*this).OpenDialog1, BackupTexts(), Rows(),
                        [this](const FolderEntry& entry) { AppendEntry(entry); });
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
