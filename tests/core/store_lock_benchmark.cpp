// What the store lock costs a writer: one uncontended take-and-give-back of the
// named mutex, and making the lock (name lookup and mutex), which "Add to Vantor"
// does once per command, each against one registry value read measured in the
// same run (the floor of every store operation).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "named_store_lock.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Body>
double MedianMicroseconds(int runs, int per_run, Body body) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < per_run; ++i) body();
    times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / per_run);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  const std::string key_path = "Software\\VantorLockBenchmark\\" + std::to_string(std::random_device{}());
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, key_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExA(key, "P0", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\"), 4);

  const double read = MedianMicroseconds(11, 1000, [&] {
    char buffer[64];
    DWORD size = sizeof buffer;
    RegQueryValueExA(key, "P0", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
  });
  vantor::NamedStoreLock lock(key_path);
  const double take = MedianMicroseconds(11, 1000, [&] {
    vantor::StoreLockGuard hold(lock);
  });
  const double make = MedianMicroseconds(11, 100, [&] {
    vantor::NamedStoreLock fresh(key_path);
  });

  std::printf("store lock, median of 11 runs, microseconds per call:\n");
  std::printf("  registry value read (floor)   %8.2f\n", read);
  std::printf("  lock + unlock (uncontended)   %8.2f  (%.2fx a value read)\n", take, take / read);
  std::printf("  make the lock (name + mutex)  %8.2f  (%.2fx a value read)\n", make, make / read);

  RegCloseKey(key);
  RegDeleteKeyA(HKEY_CURRENT_USER, key_path.c_str());
  return 0;
}
