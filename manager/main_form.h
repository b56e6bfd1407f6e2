#pragma once
// TfrmMain, the manager's main window: the skinned frame, the toolbar, the folder
// list `lvMain` with its current entry drawn red, and the commands behind them.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "action.h"
#include "add_item.h"
#include "folder_store.h"
#include "form.h"
#include "list_editor.h"
#include "list_view.h"
#include "options.h"
#include "skin_toolbar.h"
#include "store_watch.h"

namespace vantor {

inline constexpr const char* kMainWindowClass = "Vantor Made by Quillon";
inline constexpr UINT WM_BRINGTOFRONT = 0x1403;
inline constexpr const char* kMainCaption = " Vantor 1.1";

// What the main window works with; tests give their own store, folder and seams.
struct MainFormSetup {
  const FolderStore* store = nullptr;
  std::string executable_path;  // options.ini, msn.sui and the help page live beside it
  std::string window_class = kMainWindowClass;
  std::function<std::string()> windows_directory;
  // Opens the help page's address (ShellExecuteA "Open" by default).
  std::function<void(HWND owner, const std::string& address)> open_address;
  // Shows the item dialog and, on OK, returns the entry (TfrmProperty by default).
  std::function<bool(ui::Form& owner, FolderEntry& entry)> edit_entry;
  // Asks the delete question (the application's message box by default); true for Yes.
  std::function<bool()> confirm_delete;
  // How often, at most, the window looks for changes that another process made to
  // the store (0: never). A long list is polled less often (see PollStore).
  UINT store_poll_milliseconds = 1000;
};

class TfrmMain : public ui::Form {
 public:
  // Creates the window and runs FormCreate, which also shows it.
  explicit TfrmMain(MainFormSetup setup);
  ~TfrmMain() override;

  // --- what the commands and the other forms use
  int CurrentIndex() const { return editor_.current_index(); }
  bool SortAscending() const { return editor_.sort_ascending(); }
  const FolderList& Rows() const { return editor_.rows(); }
  // Appends an entry as Import does: the row, then N<n-1> and P<n-1>.
  void AppendEntry(const FolderEntry& entry);
  // Makes a row the current entry as a click does.
  void SelectRow(int row);
  AppOptions& Options() { return AppOptions_; }
  const std::string& ExecutablePath() const { return setup_.executable_path; }
  const FolderStore& Store() const { return *setup_.store; }
  HWND OwnerWindow() const { return handle(); }

  ui::SkinToolBar& toolbar() { return suiToolBar1; }
  ui::ListView& list() { return lvMain; }

  // --- event handlers
  void tbAddClick();
  void aEditExecute();
  void aEditUpdate(ui::Action& action);
  void aDeleteExecute();
  void lvMainDblClick();
  void tbRefreshClick();
  void aItemUpExecute();
  void aItemUpUpdate(ui::Action& action);
  void aItemDownExecute();
  void aItemDownUpdate(ui::Action& action);
  void aSortExecute();
  void aSortUpdate(ui::Action& action);
  void tbHelpClick();
  void lvMainSelectItem(int row, bool selected);
  void lvMainCustomDrawItem(int row, COLORREF& text_colour);
  // Import, Export, Options and the start-up tip: main_extras.cpp.
  void bImportClick();
  void bExportClick();
  void ToolButton10Click();
  void ShowTipsIfWanted();

 protected:
  void FormShow() override;
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  void FormCreate();
  void LoadTheme();
  void BuildToolbar();
  void ShowRows();  // the list view shows the editor's rows
  bool ListVisible() const;
  void PollStore();
  // (Re)arms the store poll, paced by how long the last read of the store took.
  void ScheduleStorePoll(DWORD last_read_milliseconds);

  MainFormSetup setup_;
  std::unique_ptr<StoreLock> store_lock_;  // held around every read-then-write of the store
  ListEditor editor_;
  AppOptions AppOptions_;
  HIMAGELIST ImageList1 = nullptr;
  ui::Action aEdit{"Edit"};
  ui::Action aDelete{"Delete"};
  ui::Action aItemUp{"Up"};
  ui::Action aItemDown{"Down"};
  ui::Action aSort;
  ui::SkinToolBar suiToolBar1;
  ui::ListView lvMain;
  bool filled_ = false;
  std::unique_ptr<StoreWatch> store_watch_;  // polls read the store only after it changed
};

}  // namespace vantor
