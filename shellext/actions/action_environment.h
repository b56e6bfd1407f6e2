#pragma once
// Everything a command reaches outside its own process memory: the folder list
// store and the ports. The shell builds it from the real registry and adapters;
// tests hand in a throwaway key and fakes.
#include <cstdint>
#include <string>

#include "folder_store.h"
#include "ports.h"

namespace vantor::shell {

struct ActionEnvironment {
  FolderStore store;
  VersionSource& version;
  ProgramStarter& programs;
  MessageBoxes& messages;
};

// The path of favourite `number` (1-based: favourite n is P<n-1>), read afresh;
// "" when the key or the value is missing.
std::string ReadFavouritePath(const FolderStore& store, std::uint16_t number);

}  // namespace vantor::shell
