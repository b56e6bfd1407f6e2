#pragma once
// A store for one run of the shell host: the host's HKEY_CURRENT_USER is redirected
// (--store-root) to a throwaway key, and the store lies below it. Values of any
// type and size can be put in, and the whole key read back to compare.
#include <windows.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "host_run.h"

namespace vantor::testing {

struct StoredValue {
  DWORD type = REG_NONE;
  std::string data;
  bool operator==(const StoredValue& other) const { return type == other.type && data == other.data; }
};
inline void PrintTo(const StoredValue& value, std::ostream* out) {
  *out << "type " << value.type << ", " << value.data.size() << " bytes: " << value.data.substr(0, 80);
}
using StoreSnapshot = std::map<std::string, StoredValue>;

class HostStore {
 public:
  HostStore();
  ~HostStore();
  HostStore(const HostStore&) = delete;
  HostStore& operator=(const HostStore&) = delete;

  const std::string& root() const { return root_; }
  void SetString(const std::string& name, const std::string& text);
  void SetValue(const std::string& name, DWORD type, const std::string& bytes);
  // Every value of the store key with its type and bytes.
  StoreSnapshot Snapshot() const;

 private:
  std::string root_;
  std::string store_;
};

// The host's arguments: registers the built module, redirects the store, answers
// the message boxes; each argument quoted.
HostRun RunHostWith(const HostStore& store, const std::vector<std::string>& arguments,
                    const std::string& directory = std::string());

}  // namespace vantor::testing
