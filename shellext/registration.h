#pragma once
#include <windows.h>

#include "registration_plan.h"

namespace vantor::shell {

// Writes into and removes from the real HKEY_CLASSES_ROOT / HKEY_LOCAL_MACHINE and
// HKEY_CURRENT_USER\Software\Classes.
class WinRegistryWriter final : public RegistryWriter {
 public:
  bool SetString(const RegistryEntry& entry) override;
  void Remove(const RegistryRemoval& removal) override;
};

// The path recorded for the server: the module's long path, or its 8.3 form when
// the long one holds a blank.
std::string ServerPathForRegistration(const std::string& module_path);

bool IsNtPlatform();

}  // namespace vantor::shell
