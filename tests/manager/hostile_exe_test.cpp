// The real Vantor.exe over a hostile store and from a read-only folder: it starts,
// shows what can be shown, reports a bad value by name, and changes nothing in the
// store but "Setting".
#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "manager_process.h"
#include "ui_driver.h"

namespace vantor::testing {
namespace {

constexpr const char* kStoreKey = "Software\\Vantor";

struct Raw {
  DWORD type;
  std::string data;
  bool operator==(const Raw& o) const { return type == o.type && data == o.data; }
};
using Values = std::map<std::string, Raw>;

void Set(HKEY key, const std::string& name, DWORD type, const std::string& data) {
  RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
}

Values ReadStore() {
  Values values;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD name_size = sizeof name, type = 0, size = 0;
    if (RegEnumValueA(key, i, name, &name_size, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::string data(size, '\0');
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    values[name] = Raw{type, data};
  }
  RegCloseKey(key);
  return values;
}

// A message box of process `pid` with that caption: its text; the box is answered OK.
std::string AnswerBoxOf(DWORD pid, const char* caption, int timeout_milliseconds = 15000) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeout_milliseconds);
  do {
    HWND box = nullptr;
    while ((box = FindWindowExA(nullptr, box, "#32770", caption)) != nullptr) {
      DWORD owner = 0;
      GetWindowThreadProcessId(box, &owner);
      if (owner != pid || !IsWindowVisible(box)) continue;
      const std::string text = WindowText(GetDlgItem(box, 0xFFFF));
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      return text;
    }
    Sleep(10);
  } while (static_cast<int>(end - GetTickCount()) > 0);
  return "(no box)";
}

class HostileExe : public ::testing::Test {
 protected:
  StoreKeyGuard key_guard_;
  ManagerInstall install_;
};

TEST_F(HostileExe, FiveThousandFavouritesABadValueAndABinarySettingOfOneMegabyte) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  for (int i = 0; i < 5000; ++i) {
    Set(key, "N" + std::to_string(i), REG_SZ, "Folder " + std::to_string(i) + '\0');
    Set(key, "P" + std::to_string(i), REG_SZ, "C:\\f" + std::to_string(i) + '\0');
  }
  Set(key, "N5000", REG_DWORD, std::string("\x07\0\0\0", 4));
  Set(key, "P5000", REG_SZ, std::string("C:\\beyond") + '\0');
  Set(key, "Setting", REG_BINARY, std::string(1 << 20, '\x5A'));
  RegCloseKey(key);
  Values expected = ReadStore();
  expected["Setting"] = Raw{REG_SZ, install_.exe_path() + '\0'};

  ManagerProcess manager(install_.exe_path());
  EXPECT_EQ(AnswerBoxOf(manager.id(), "Vantor"), "Invalid data type for 'N5000'");
  HWND window = manager.WaitForWindow(5000);
  ASSERT_NE(window, nullptr);
  HWND list = FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 5000);
  Sleep(1500);  // a store poll or two go by
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(manager.WaitForExit(), 0);
  EXPECT_TRUE(ReadStore() == expected);
}

// Wine keeps no read-only state for folders (the attribute reads back but creating a
// file inside still works), so a save that the folder refuses cannot be shown here;
// the refused save is shown with an options file that is a folder or held open.
TEST_F(HostileExe, StartsFromAFolderMarkedReadOnly) {
  const std::string folder = install_.dir().path();
  ASSERT_TRUE(SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_READONLY));
  ManagerProcess manager(install_.exe_path());
  HWND window = manager.WaitForWindow(2);
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_NE(window, nullptr);
  Values values = ReadStore();
  EXPECT_EQ(values["Setting"].data, install_.exe_path() + '\0');
  EXPECT_EQ(values.size(), 5u) << "the two default entries and Setting";
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(manager.WaitForExit(), 0);
}

}  // namespace
}  // namespace vantor::testing
