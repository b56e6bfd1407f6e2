// Time from process start to the filled main window of the real Vantor.exe under
// Wine: start it N times (default 7) on a list of 20 entries and print each run,
// the median and the best, next to the floor of starting a trivial process.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "manager_process.h"

using namespace vantor::testing;
using Clock = std::chrono::steady_clock;

static double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  StoreKeyGuard guard;
  ManagerInstall install;
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Vantor", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  for (int i = 0; i < 20; ++i) {
    std::string alias = "Folder " + std::to_string(i), path = "C:\\windows";
    RegSetValueExA(key, ("N" + std::to_string(i)).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(alias.c_str()),
                   static_cast<DWORD>(alias.size() + 1));
    RegSetValueExA(key, ("P" + std::to_string(i)).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>(path.size() + 1));
  }
  RegCloseKey(key);

  // Floor: start and end of a process that does nothing (cmd /c exit).
  std::vector<double> floor;
  for (int i = 0; i < 3; ++i) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    char command[] = "cmd.exe /c exit";
    const auto start = Clock::now();
    if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info)) {
      WaitForSingleObject(info.hProcess, INFINITE);
      floor.push_back(Milliseconds(Clock::now() - start));
      CloseHandle(info.hThread);
      CloseHandle(info.hProcess);
    }
  }
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    ManagerProcess manager(install.exe_path());
    if (!manager.WaitForWindow(20)) {
      std::printf("run %d: the window did not fill\n", i + 1);
      return 1;
    }
    times.push_back(Milliseconds(Clock::now() - start));
    std::printf("run %d: %.1f ms from process start to the filled main window\n", i + 1, times.back());
  }
  std::sort(times.begin(), times.end());
  std::sort(floor.begin(), floor.end());
  std::printf("median %.1f ms, best %.1f ms over %d runs (20 entries); floor (cmd /c exit, start to end): %.1f ms\n",
              times[times.size() / 2], times.front(), runs, floor.empty() ? 0.0 : floor[floor.size() / 2]);
  return 0;
}
