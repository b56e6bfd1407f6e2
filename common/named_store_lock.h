#pragma once
// The store lock among processes: a named mutex of this session ("Local\..."),
// whose name is the store key's full registry name, so that every process writing
// one key (the manager, the shell extension in any host) meets at the same mutex,
// while a throwaway test key gets a mutex of its own. The key's full name is taken
// from the system, so it stays right where HKEY_CURRENT_USER is redirected.
#include <windows.h>

#include <string>

#include "store_lock.h"

namespace vantor {

// "Local\Vantor store <full key name, lower case, '\' as '/'>"; a name too long for
// the system is shortened to a hash of it.
std::wstring StoreLockName(const std::string& key_path);

class NamedStoreLock final : public StoreLock {
 public:
  // An unnamed-able or refused mutex leaves the lock unusable: Acquire then
  // answers false at once and the writer goes on as without a lock.
  explicit NamedStoreLock(const std::string& key_path, std::chrono::milliseconds wait = kStoreLockWait);
  ~NamedStoreLock() override;

  bool Acquire() override;  // a mutex abandoned by a crashed holder counts as had
  void Release() override;
  bool usable() const { return mutex_ != nullptr; }

 private:
  HANDLE mutex_;
  DWORD wait_ms_;
};

}  // namespace vantor
