#pragma once
#include <map>
#include <set>
#include <string>

#include "registry.h"

namespace vantor {

// An in-memory registry for tests. Key and value names compare case-insensitively,
// as Windows does. Faults can be injected: keys that refuse to open, values that
// refuse to be written.
class MemoryRegistry final : public Registry {
 public:
  struct Key {
    std::map<std::string, RegistryValue> values;  // by upper-cased name
  };

  std::unique_ptr<RegistryKey> Open(const std::string& path, OpenMode mode) override;

  // Direct access for tests: set or inspect a value of any type.
  void SetRaw(const std::string& path, const std::string& name, RegistryValue value);
  const RegistryValue* Find(const std::string& path, const std::string& name) const;
  bool KeyExists(const std::string& path) const;
  void CreateKey(const std::string& path);
  void DeleteKey(const std::string& path);
  std::size_t ValueCount(const std::string& path) const;
  // Every value of a key, by upper-cased name.
  std::map<std::string, RegistryValue> Snapshot(const std::string& path) const;

  // Fault injection.
  void RefuseOpen(const std::string& path) { refused_keys_.insert(Fold(path)); }
  void RefuseWrite(const std::string& name) { refused_writes_.insert(Fold(name)); }

  static std::string Fold(const std::string& name);

 private:
  std::map<std::string, Key> keys_;  // by upper-cased path
  std::set<std::string> refused_keys_;
  std::set<std::string> refused_writes_;
};

}  // namespace vantor
