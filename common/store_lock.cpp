#include "store_lock.h"

#include <cctype>
#include <map>

namespace vantor {
namespace {

// Registry names ignore letter case, so the lock's name does too.
std::string FoldedName(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

std::shared_ptr<std::recursive_timed_mutex> SharedMutex(const std::string& name) {
  static std::mutex table_mutex;
  static std::map<std::string, std::weak_ptr<std::recursive_timed_mutex>> table;
  std::lock_guard<std::mutex> hold(table_mutex);
  std::weak_ptr<std::recursive_timed_mutex>& slot = table[FoldedName(name)];
  std::shared_ptr<std::recursive_timed_mutex> mutex = slot.lock();
  if (!mutex) {
    mutex = std::make_shared<std::recursive_timed_mutex>();
    slot = mutex;
  }
  return mutex;
}

}  // namespace

InProcessStoreLock::InProcessStoreLock(const std::string& name, std::chrono::milliseconds wait)
    : mutex_(SharedMutex(name)), wait_(wait) {}

bool InProcessStoreLock::Acquire() { return mutex_->try_lock_for(wait_); }

void InProcessStoreLock::Release() { mutex_->unlock(); }

}  // namespace vantor
