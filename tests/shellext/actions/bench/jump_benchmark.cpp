// What a jump costs under Wine, against a floor measured in the same run (one read
// of a store value, the least any command does). Prints one figure per line.
#include <windows.h>
#include <ole2.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "action_environment.h"
#include "fakes.h"
#include "folder_window.h"
#include "jump.h"
#include "open_dialog.h"
#include "temp_dir.h"
#include "test_registry.h"
#include "test_windows.h"
#include "win_ports.h"

using namespace vantor::shell;
using namespace vantor::shell::testing;

namespace {

double MicrosecondsPerCall(int calls, const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < calls; ++i) work();
  std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / calls;
}

void Report(const char* what, double microseconds, double floor) {
  std::printf("%-44s %10.1f us  %8.1f x floor\n", what, microseconds, microseconds / floor);
}

}  // namespace

int main() {
  OleInitialize(nullptr);
  LoadLibraryA("riched20.dll");
  vantor::testing::TempDir favourite, start, manager;
  auto registry = vantor::testing::RegistryKinds().back().make();
  registry->SetString("P0", favourite.path());
  registry->SetString("P1", start.path());
  registry->SetString("Setting", manager.File("Vantor.exe"));
  vantor::testing::WriteTextFile(manager.File("options.ini"), "[Options]\r\nExploreFolder=0\r\n");
  FixedVersionSource xp(kWindowsXp), old(kWindows98);
  RecordingProgramStarter programs;
  RecordingMessageBoxes messages;
  ActionEnvironment env{vantor::FolderStore(registry->registry(), registry->key_path()), xp, programs, messages};
  ActionEnvironment old_env{env.store, old, programs, messages};

  const double floor = MicrosecondsPerCall(2000, [&] { ReadFavouritePath(env.store, 1); });
  std::printf("%-44s %10.1f us\n", "floor: one favourite path read", floor);
  Report("ReadExploreFolderOption (registry + file)", MicrosecondsPerCall(500, [&] { ReadExploreFolderOption(env.store); }), floor);

  {
    TestWindow dialog(CreateActiveTopLevel("Bosa_Sdm_Bench"));
    CreateChild(dialog.get(), "RichEdit20W", "first");
    CreateChild(dialog.get(), "RichEdit20W", "report.docx");
    Report("Office route jump (path typed and restored)", MicrosecondsPerCall(200, [&] { JumpToFavourite(nullptr, 1, env); }), floor);
  }
  {
    TestWindow dialog(CreateActiveTopLevel("VantorBenchOld"));
    HWND group = CreateChild(dialog.get(), "Static", "");
    CreateChild(group, "Edit", "name.txt");
    Report("older-Windows route jump (path typed)", MicrosecondsPerCall(200, [&] {
             JumpToFavourite(nullptr, 1, old_env);
             PumpMessages();
           }), floor);
  }
  {
    TestWindow host(CreateActiveTopLevel("VantorBenchPlain"));
    Report("no browser: new window asked for", MicrosecondsPerCall(200, [&] { JumpToFavourite(host.get(), 1, env); }), floor);
  }
  {
    OpenDialogThread dialog(start.path(), "keep.txt");
    int calls = 40;
    double each = 0;
    dialog.RunOnDialogThread([&](HWND host) {
      each = MicrosecondsPerCall(calls, [&] {
        JumpToFavourite(host, 1, env);
        JumpToFavourite(host, 2, env);
      }) / 2;
    });
    Report("Open dialog moved through its shell browser", each, floor);
    if (dialog.FolderPath() != start.path()) std::printf("unexpected folder %s\n", dialog.FolderPath().c_str());
  }
  OleUninitialize();
  return 0;
}
