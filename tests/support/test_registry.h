#pragma once
// The registries that the store's contract runs against: the in-memory one
// everywhere, and under Windows (Wine) also the real one, in a throwaway key.
#include <map>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "folder_store.h"
#include "registry.h"

namespace vantor::testing {

class TestRegistry {
 public:
  virtual ~TestRegistry() = default;
  virtual Registry& registry() = 0;
  // A fresh, not yet existing key path below HKEY_CURRENT_USER, removed with the object.
  virtual const std::string& key_path() const = 0;
  virtual void SetRaw(const std::string& name, const RegistryValue& value) = 0;
  virtual void CreateKey() = 0;
  virtual bool KeyExists() = 0;
  // Every value of the key, by upper-cased name.
  virtual std::map<std::string, RegistryValue> Values() = 0;

  void SetString(const std::string& name, const std::string& text);
  // The string values of the key as "NAME=text" lines, sorted; for exact comparisons.
  std::vector<std::string> StringValues();
};

struct RegistryKind {
  std::string name;
  std::unique_ptr<TestRegistry> (*make)();
};

inline void PrintTo(const RegistryKind& kind, std::ostream* out) { *out << kind.name; }

std::vector<RegistryKind> RegistryKinds();

// What StringValues() gives for a key holding exactly `list` as N<i>/P<i> pairs
// plus the "NAME=text" lines of `extra`.
std::vector<std::string> ExpectedStringValues(const FolderList& list, std::vector<std::string> extra = {});
std::unique_ptr<TestRegistry> MakeMemoryTestRegistry();

}  // namespace vantor::testing
