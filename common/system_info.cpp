#include "system_info.h"

#include <windows.h>

#include <vector>

namespace vantor {

std::string WindowsDirectory() {
  std::vector<char> buffer(128);
  for (;;) {
    UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length + 1);  // too small: the result is the size needed
  }
}

std::string ExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace vantor
