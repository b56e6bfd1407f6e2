// The store lock's contract, run against the in-process lock everywhere and, under
// Windows (Wine), against the named system mutex: both must behave alike.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "store_lock.h"
#ifdef _WIN32
#include <windows.h>

#include "named_store_lock.h"
#endif

namespace vantor::testing {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

struct LockKind {
  std::string name;
  std::function<std::unique_ptr<StoreLock>(const std::string& key_path, milliseconds wait)> make;
};

void PrintTo(const LockKind& kind, std::ostream* out) { *out << kind.name; }

std::vector<LockKind> LockKinds() {
  std::vector<LockKind> kinds{{"InProcess", [](const std::string& path, milliseconds wait) {
                                 return std::make_unique<InProcessStoreLock>(path, wait);
                               }}};
#ifdef _WIN32
  kinds.push_back({"Named", [](const std::string& path, milliseconds wait) {
                     return std::make_unique<NamedStoreLock>(path, wait);
                   }});
#endif
  return kinds;
}

// A key path no other run uses (Wine reuses process ids, hence the random part).
std::string FreshKeyPath() {
  static std::atomic<int> counter{0};
  static const unsigned salt = std::random_device{}();
  return "Software\\VantorLockTest\\" + std::to_string(salt) + "-" + std::to_string(++counter);
}

// Runs `body` on another thread and waits for it.
bool OnOtherThread(const std::function<bool()>& body) {
  bool result = false;
  std::thread([&] { result = body(); }).join();
  return result;
}

class StoreLockContract : public ::testing::TestWithParam<LockKind> {
 protected:
  std::unique_ptr<StoreLock> Make(milliseconds wait = milliseconds(5000), const std::string& path = {}) {
    return GetParam().make(path.empty() ? path_ : path, wait);
  }
  bool TakeAndGiveBack(StoreLock& lock) {
    if (!lock.Acquire()) return false;
    lock.Release();
    return true;
  }
  std::string path_ = FreshKeyPath();
};

TEST_P(StoreLockContract, AHolderKeepsASecondThreadOutUntilItReleases) {
  auto holder_lock = Make();
  auto waiter_lock = Make();
  std::atomic<bool> held{false}, released{false};
  bool waiter_got_it = false, holder_had_released = false;
  std::thread holder([&] {
    ASSERT_TRUE(holder_lock->Acquire());
    held = true;
    std::this_thread::sleep_for(milliseconds(150));
    released = true;
    holder_lock->Release();
  });
  while (!held) std::this_thread::yield();
  std::thread waiter([&] {
    waiter_got_it = waiter_lock->Acquire();
    holder_had_released = released;
    if (waiter_got_it) waiter_lock->Release();
  });
  holder.join();
  waiter.join();
  EXPECT_TRUE(waiter_got_it);
  EXPECT_TRUE(holder_had_released);
}

TEST_P(StoreLockContract, AWaiterGivesUpAfterItsBound) {
  auto holder_lock = Make();
  ASSERT_TRUE(holder_lock->Acquire());
  auto waiter_lock = Make(milliseconds(200));
  const Clock::time_point start = Clock::now();
  EXPECT_FALSE(OnOtherThread([&] { return TakeAndGiveBack(*waiter_lock); }));
  EXPECT_GE(Clock::now() - start, milliseconds(150));
  holder_lock->Release();
  EXPECT_TRUE(OnOtherThread([&] { return TakeAndGiveBack(*waiter_lock); }));
}

TEST_P(StoreLockContract, TheHolderMayTakeItAgainAndMustGiveItBackAsOften) {
  auto lock = Make();
  auto other = Make(milliseconds(50));
  ASSERT_TRUE(lock->Acquire());
  ASSERT_TRUE(lock->Acquire());
  lock->Release();
  EXPECT_FALSE(OnOtherThread([&] { return TakeAndGiveBack(*other); }));
  lock->Release();
  EXPECT_TRUE(OnOtherThread([&] { return TakeAndGiveBack(*other); }));
}

TEST_P(StoreLockContract, LocksOfOneStoreMeetWhateverTheLetterCaseAndOtherStoresDoNot) {
  auto lock = Make();
  ASSERT_TRUE(lock->Acquire());
  std::string upper = path_;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto same_store = Make(milliseconds(50), upper);
  auto other_store = Make(milliseconds(50), path_ + "-other");
  EXPECT_FALSE(OnOtherThread([&] { return TakeAndGiveBack(*same_store); }));
  EXPECT_TRUE(OnOtherThread([&] { return TakeAndGiveBack(*other_store); }));
  lock->Release();
}

TEST_P(StoreLockContract, TheGuardHoldsForItsScopeAndSaysWhenItCouldNot) {
  auto lock = Make();
  auto other = Make(milliseconds(50));
  {
    StoreLockGuard hold(*lock);
    EXPECT_TRUE(hold.held());
    EXPECT_FALSE(OnOtherThread([&] {
      StoreLockGuard late(*other);
      return late.held();
    }));
  }
  EXPECT_TRUE(OnOtherThread([&] {
    StoreLockGuard late(*other);
    return late.held();
  }));
}

INSTANTIATE_TEST_SUITE_P(Locks, StoreLockContract, ::testing::ValuesIn(LockKinds()),
                         [](const ::testing::TestParamInfo<LockKind>& info) { return info.param.name; });

#ifdef _WIN32

TEST(NamedStoreLock, AMutexLeftByAHolderThatEndedCountsAsHad) {
  const std::string path = FreshKeyPath();
  NamedStoreLock holder(path);
  std::thread([&] { ASSERT_TRUE(holder.Acquire()); }).join();  // ends without Release
  NamedStoreLock next(path, milliseconds(1000));
  EXPECT_TRUE(next.Acquire());
  next.Release();
}

// The name is the key's full registry name: a store reached through a redirected
// HKEY_CURRENT_USER (as the shell host's --store-root does) meets the lock of the
// same key named by its path from the real one.
TEST(NamedStoreLock, TheNameIsTheKeysFullNameAlsoUnderARedirectedCurrentUser) {
  const std::string root = FreshKeyPath();
  const std::wstring direct = StoreLockName(root + "\\Software\\Vantor");
  const std::wstring plain = StoreLockName("Software\\Vantor");
  EXPECT_EQ(direct.rfind(L"Local\\Vantor store ", 0), 0u);
  EXPECT_EQ(direct.find(L'\\', 6), std::wstring::npos);
  EXPECT_NE(direct, plain);
  // The redirected root is a profile of its own, with "Software" as every profile has.
  HKEY redirected = nullptr, software = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, root.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &redirected,
                            nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegCreateKeyExA(redirected, "Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &software, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(software);
  ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, redirected), ERROR_SUCCESS);
  const std::wstring through_redirection = StoreLockName("Software\\Vantor");
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegCloseKey(redirected);
  RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
  EXPECT_EQ(through_redirection, direct);
}

TEST(NamedStoreLock, TheNameStaysWhenTheStoreKeyComesIntoBeing) {
  const std::string path = FreshKeyPath();
  const std::wstring before = StoreLockName(path);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  const std::wstring after = StoreLockName(path);
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
  EXPECT_EQ(before, after);
  EXPECT_NE(before.find(L"/software/vantorlocktest/"), std::wstring::npos);
}

TEST(NamedStoreLock, AKeyPathTooLongForAnObjectNameIsHashedAndStaysDistinct) {
  const std::string long_path = "Software\\" + std::string(300, 'x');
  const std::wstring a = StoreLockName(long_path + "a");
  const std::wstring b = StoreLockName(long_path + "b");
  EXPECT_LE(a.size(), 240u);
  EXPECT_NE(a, b);
  EXPECT_EQ(a, StoreLockName(long_path + "A"));
  NamedStoreLock lock(long_path + "a");
  EXPECT_TRUE(lock.usable());
}

#endif

}  // namespace
}  // namespace vantor::testing
