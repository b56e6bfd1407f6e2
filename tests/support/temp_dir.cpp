#include "temp_dir.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace vantor::testing {

char TempDir::Separator() {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device random;
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("vantor-test-" + std::to_string(random()) + "-" + std::to_string(++counter));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate.string();
      break;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const { return path_ + Separator() + name; }

void WriteTextFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace vantor::testing
