// Prints the time the main window's Import takes for backups of 1,000 and 10,000
// new entries (toolbar click to rows shown, the file dialog answered), next to:
//  - the same command on a backup with no entries (the dialog's own share);
//  - the floor: writing the same registry values with WriteStoreValue.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "backup.h"
#include "main_form.h"
#include "system_info.h"
#include "temp_dir.h"
#include "test_registry.h"
#include "ui_driver.h"
#include "window_answerer.h"

namespace vantor::testing {
namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

FolderList MakeList(int count) {
  FolderList list;
  for (int i = 0; i < count; ++i)
    list.push_back({"Project " + std::to_string(i), "C:\\Users\\someone\\Documents\\Projects\\Project " +
                                                        std::to_string(i) + "\\Sources"});
  return list;
}

// One Import through a fresh main window over an empty store; returns ms and the rows shown.
double TimeImport(const TempDir& dir, const std::string& backup, int* rows) {
  auto reg = RegistryKinds().back().make();
  reg->CreateKey();
  FolderStore store(reg->registry(), reg->key_path());
  MainFormSetup setup;
  setup.store = &store;
  setup.executable_path = dir.File("Vantor.exe");
  setup.window_class = "Vantor Bench Main";
  setup.windows_directory = WindowsDirectory;
  setup.store_poll_milliseconds = 60000;
  TfrmMain form(std::move(setup));
  Pump(30);
  WindowAnswerer dialog("Import Alias and Path", [&](HWND window) { ChooseFile(window, backup); });
  const auto start = Clock::now();
  form.bImportClick();
  const double ms = Ms(start);
  *rows = form.list().RowCount();
  return ms;
}

double TimeFloor(const FolderList& list) {
  auto reg = RegistryKinds().back().make();
  FolderStore store(reg->registry(), reg->key_path());
  const auto start = Clock::now();
  for (std::size_t i = 0; i < list.size(); ++i) {
    store.WriteStoreValue(AliasValueName(i), list[i].alias);
    store.WriteStoreValue(PathValueName(i), list[i].path);
  }
  return Ms(start);
}

int Run() {
  TempDir dir;
  WriteTextFile(dir.File("options.ini"), "[Options]\r\nShowTips=0\r\n");
  ExportBackupFile(dir.File("empty.vtb"), {});
  int rows = 0;
  TimeImport(dir, dir.File("empty.vtb"), &rows);  // the first file dialog of a process starts slowly
  const double dialog_ms = TimeImport(dir, dir.File("empty.vtb"), &rows);
  std::printf("times in ms; the file dialog's own share (import of an empty backup): %.1f\n", dialog_ms);
  std::printf("%-8s %14s %14s %14s %8s %s\n", "entries", "import", "minus dialog", "floor", "ratio", "rows");
  for (int count : {1000, 10000}) {
    const FolderList list = MakeList(count);
    const std::string backup = dir.File("list" + std::to_string(count) + ".vtb");
    ExportBackupFile(backup, list);
    const double import_ms = TimeImport(dir, backup, &rows);
    const double floor_ms = TimeFloor(list);
    std::printf("%-8d %14.1f %14.1f %14.1f %8.2f %d%s\n", count, import_ms, import_ms - dialog_ms, floor_ms,
                (import_ms - dialog_ms) / floor_ms, rows, rows == count ? "" : " MISMATCH");
  }
  return 0;
}

}  // namespace
}  // namespace vantor::testing

int main() { return vantor::testing::Run(); }
