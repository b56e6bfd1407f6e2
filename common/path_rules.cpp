#include "path_rules.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace vantor {

std::string AliasFromPath(std::string_view path) {
  std::size_t slash = path.rfind('\\');
  if (slash != std::string_view::npos && slash + 1 < path.size()) return std::string(path.substr(slash + 1));
  return std::string(path);
}

bool IsExistingDirectory(const std::string& path) {
#ifdef _WIN32
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
#endif
}

}  // namespace vantor
