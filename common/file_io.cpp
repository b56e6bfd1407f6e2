#include "file_io.h"

#include <cstdio>
#include <memory>

#include "errors.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantor {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool IsFolder(const std::string& path) {
#ifdef _WIN32
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
#endif
}

unsigned long ProcessId() {
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(getpid());
#endif
}

bool ReplaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

bool WriteAll(std::FILE* file, const std::string& content) {
  if (!content.empty() && std::fwrite(content.data(), 1, content.size(), file) != content.size()) return false;
  return std::fflush(file) == 0;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (IsFolder(path)) return std::nullopt;
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) content.append(buffer, got);
  if (std::ferror(file.get())) return std::nullopt;
  return content;
}

void WriteFileAtomically(const std::string& path, const std::string& content) {
  const UserError failure("Unable to write to " + path);
  if (IsFolder(path)) throw failure;

  static unsigned long counter = 0;
  const std::string temporary = path + ".~" + std::to_string(ProcessId()) + "." + std::to_string(++counter);
  File file(std::fopen(temporary.c_str(), "wb"));
  if (!file) {
    File in_place(std::fopen(path.c_str(), "wb"));
    if (!in_place || !WriteAll(in_place.get(), content)) throw failure;
    if (std::fclose(in_place.release()) != 0) throw failure;
    return;
  }
  bool written = WriteAll(file.get(), content);
  written = (std::fclose(file.release()) == 0) && written;
  if (!written || !ReplaceFile(temporary, path)) {
    std::remove(temporary.c_str());
    throw failure;
  }
}

}  // namespace vantor
