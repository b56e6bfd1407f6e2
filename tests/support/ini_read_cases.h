#pragma once
// How INI text reads: one table for our engine natively and for the Windows
// profile functions under Wine, which must agree with it.
#include <optional>
#include <string>
#include <vector>

namespace vantor::testing {

struct IniReadCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;  // empty: the key reads as missing
};

const std::vector<IniReadCase>& IniReadCases();

}  // namespace vantor::testing
