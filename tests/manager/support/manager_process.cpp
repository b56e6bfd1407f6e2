#include "manager_process.h"

#include <commctrl.h>

#include <stdexcept>

namespace vantor::testing {
namespace {

constexpr const char* kStoreKey = "Software\\Vantor";

std::string BuildTreeManagerFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\'));                 // tests\manager
  folder.resize(folder.find_last_of('\\'));                 // tests
  folder.resize(folder.find_last_of('\\'));                 // the build tree
  return folder + "\\manager\\";
}

}  // namespace

ManagerInstall::ManagerInstall() {
  const std::string source = BuildTreeManagerFolder();
  exe_path_ = dir_.File("Vantor.exe");
  if (!CopyFileA((source + "Vantor.exe").c_str(), exe_path_.c_str(), FALSE))
    throw std::runtime_error("Cannot copy " + source + "Vantor.exe");
  CopyFileA((source + "msn.sui").c_str(), dir_.File("msn.sui").c_str(), FALSE);
  WriteTextFile(dir_.File("options.ini"), "[Options]\r\nShowTips=0\r\n");
}

ManagerProcess::ManagerProcess(const std::string& exe_path) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  std::string command = "\"" + exe_path + "\"";
  if (!CreateProcessA(exe_path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_))
    throw std::runtime_error("Cannot start " + exe_path);
}

ManagerProcess::~ManagerProcess() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    for (HWND window : TopLevelWindowsOfClass(kRealMainClass)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(window, &pid);
      if (pid == info_.dwProcessId) PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(info_.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND ManagerProcess::WaitForWindow(int rows, int timeout_milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeout_milliseconds);
  do {
    for (HWND window : TopLevelWindowsOfClass(kRealMainClass)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(window, &pid);
      if (pid != info_.dwProcessId || !IsWindowVisible(window)) continue;
      HWND list = FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr);
      if (list && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) >= rows) return window;
    }
    if (WaitForSingleObject(info_.hProcess, 2) != WAIT_TIMEOUT) return nullptr;
  } while (static_cast<int>(end - GetTickCount()) > 0);
  return nullptr;
}

int ManagerProcess::WaitForExit(int timeout_milliseconds) {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout_milliseconds)) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<int>(code);
}

std::vector<HWND> TopLevelWindowsOfClass(const char* class_name) {
  std::vector<HWND> found;
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, class_name, nullptr)) != nullptr) found.push_back(window);
  return found;
}

StoreKeyGuard::StoreKeyGuard() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    existed_ = true;
    for (DWORD i = 0;; ++i) {
      char name[16384];
      DWORD name_size = sizeof name, type = 0, data_size = 0;
      if (RegEnumValueA(key, i, name, &name_size, nullptr, &type, nullptr, &data_size) != ERROR_SUCCESS) break;
      Saved saved{name, type, std::vector<BYTE>(data_size)};
      DWORD read_size = data_size;
      RegQueryValueExA(key, name, nullptr, nullptr, saved.data.data(), &read_size);
      saved_.push_back(std::move(saved));
    }
    RegCloseKey(key);
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kStoreKey);
}

StoreKeyGuard::~StoreKeyGuard() {
  RegDeleteTreeA(HKEY_CURRENT_USER, kStoreKey);
  if (!existed_) return;
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  for (const Saved& saved : saved_)
    RegSetValueExA(key, saved.name.c_str(), 0, saved.type, saved.data.data(), static_cast<DWORD>(saved.data.size()));
  RegCloseKey(key);
}

}  // namespace vantor::testing
