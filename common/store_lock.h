#pragma once
// One lock per folder list store, held around every read-then-write of the store
// (find the next free index, then write it; take the store's list, then rewrite it)
// so that two writers never both write the same index or leave a gap.
//
// The wait is bounded: the shell extension runs on the user-interface thread of
// Explorer and of every program showing a file dialog and must never hang it. A
// writer that cannot get the lock within the bound goes on without it, which is no
// worse than having no lock at all. Holders keep it for milliseconds (a whole list
// rewrite) and never while a window waits for the user.
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

namespace vantor {

inline constexpr std::chrono::milliseconds kStoreLockWait{2000};

class StoreLock {
 public:
  virtual ~StoreLock() = default;
  StoreLock() = default;
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

  // Waits at most the lock's bound; true when the calling thread now holds it. A
  // thread that holds it already gets it again at once (counted).
  virtual bool Acquire() = 0;
  // Gives back one Acquire that returned true.
  virtual void Release() = 0;
};

// Holds the lock for a scope when it could be had in time.
class StoreLockGuard {
 public:
  explicit StoreLockGuard(StoreLock& lock) : lock_(lock), held_(lock.Acquire()) {}
  ~StoreLockGuard() {
    if (held_) lock_.Release();
  }
  StoreLockGuard(const StoreLockGuard&) = delete;
  StoreLockGuard& operator=(const StoreLockGuard&) = delete;
  bool held() const { return held_; }

 private:
  StoreLock& lock_;
  bool held_;
};

// The lock among the threads of this process: every object made with the same
// name shares one recursive mutex. Stands in for the named system lock where there
// is no Windows (native tests) and follows the same contract.
class InProcessStoreLock final : public StoreLock {
 public:
  explicit InProcessStoreLock(const std::string& name, std::chrono::milliseconds wait = kStoreLockWait);
  bool Acquire() override;
  void Release() override;

 private:
  std::shared_ptr<std::recursive_timed_mutex> mutex_;
  std::chrono::milliseconds wait_;
};

}  // namespace vantor
