#pragma once
// A throwaway store key in the real registry, fake ports and the environment
// that the commands run in.
#include <memory>

#include "action_environment.h"
#include "fakes.h"
#include "test_registry.h"

namespace vantor::shell::testing {

struct ActionFixture {
  explicit ActionFixture(OsVersionRecord version = kWindowsXp)
      : registry(vantor::testing::RegistryKinds().back().make()), version_source(version) {}

  std::unique_ptr<vantor::testing::TestRegistry> registry;
  FixedVersionSource version_source;
  RecordingProgramStarter programs;
  RecordingMessageBoxes messages;
  ActionEnvironment env{FolderStore(registry->registry(), registry->key_path()), version_source, programs, messages};
};

}  // namespace vantor::shell::testing
