// The first menu of a user without a store writes the default list. "Add to Vantor"
// in another process may create the store at that moment: the menu waits for the
// store's lock and then finds the key, so the defaults never overwrite the entry.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "host_store.h"
#include "named_store_lock.h"

namespace vantor::testing {
namespace {

TEST(FirstMenuLock, TheDefaultListWaitsForAWriterHoldingTheStoreLock) {
  HostStore store;
  const std::string store_path = store.root() + "\\Software\\Vantor";
  ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, store_path.c_str()), ERROR_SUCCESS);

  std::atomic<bool> held{false};
  std::thread writer([&] {
    // Seen from the host (HKEY_CURRENT_USER redirected to the root) this is the
    // lock of its "Software\Vantor".
    NamedStoreLock lock(store_path);
    if (!lock.Acquire()) return;
    held = true;
    Sleep(1500);  // the host starts and asks for its menu meanwhile
    store.SetString("N0", "Work");
    store.SetString("P0", "C:\\Work");
    lock.Release();
  });
  while (!held) Sleep(1);
  HostRun run = RunHostWith(store, {});
  writer.join();

  EXPECT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_EQ(store.Snapshot(), (StoreSnapshot{{"N0", {REG_SZ, std::string("Work", 5)}},
                                             {"P0", {REG_SZ, std::string("C:\\Work", 8)}}}));
  EXPECT_TRUE(run.Has("item   2 Work +bitmap")) << ::testing::PrintToString(run);
}

}  // namespace
}  // namespace vantor::testing
