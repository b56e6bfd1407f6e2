#pragma once
// Reading the favourites for the menu and its help texts. Each call opens the store
// key afresh (nothing is cached) and closes it again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor::shell {

struct AliasRead {
  std::vector<std::string> aliases;  // N0, N1, ... up to the first missing or empty one
  bool complete = true;              // false when a value could not be read (wrong type)
};

// Writes the default list when the key is missing, then reads at most `limit`
// aliases. One registry call per value in the common case.
AliasRead ReadMenuAliases(const std::string& key_path, std::size_t limit);

// The path of favourite `number` (1-based: P<number-1>); "" when the key or value is
// missing, the number is 0, or the value cannot be read as a string.
std::string ReadFavouritePath(const std::string& key_path, std::uint16_t number);

}  // namespace vantor::shell
