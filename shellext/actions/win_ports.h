#pragma once
// The real adapters of the ports: GetVersionExA, ShellExecuteA and MessageBoxA.
#include "ports.h"

namespace vantor::shell {

class WinVersionSource final : public VersionSource {
 public:
  OsVersionRecord Query() override;
};

class ShellProgramStarter final : public ProgramStarter {
 public:
  std::intptr_t Start(const ProgramStart& request) override;
};

// Owned by the calling thread's active window, caption "Vantor", MB_OK.
class WinMessageBoxes final : public MessageBoxes {
 public:
  void Show(const std::string& text) override;
};

inline constexpr const char* kMessageCaption = "Vantor";

}  // namespace vantor::shell
