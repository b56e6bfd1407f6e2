#include "windows_version.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(WindowsVersionClass, FollowsTheVersionTable) {
  struct Case {
    OsVersionRecord version;
    int code;
  };
  const Case cases[] = {
      {{2, 3, 51}, 5}, {{2, 4, 0}, 6},  {{2, 5, 0}, 7},  {{2, 5, 1}, 8},  {{2, 5, 2}, 9},   {{2, 5, 3}, 7},
      {{2, 6, 0}, 10}, {{2, 6, 1}, 10}, {{2, 10, 0}, 10}, {{1, 4, 0}, 0}, {{1, 4, 10}, 2},  {{1, 4, 90}, 4},
      {{1, 4, 3}, 10}, {{1, 5, 0}, 10}, {{0, 4, 10}, 2},  {{0, 0, 0}, 10}, {{3, 4, 90}, 4}, {{2, 4, 90}, 6},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WindowsVersionClass(c.version), c.code)
        << "platform " << c.version.platform_id << " version " << c.version.major << "." << c.version.minor;
}

TEST(WindowsVersionClass, OnlyOlderSystemsTypeIntoEditControls) {
  EXPECT_LT(WindowsVersionClass({2, 4, 0}), kShellBrowserVersionClass);
  EXPECT_LT(WindowsVersionClass({1, 4, 90}), kShellBrowserVersionClass);
  EXPECT_GE(WindowsVersionClass({2, 5, 0}), kShellBrowserVersionClass);
  EXPECT_GE(WindowsVersionClass({2, 6, 1}), kShellBrowserVersionClass);
}

}  // namespace
}  // namespace vantor
