#pragma once
#include "registry.h"

namespace vantor {

// The real registry under HKEY_CURRENT_USER. Every Open is a fresh handle that the
// returned key closes; nothing is cached.
class WinRegistry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(const std::string& path, OpenMode mode) override;
};

}  // namespace vantor
