#pragma once
#include <string>

namespace vantor::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + separator + name
  std::string File(const std::string& name) const;
  static char Separator();

 private:
  std::string path_;
};

void WriteTextFile(const std::string& path, const std::string& content);
std::string ReadTextFile(const std::string& path);

}  // namespace vantor::testing
