// The real Vantor.exe over large lists under Wine: for 20, 1,000 and 5,000 favourites,
// the time from process start to the filled main window (median of N runs, default 3)
// and, over 5 s of the idle window, the longest it took to answer a message (a store
// read blocks it), next to the cost of reading the same list once in this process.
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

namespace {

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The longest answer of `window` to WM_NULL, asked every 20 ms for `milliseconds`.
double LongestAnswer(HWND window, int milliseconds) {
  double longest = 0;
  const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (Clock::now() < end) {
    const auto start = Clock::now();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    longest = std::max(longest, Milliseconds(Clock::now() - start));
    Sleep(20);
  }
  return longest;
}

void FillStore(int count) {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantor");
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Vantor", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  for (int i = 0; i < count; ++i) {
    const std::string alias = "Folder " + std::to_string(i), path = "C:\\data\\f" + std::to_string(i);
    RegSetValueExA(key, ("N" + std::to_string(i)).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(alias.c_str()),
                   static_cast<DWORD>(alias.size() + 1));
    RegSetValueExA(key, ("P" + std::to_string(i)).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>(path.size() + 1));
  }
  RegCloseKey(key);
}

// One read of the whole list, as a poll does it (two queries per value).
double ReadListMilliseconds(int count) {
  const auto start = Clock::now();
  HKEY key;
  RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Vantor", 0, KEY_READ, &key);
  char buffer[64];
  for (int i = 0; i <= count; ++i)
    for (const char* prefix : {"N", "P"}) {
      const std::string name = prefix + std::to_string(i);
      DWORD size = 0;
      RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size);
      size = sizeof buffer;
      RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    }
  RegCloseKey(key);
  return Milliseconds(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  StoreKeyGuard guard;
  ManagerInstall install;
  for (int count : {20, 1000, 5000}) {
    FillStore(count);
    const double read = ReadListMilliseconds(count);
    std::vector<double> starts;
    double longest = 0;
    for (int run = 0; run < runs; ++run) {
      const auto start = Clock::now();
      ManagerProcess manager(install.exe_path());
      HWND window = manager.WaitForWindow(count, 60000);
      if (!window) {
        std::printf("%d favourites: the window did not fill\n", count);
        return 1;
      }
      starts.push_back(Milliseconds(Clock::now() - start));
      if (run == 0) longest = LongestAnswer(window, 5000);
    }
    std::sort(starts.begin(), starts.end());
    std::printf("%5d favourites: start to filled window median %.0f ms (best %.0f, %d runs); idle window's longest "
                "answer over 5 s %.0f ms; one read of the list in this process %.0f ms\n",
                count, starts[starts.size() / 2], starts.front(), runs, longest, read);
  }
  return 0;
}
