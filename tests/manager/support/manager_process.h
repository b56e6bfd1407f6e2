#pragma once
// The real Vantor.exe for tests and benchmarks: a copy of the built program in a
// folder of its own (with its theme, and tips off), started as a process; and a
// guard that clears the real store key HKCU\Software\Vantor for a test and puts
// back what it held afterwards.
#include <windows.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace vantor::testing {

class ManagerInstall {
 public:
  ManagerInstall();  // copies Vantor.exe and msn.sui from the build tree
  const std::string& exe_path() const { return exe_path_; }
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  std::string exe_path_;
};

class ManagerProcess {
 public:
  explicit ManagerProcess(const std::string& exe_path);
  ~ManagerProcess();  // closes the window, ends the process if it lingers
  ManagerProcess(const ManagerProcess&) = delete;
  ManagerProcess& operator=(const ManagerProcess&) = delete;

  // The main window once it is visible and its list holds at least `rows` rows; nullptr on timeout.
  HWND WaitForWindow(int rows = 1, int timeout_milliseconds = 15000);
  // Waits for the process to end; its exit code, or -1 on timeout.
  int WaitForExit(int timeout_milliseconds = 15000);
  DWORD id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

inline constexpr const char* kRealMainClass = "Vantor Made by Quillon";
std::vector<HWND> TopLevelWindowsOfClass(const char* class_name);

class StoreKeyGuard {
 public:
  StoreKeyGuard();   // saves and deletes HKCU\Software\Vantor
  ~StoreKeyGuard();  // deletes it and restores the saved values
  StoreKeyGuard(const StoreKeyGuard&) = delete;
  StoreKeyGuard& operator=(const StoreKeyGuard&) = delete;

 private:
  struct Saved {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
  };
  bool existed_ = false;
  std::vector<Saved> saved_;
};

}  // namespace vantor::testing
