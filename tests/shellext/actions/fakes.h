#pragma once
// Stand-ins for the ports that remember what they were asked.
#include <string>
#include <vector>

#include "ports.h"

namespace vantor::shell::testing {

class FixedVersionSource final : public VersionSource {
 public:
  explicit FixedVersionSource(OsVersionRecord record) : record_(record) {}
  OsVersionRecord Query() override { return record_; }

 private:
  OsVersionRecord record_;
};

inline constexpr OsVersionRecord kWindows98{1, 4, 10};
inline constexpr OsVersionRecord kWindowsXp{2, 5, 1};

// Answers as the shell would for the file's existence (success for an existing
// file or folder, "file not found" otherwise) and starts nothing.
class RecordingProgramStarter final : public ProgramStarter {
 public:
  std::intptr_t Start(const ProgramStart& request) override;
  std::vector<ProgramStart> starts;
};

class RecordingMessageBoxes final : public MessageBoxes {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

}  // namespace vantor::shell::testing

namespace vantor::shell {
bool operator==(const ProgramStart& a, const ProgramStart& b);
void PrintTo(const ProgramStart& start, std::ostream* out);
}  // namespace vantor::shell
