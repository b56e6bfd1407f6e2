#include "host_store.h"

#include <atomic>
#include <random>

#include <gtest/gtest.h>

#include "handler_fixture.h"

namespace vantor::testing {

HostStore::HostStore() {
  static std::atomic<int> counter{0};
  std::random_device random;
  // Wine reuses process ids: a random part keeps runs apart.
  root_ = "Software\\VantorHostileTest\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(random()) +
          "-" + std::to_string(++counter);
  store_ = root_ + "\\Software\\Vantor";
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, store_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
      ERROR_SUCCESS)
    RegCloseKey(key);
  else
    ADD_FAILURE() << "cannot create " << store_;
}

HostStore::~HostStore() {
  RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, root_.c_str());
}

void HostStore::SetString(const std::string& name, const std::string& text) {
  SetValue(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void HostStore::SetValue(const std::string& name, DWORD type, const std::string& bytes) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, store_.c_str(), name.c_str(), type, bytes.data(),
                            static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS)
      << name;
}

StoreSnapshot HostStore::Snapshot() const {
  StoreSnapshot values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, store_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  DWORD name_max = 0, data_max = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &name_max, &data_max, nullptr,
                   nullptr);
  for (DWORD index = 0;; ++index) {
    std::string name(name_max + 1, '\0');
    std::string data(data_max + 1, '\0');
    DWORD name_size = name_max + 1, data_size = data_max + 1, type = 0;
    if (RegEnumValueA(key, index, name.data(), &name_size, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                      &data_size) != ERROR_SUCCESS)
      break;
    name.resize(name_size);
    data.resize(data_size);
    values[name] = StoredValue{type, data};
  }
  RegCloseKey(key);
  return values;
}

HostRun RunHostWith(const HostStore& store, const std::vector<std::string>& arguments, const std::string& directory) {
  std::string line = "--register \"" + BuiltDllPath() + "\" --store-root \"" + store.root() + "\" --answer-messages";
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  return RunHost(line, directory);
}

}  // namespace vantor::testing
