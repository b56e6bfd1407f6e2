#pragma once
// The Windows version as the shell extension's jump needs it: one ordered code.
// Below kShellBrowserVersionClass the jump types into an edit control; from it on
// it goes through the host window's shell browser.
#include <cstdint>

namespace vantor {

// The three members of the system's version record that decide the code.
struct OsVersionRecord {
  std::uint32_t platform_id = 0;  // 2 = NT; a failed query leaves everything 0
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// 0 Windows 95, 2 Windows 98, 4 Windows Me, 5 NT 3.x, 6 NT 4.0, 7 Windows 2000
// (and any other 5.x), 8 XP, 9 version 5.2, 10 unrecognised (NT 6 and later too).
int WindowsVersionClass(const OsVersionRecord& version);

inline constexpr int kShellBrowserVersionClass = 7;

}  // namespace vantor
