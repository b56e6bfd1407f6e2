#include "main_form.h"

#include <shellapi.h>

#include <algorithm>

#include "application.h"
#include "file_io.h"
#include "named_store_lock.h"
#include "skin_frame.h"
#include "strings.h"
#include "texts.h"
#include "theme.h"

namespace vantor {
namespace {

constexpr UINT_PTR kStorePollTimer = 1;
// A poll reads the whole list again. Under Wine one registry call costs about 30 us,
// so a list of thousands of entries takes most of a second to read: the next poll
// waits at least this many times as long as the last read took, which keeps the
// watching to a small share of the window's thread however long the list grows.
constexpr DWORD kPollPauseFactor = 20;
constexpr int kListTop = 83;

std::string FolderOf(const std::string& path) {
  const std::size_t end = path.find_last_of("\\/:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

HIMAGELIST CreateToolbarImages() {
  return ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TOOLBAR), 16, 0, RGB(255, 0, 255),
                              IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

ui::FormLayout MainLayout(const std::string& window_class) {
  ui::FormLayout layout{kMainCaption, 539, 430, ui::FormPosition::kScreenCenter};
  layout.skinned = true;
  layout.window_class = window_class;
  return layout;
}

}  // namespace

TfrmMain::TfrmMain(MainFormSetup setup)
    : Form(nullptr, MainLayout(setup.window_class)),
      setup_(std::move(setup)),
      store_lock_(std::make_unique<NamedStoreLock>(setup_.store->key_path())),
      editor_(*setup_.store, *store_lock_),
      aSort("Sort", LoadText(IDS_SORT_ASCENDING)),
      suiToolBar1(*this, {0, 29, 539, 36}, (ImageList1 = CreateToolbarImages()), 44, 36),
      lvMain(*this, {-1, kListTop, 538, 100}) {
  ui::Application& application = ui::Application::Instance();
  if (!application.main_form()) application.SetMainForm(this);
  if (!setup_.windows_directory) setup_.windows_directory = [] { return std::string(); };
  if (!setup_.open_address)
    setup_.open_address = [](HWND owner, const std::string& address) {
      ShellExecuteA(owner, "Open", address.c_str(), nullptr, nullptr, SW_SHOW);
    };
  if (!setup_.edit_entry)
    setup_.edit_entry = [](ui::Form& owner, FolderEntry& entry) {
      TfrmProperty dialog(owner, entry.alias, entry.path);
      if (dialog.ShowModal() != ui::kModalOk) return false;
      entry = FolderEntry{dialog.feName.Text(), dialog.fePath.Text()};
      return true;
    };
  if (!setup_.confirm_delete)
    setup_.confirm_delete = [] {
      return ui::Application::Instance().ShowMessageBox(LoadText(IDS_ASK_DELETE), LoadText(IDS_CAPTION),
                                                        MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    };

  lvMain.AddColumn("Alias", 190);
  lvMain.AddColumn("Path", 315);
  lvMain.OnSelectItem = [this](int row, bool selected) { lvMainSelectItem(row, selected); };
  lvMain.OnCustomDrawItem = [this](int row, COLORREF& colour) { lvMainCustomDrawItem(row, colour); };
  lvMain.OnDblClick = [this] { lvMainDblClick(); };

  aEdit.OnExecute = [this] { aEditExecute(); };
  aEdit.OnUpdate = [this](ui::Action& a) { aEditUpdate(a); };
  aDelete.OnExecute = [this] { aDeleteExecute(); };
  aDelete.OnUpdate = [this](ui::Action& a) { aEditUpdate(a); };
  aItemUp.OnExecute = [this] { aItemUpExecute(); };
  aItemUp.OnUpdate = [this](ui::Action& a) { aItemUpUpdate(a); };
  aItemDown.OnExecute = [this] { aItemDownExecute(); };
  aItemDown.OnUpdate = [this](ui::Action& a) { aItemDownUpdate(a); };
  aSort.OnExecute = [this] { aSortExecute(); };
  aSort.OnUpdate = [this](ui::Action& a) { aSortUpdate(a); };
  for (ui::Action* action : {&aEdit, &aDelete, &aItemUp, &aItemDown, &aSort}) AddAction(*action);
  UpdateActions();
  BuildToolbar();

  FormCreate();
}

TfrmMain::~TfrmMain() {
  // Windows first, while every member their messages reach is still whole.
  if (handle()) KillTimer(handle(), kStorePollTimer);
  DestroyHandle();
  if (ImageList1) ImageList_Destroy(ImageList1);
}

void TfrmMain::BuildToolbar() {
  using Item = ui::SkinToolBar::Item;
  auto button = [this](const char* name, const char* caption, const char* hint, int image,
                       std::function<void()> click) {
    suiToolBar1.AddButton(Item{name, caption, hint, image, nullptr, std::move(click), 0});
  };
  auto bound = [this](const char* name, const char* hint, int image, ui::Action& action) {
    suiToolBar1.AddButton(Item{name, action.caption(), hint, image, &action, nullptr, 0});
  };
  button("tbAdd", "Add", "Add a select folder", 0, [this] { tbAddClick(); });
  bound("ToolButton2", "Edit the selected folder", 1, aEdit);
  bound("ToolButton3", "Delete the select folder item", 2, aDelete);
  suiToolBar1.AddSeparator(8);
  bound("ToolButton4", "", 3, aSort);
  bound("ToolButton5", "Move the selected folder item up the list", 4, aItemUp);
  bound("ToolButton6", "Move the selected folder item down the list", 5, aItemDown);
  suiToolBar1.AddSeparator(8);
  button("tbRefresh", "Refresh", "Refresh the folder list", 6, [this] { tbRefreshClick(); });
  suiToolBar1.AddSeparator(8);
  button("bImport", "Import", "Import the saved data of Alias and Path", 7, [this] { bImportClick(); });
  button("bExport", "Export", "Backup the data of Alias and Path", 8, [this] { bExportClick(); });
  suiToolBar1.AddSeparator(8);
  button("ToolButton10", "Options", "Open the options dialog to set", 9, [this] { ToolButton10Click(); });
  suiToolBar1.AddSeparator(8);
  button("tbHelp", "Help", "Vantor's help documents", 10, [this] { tbHelpClick(); });
}

// Each step reports its own failure and start-up goes on, so that a bad theme file
// never keeps the default list, the manager path or the tips from happening.
void TfrmMain::FormCreate() {
  ui::Application& application = ui::Application::Instance();
  auto step = [&application](const std::function<void()>& body) {
    try {
      body();
    } catch (...) {
      application.ShowException(std::current_exception());
    }
  };
  step([this] { LoadSaveOptions(true, AppOptions_, OptionsFilePath(setup_.executable_path)); });
  step([this] { LoadTheme(); });
  // The lock is let go before a failure is shown: no box waits for the user while it is held.
  step([this] {
    StoreLockGuard hold(*store_lock_);
    setup_.store->EnsureDefaultList(setup_.windows_directory);
  });
  step([this] {
    StoreLockGuard hold(*store_lock_);
    setup_.store->RecordManagerPath(setup_.executable_path);
  });
  // Watched from here on: the start-up's own writes above need no second read.
  store_watch_ = std::make_unique<StoreWatch>(setup_.store->key_path());
  const DWORD fill_start = GetTickCount();
  step([this] { Show(); });
  ScheduleStorePoll(GetTickCount() - fill_start);
  step([this] { ShowTipsIfWanted(); });
}

void TfrmMain::LoadTheme() {
  const std::string path = FolderOf(setup_.executable_path) + kThemeFileName;
  std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return;  // no theme file: the built-in theme
  const Theme theme = ParseTheme(*text, kThemeFileName);
  SetTheme(theme);
  suiToolBar1.SetTheme(theme);
}

void TfrmMain::FormShow() {
  if (filled_) return;
  filled_ = true;
  RECT outer;
  GetWindowRect(handle(), &outer);
  lvMain.SetHeight((outer.bottom - outer.top) - kListTop - 15);
  try {
    editor_.AppendFromStore();
  } catch (...) {
    ShowRows();  // the entries read before the bad value stay
    throw;
  }
  ShowRows();
}

void TfrmMain::ShowRows() {
  const FolderList& rows = editor_.rows();
  SendMessageA(lvMain.handle(), WM_SETREDRAW, FALSE, 0);
  while (lvMain.RowCount() > static_cast<int>(rows.size())) lvMain.DeleteRow(lvMain.RowCount() - 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    if (row < lvMain.RowCount()) {
      if (lvMain.Caption(row) != rows[i].alias || lvMain.SubItem(row) != rows[i].path)
        lvMain.SetRow(row, rows[i].alias, rows[i].path);
    } else {
      lvMain.AppendRow(rows[i].alias, rows[i].path);
    }
  }
  SendMessageA(lvMain.handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(lvMain.handle(), nullptr, TRUE);
  UpdateActions();
}

bool TfrmMain::ListVisible() const { return IsWindowVisible(lvMain.handle()) != FALSE; }

void TfrmMain::AppendEntry(const FolderEntry& entry) {
  editor_.Add(entry);
  ShowRows();
}

void TfrmMain::SelectRow(int row) { lvMain.SelectRow(row); }

void TfrmMain::PollStore() {
  const DWORD start = GetTickCount();
  if (editor_.SyncWithStore()) ShowRows();
  ScheduleStorePoll(GetTickCount() - start);
}

void TfrmMain::ScheduleStorePoll(DWORD last_read_milliseconds) {
  if (!setup_.store_poll_milliseconds || !handle()) return;
  const DWORD pause = std::max<DWORD>(setup_.store_poll_milliseconds, last_read_milliseconds * kPollPauseFactor);
  SetTimer(handle(), kStorePollTimer, pause, nullptr);
}

// --- the current entry

void TfrmMain::lvMainSelectItem(int row, bool selected) {
  if (selected) editor_.Choose(row);
  if (lvMain.SelectedRow() >= 0 || ListView_GetNextItem(lvMain.handle(), -1, LVNI_FOCUSED) >= 0)
    lvMain.ClearSelection();
  InvalidateRect(lvMain.handle(), nullptr, TRUE);
  UpdateActions();
}

void TfrmMain::lvMainCustomDrawItem(int row, COLORREF& text_colour) {
  if (row == editor_.current_index()) text_colour = RGB(255, 0, 0);
}

// --- commands

void TfrmMain::tbAddClick() {
  FolderEntry entry;
  if (!setup_.edit_entry(*this, entry)) return;
  AppendEntry(entry);
}

void TfrmMain::aEditExecute() {
  // A current index that names no row (after the only entry went) edits nothing.
  PollStore();
  if (!editor_.CurrentNamesRow()) return;
  FolderEntry entry = editor_.rows()[static_cast<std::size_t>(editor_.current_index())];
  if (!setup_.edit_entry(*this, entry)) return;
  editor_.Edit(entry);
  ShowRows();
}

void TfrmMain::aEditUpdate(ui::Action& action) { action.SetEnabled(editor_.EditEnabled()); }

void TfrmMain::aDeleteExecute() {
  PollStore();
  if (!editor_.CurrentNamesRow()) return;
  if (AppOptions_.AskDelete && !setup_.confirm_delete()) return;
  editor_.Delete();
  ShowRows();
}

void TfrmMain::lvMainDblClick() {
  if (editor_.current_index() >= 0) aEditExecute();
}

void TfrmMain::tbRefreshClick() {
  try {
    editor_.Refresh();
  } catch (...) {
    ShowRows();
    throw;
  }
  ShowRows();
}

void TfrmMain::aItemUpExecute() {
  editor_.MoveUp();
  ShowRows();
}

void TfrmMain::aItemUpUpdate(ui::Action& action) { action.SetEnabled(editor_.UpEnabled(ListVisible())); }

void TfrmMain::aItemDownExecute() {
  editor_.MoveDown();
  ShowRows();
}

void TfrmMain::aItemDownUpdate(ui::Action& action) { action.SetEnabled(editor_.DownEnabled(ListVisible())); }

void TfrmMain::aSortExecute() {
  editor_.Sort();
  aSort.SetHint(LoadText(editor_.sort_ascending() ? IDS_SORT_ASCENDING : IDS_SORT_DESCENDING));
  ShowRows();
}

void TfrmMain::aSortUpdate(ui::Action& action) { action.SetEnabled(editor_.SortEnabled(ListVisible())); }

void TfrmMain::tbHelpClick() { setup_.open_address(handle(), HelpPageAddress(setup_.executable_path)); }

bool TfrmMain::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == WM_BRINGTOFRONT) {
    ShowWindow(handle(), SW_SHOW);
    if (IsIconic(handle())) ShowWindow(handle(), SW_RESTORE);
    SetForegroundWindow(TopWindow());
    result = 0;
    return true;
  }
  if (message == WM_TIMER && wparam == kStorePollTimer) {
    if (!store_watch_ || store_watch_->MayHaveChanged()) PollStore();
    result = 0;
    return true;
  }
  return Form::HandleMessage(message, wparam, lparam, result);
}

}  // namespace vantor
