#include "folder_test.h"

#include <windows.h>

#include "path_rules.h"

namespace vantor::shell {
namespace {

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// "C:\x" -> "\\?\C:\x", "\\server\share\x" -> "\\?\UNC\server\share\x"; other forms
// (relative, already prefixed) are left as they are.
std::wstring LongForm(const std::string& path) {
  const std::wstring wide = Wide(path);
  if (wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
  if (wide.size() >= 2 && wide[0] == L'\\' && wide[1] == L'\\' && (wide.size() < 3 || wide[2] != L'?'))
    return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

}  // namespace

bool IsExistingFolder(const std::string& path) {
  if (path.size() < MAX_PATH) return IsExistingDirectory(path);
  const DWORD attributes = GetFileAttributesW(LongForm(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace vantor::shell
