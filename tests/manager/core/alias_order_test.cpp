#include "alias_order.h"

#include <gtest/gtest.h>

namespace vantor::testing {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(CompareAlias, FoldsOnlyAsciiLettersAndPutsPrefixesFirst) {
  struct Case {
    const char* first;
    const char* second;
    int sign;
  };
  const Case cases[] = {
      {"apple", "Banana", -1}, {"APPLE", "apple", 0},  {"Doc", "Docs", -1},     {"Docs", "Doc", 1},
      {"_x", "zeta", 1},       {"_x", "Z", 1},         {"b", "B", 0},           {"", "", 0},
      {"", "a", -1},           {"\xE9", "\xC9", 1},    {"\xE9", "z", 1},        {"a1", "A2", -1},
      {"[", "a", 1},           {"`", "A", 1},  // '[' and '`' sort after the letters once folded
  };
  for (const Case& c : cases)
    EXPECT_EQ(Sign(CompareAlias(c.first, c.second)), c.sign) << c.first << " vs " << c.second;
  EXPECT_EQ(CompareAlias("Doc", "Docs"), -1);
  EXPECT_EQ(CompareAlias("a", "c"), 'A' - 'C');
}

std::vector<std::string> Sorted(std::vector<std::string> aliases, bool ascending) {
  FolderList rows;
  for (std::size_t i = 0; i < aliases.size(); ++i) rows.push_back({aliases[i], "P" + std::to_string(i)});
  SortRows(rows, ascending);
  std::vector<std::string> out;
  for (const FolderEntry& e : rows) out.push_back(e.alias + "@" + e.path);
  return out;
}

TEST(SortRows, FollowsTheExactExchangeProcedure) {
  struct Case {
    const char* name;
    std::vector<std::string> aliases;
    bool ascending;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"case ignored", {"Banana", "apple"}, true, {"apple@P1", "Banana@P0"}},
      {"prefix first", {"Docs", "Doc"}, true, {"Doc@P1", "Docs@P0"}},
      {"underscore after letters", {"_tmp", "zip", "Alpha"}, true, {"Alpha@P2", "zip@P1", "_tmp@P0"}},
      {"equal aliases reversed", {"B", "b", "A"}, true, {"A@P2", "b@P1", "B@P0"}},
      {"descending", {"a", "C", "b"}, false, {"C@P1", "b@P2", "a@P0"}},
      {"already sorted", {"a", "b", "c"}, true, {"a@P0", "b@P1", "c@P2"}},
      {"one entry", {"x"}, true, {"x@P0"}},
      {"empty", {}, false, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Sorted(c.aliases, c.ascending), c.expected) << c.name;
}

}  // namespace
}  // namespace vantor::testing
