#include "memory_registry.h"

namespace vantor {
namespace {

class MemoryKey final : public RegistryKey {
 public:
  MemoryKey(MemoryRegistry::Key& key, const std::set<std::string>& refused_writes, bool writable)
      : key_(key), refused_writes_(refused_writes), writable_(writable) {}

  std::optional<RegistryValue> Read(const std::string& name) override {
    auto it = key_.values.find(MemoryRegistry::Fold(name));
    if (it == key_.values.end()) return std::nullopt;
    return it->second;
  }

  bool WriteString(const std::string& name, const std::string& text) override {
    if (!writable_ || refused_writes_.count(MemoryRegistry::Fold(name))) return false;
    std::string data = text;
    data.push_back('\0');
    key_.values[MemoryRegistry::Fold(name)] = RegistryValue{regtype::kString, data};
    return true;
  }

  bool DeleteValue(const std::string& name) override {
    if (!writable_) return false;
    key_.values.erase(MemoryRegistry::Fold(name));
    return true;
  }

 private:
  MemoryRegistry::Key& key_;
  const std::set<std::string>& refused_writes_;
  bool writable_;
};

}  // namespace

std::string MemoryRegistry::Fold(const std::string& name) {
  std::string folded = name;
  for (char& c : folded)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return folded;
}

std::unique_ptr<RegistryKey> MemoryRegistry::Open(const std::string& path, OpenMode mode) {
  const std::string folded = Fold(path);
  if (refused_keys_.count(folded)) return nullptr;
  auto it = keys_.find(folded);
  if (it == keys_.end()) {
    if (mode != OpenMode::kCreate) return nullptr;
    it = keys_.emplace(folded, Key{}).first;
  }
  return std::make_unique<MemoryKey>(it->second, refused_writes_, mode != OpenMode::kReadOnly);
}

void MemoryRegistry::SetRaw(const std::string& path, const std::string& name, RegistryValue value) {
  keys_[Fold(path)].values[Fold(name)] = std::move(value);
}

const RegistryValue* MemoryRegistry::Find(const std::string& path, const std::string& name) const {
  auto key = keys_.find(Fold(path));
  if (key == keys_.end()) return nullptr;
  auto value = key->second.values.find(Fold(name));
  return value == key->second.values.end() ? nullptr : &value->second;
}

bool MemoryRegistry::KeyExists(const std::string& path) const { return keys_.count(Fold(path)) != 0; }

void MemoryRegistry::CreateKey(const std::string& path) { keys_[Fold(path)]; }

void MemoryRegistry::DeleteKey(const std::string& path) { keys_.erase(Fold(path)); }

std::size_t MemoryRegistry::ValueCount(const std::string& path) const {
  auto key = keys_.find(Fold(path));
  return key == keys_.end() ? 0 : key->second.values.size();
}

std::map<std::string, RegistryValue> MemoryRegistry::Snapshot(const std::string& path) const {
  auto key = keys_.find(Fold(path));
  return key == keys_.end() ? std::map<std::string, RegistryValue>{} : key->second.values;
}

}  // namespace vantor
