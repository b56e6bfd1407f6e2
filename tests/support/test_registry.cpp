#include "test_registry.h"

#include <algorithm>
#include <atomic>
#include <random>

#include "memory_registry.h"

#ifdef _WIN32
#include <windows.h>

#include "win_registry.h"
#endif

namespace vantor::testing {
namespace {

std::string UniqueKeyPath() {
  static std::atomic<int> counter{0};
#ifdef _WIN32
  const unsigned long pid = GetCurrentProcessId();
#else
  const unsigned long pid = 0;
#endif
  // Wine reuses process ids: a random part keeps a key left by a crashed run out of the way.
  static const unsigned long salt = std::random_device{}();
  return "Software\\VantorTest\\" + std::to_string(pid) + "-" + std::to_string(salt) + "-" +
         std::to_string(++counter);
}

class MemoryTestRegistry final : public TestRegistry {
 public:
  Registry& registry() override { return registry_; }
  const std::string& key_path() const override { return path_; }
  void SetRaw(const std::string& name, const RegistryValue& value) override { registry_.SetRaw(path_, name, value); }
  void CreateKey() override { registry_.CreateKey(path_); }
  bool KeyExists() override { return registry_.KeyExists(path_); }
  std::map<std::string, RegistryValue> Values() override {
    return registry_.Snapshot(path_);
  }

 private:
  MemoryRegistry registry_;
  std::string path_ = UniqueKeyPath();
};

#ifdef _WIN32
class RealTestRegistry final : public TestRegistry {
 public:
  ~RealTestRegistry() override { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
  Registry& registry() override { return registry_; }
  const std::string& key_path() const override { return path_; }
  void SetRaw(const std::string& name, const RegistryValue& value) override {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                   static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
  }
  void CreateKey() override {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
  }
  bool KeyExists() override {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  std::map<std::string, RegistryValue> Values() override {
    std::map<std::string, RegistryValue> values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
      char name[16384];
      DWORD name_size = sizeof name, type = 0, data_size = 0;
      if (RegEnumValueA(key, i, name, &name_size, nullptr, &type, nullptr, &data_size) != ERROR_SUCCESS) break;
      std::string data(data_size, '\0');
      name_size = sizeof name;
      RegEnumValueA(key, i, name, &name_size, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &data_size);
      data.resize(data_size);
      values[MemoryRegistry::Fold(name)] = RegistryValue{type, data};
    }
    RegCloseKey(key);
    return values;
  }

 private:
  WinRegistry registry_;
  std::string path_ = UniqueKeyPath();
};
#endif

}  // namespace

void TestRegistry::SetString(const std::string& name, const std::string& text) {
  SetRaw(name, RegistryValue{regtype::kString, text + std::string(1, '\0')});
}

std::vector<std::string> TestRegistry::StringValues() {
  std::vector<std::string> lines;
  for (const auto& [name, value] : Values()) {
    std::string text = value.data.substr(0, value.data.find('\0'));
    lines.push_back(name + "=" + text);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> ExpectedStringValues(const FolderList& list, std::vector<std::string> extra) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    extra.push_back(AliasValueName(i) + "=" + list[i].alias);
    extra.push_back(PathValueName(i) + "=" + list[i].path);
  }
  std::sort(extra.begin(), extra.end());
  return extra;
}

std::unique_ptr<TestRegistry> MakeMemoryTestRegistry() { return std::make_unique<MemoryTestRegistry>(); }

std::vector<RegistryKind> RegistryKinds() {
  std::vector<RegistryKind> kinds{{"Memory", &MakeMemoryTestRegistry}};
#ifdef _WIN32
  kinds.push_back({"Real", []() -> std::unique_ptr<TestRegistry> { return std::make_unique<RealTestRegistry>(); }});
#endif
  return kinds;
}

}  // namespace vantor::testing
