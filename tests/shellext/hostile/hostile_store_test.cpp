// Store values that no manager writes, read by the real handler (registered module,
// created through COM by the shell host): values of other types, of 10,000
// characters and of 1 MB, 5,000 favourites, a "Setting" of another type, of 1 MB
// or naming no program. The menu is built, help texts are cut to the buffer, every
// invocation returns S_OK with the message shown (or none), and the store is
// exactly as it was.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host_store.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

const std::string kMissing = "C:\\no such folder\\";
constexpr std::size_t kMegabyte = 1 << 20;

struct Value {
  std::string name;
  DWORD type;
  std::string bytes;
};
Value Text(const std::string& name, const std::string& text) { return {name, REG_SZ, text + '\0'}; }
Value Dword(const std::string& name) { return {name, REG_DWORD, std::string("\x07\0\0\0", 4)}; }
Value Binary(const std::string& name) { return {name, REG_BINARY, std::string("C:\\\0\xff", 5)}; }
Value MultiString(const std::string& name) { return {name, REG_MULTI_SZ, std::string("C:\\\0D:\\\0\0", 9)}; }

struct HostileCase {
  std::string name;
  std::vector<Value> values;            // over three favourites and a "Setting" naming no program
  std::vector<std::string> arguments;   // for the host, after the store
  std::vector<std::string> popup;       // the "item" lines, each cut to `cut` characters
  std::vector<std::string> help;        // the "help" lines, cut likewise
  std::vector<std::string> messages;    // the "message" lines, cut likewise
  std::size_t cut = std::string::npos;  // where Wine's controls or the host's buffers cut long texts
  // Wine's message box does not carry a text of a megabyte: what it shows (if
  // anything) must be the start of the message.
  bool message_may_be_cut = false;
};
void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }

std::vector<std::string> Cut(std::vector<std::string> lines, std::size_t cut) {
  for (std::string& line : lines) line = line.substr(0, cut);
  return lines;
}

std::vector<std::string> Popup(const std::vector<std::string>& aliases) {
  std::vector<std::string> lines{"item sep", "item popup Vantor +bitmap"};
  for (std::size_t i = 0; i < aliases.size(); ++i)
    lines.push_back("item   " + std::to_string(i + 2) + " " + aliases[i] + " +bitmap");
  if (!aliases.empty()) lines.push_back("item   sep");
  lines.push_back("item   1 Settings...");
  lines.push_back("item sep");
  return lines;
}

std::string Missing(const std::string& path) { return "message \"" + path + "\" does not exist."; }

class HostileStoreTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileStoreTest, MenuHelpAndCommandsGiveTheirResultAndTheStoreStaysAsItWas) {
  const HostileCase& c = GetParam();
  HostStore store;
  for (int i = 0; i < 3; ++i) {
    store.SetString("N" + std::to_string(i), "Fav" + std::to_string(i));
    store.SetString("P" + std::to_string(i), kMissing + std::to_string(i));
  }
  store.SetString("Setting", kMissing + "Vantor.exe");
  for (const Value& value : c.values) store.SetValue(value.name, value.type, value.bytes);
  const StoreSnapshot before = store.Snapshot();

  std::vector<std::string> arguments{"--first", "1"};
  arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
  HostRun run = RunHostWith(store, arguments);

  ASSERT_EQ(run.exit_code, 0u) << ::testing::PrintToString(Cut(run.lines, 200));
  EXPECT_EQ(Cut(run.Starting("item "), c.cut), Cut(c.popup, c.cut));
  EXPECT_EQ(Cut(run.Starting("help "), c.cut), Cut(c.help, c.cut));
  if (c.message_may_be_cut) {
    const std::vector<std::string> shown = run.Starting("message ");
    ASSERT_LE(shown.size(), c.messages.size());
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(c.messages[i].rfind(shown[i], 0), 0u) << shown[i].substr(0, 100);
    std::printf("message shown by Wine: %zu of %zu characters\n", shown.empty() ? 0 : shown[0].size() - 8,
                c.messages[0].size() - 8);
  } else {
    EXPECT_EQ(Cut(run.Starting("message "), c.cut), Cut(c.messages, c.cut));
  }
  for (const std::string& line : run.Starting("invoke ")) EXPECT_EQ(line, "invoke 0x00000000");
  EXPECT_FALSE(run.Starting("invoke ").empty());
  EXPECT_EQ(store.Snapshot(), before);
}

std::vector<HostileCase> Cases() {
  std::vector<HostileCase> cases;
  const std::pair<const char*, Value (*)(const std::string&)> types[] = {
      {"dword", &Dword}, {"binary", &Binary}, {"multi_string", &MultiString}};
  for (const auto& [type, make] : types) {
    // An alias of another type ends the list; the entry's path is still read by number.
    cases.push_back({std::string("alias_of_type_") + type, {make("N1")}, {"--help-text", "2", "--invoke", "2"},
                     Popup({"Fav0"}), {"help 2 Quick jump to " + kMissing + "1"}, {Missing(kMissing + "1")}});
    // A path of another type reads as none: no help path, the command simply ends.
    cases.push_back({std::string("path_of_type_") + type, {make("P1")}, {"--help-text", "2", "--invoke", "2"},
                     Popup({"Fav0", "Fav1", "Fav2"}), {"help 2 Quick jump to "}, {}});
  }
  const std::string long_alias(10000, 'a'), long_path = "C:\\" + std::string(9997, 'p');
  // The host reads menu texts into 1,024 characters; help texts are cut to --help-size.
  cases.push_back({"alias_of_10000_characters", {Text("N0", long_alias)}, {"--invoke", "1"},
                   Popup({long_alias, "Fav1", "Fav2"}), {}, {Missing(kMissing + "0")}, 200});
  cases.push_back({"path_of_10000_characters", {Text("P0", long_path)},
                   {"--help-text", "1", "--help-text-w", "1", "--help-size", "40", "--invoke", "1"},
                   Popup({"Fav0", "Fav1", "Fav2"}),
                   {"help 1 " + ("Quick jump to " + long_path).substr(0, 39),
                    "help 1 " + ("Quick jump to " + long_path).substr(0, 39)},
                   {Missing(long_path)}});
  const std::string huge_alias(kMegabyte, 'a'), huge_path = "C:\\" + std::string(kMegabyte, 'p');
  // Wine's message box shows about 17,000 characters of a longer text: compared in part.
  cases.push_back({"alias_of_1_megabyte", {Text("N0", huge_alias)}, {"--invoke", "1"},
                   Popup({huge_alias, "Fav1", "Fav2"}), {}, {Missing(kMissing + "0")}, 200});
  cases.push_back({"path_of_1_megabyte", {Text("P0", huge_path)},
                   {"--help-text", "1", "--help-size", "40", "--invoke", "1"}, Popup({"Fav0", "Fav1", "Fav2"}),
                   {"help 1 " + ("Quick jump to " + huge_path).substr(0, 39)}, {Missing(huge_path)}, 2000, true});
  // "Setting" names the manager that "Settings..." (offset 0) starts.
  cases.push_back({"setting_naming_no_program", {}, {"--invoke", "0"}, Popup({"Fav0", "Fav1", "Fav2"}), {},
                   {"message Failed to run " + kMissing + "Vantor.exe"}});
  cases.push_back({"setting_of_type_dword", {Dword("Setting")}, {"--invoke", "0"}, Popup({"Fav0", "Fav1", "Fav2"}), {},
                   {"message Please run the Vantor at least once."}});
  cases.push_back({"setting_of_1_megabyte", {Text("Setting", huge_path)}, {"--invoke", "0"},
                   Popup({"Fav0", "Fav1", "Fav2"}), {}, {"message Failed to run " + huge_path}, 2000, true});
  cases.push_back({"setting_of_300_characters", {Text("Setting", "C:\\" + std::string(297, 's'))}, {"--invoke", "0"},
                   Popup({"Fav0", "Fav1", "Fav2"}), {}, {"message Failed to run C:\\" + std::string(297, 's')}});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Values, HostileStoreTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// 5,000 favourites: the menu holds the 99 that fit its identifiers; the last one is
// still reached by its offset.
TEST(HostileStore, FiveThousandFavourites) {
  HostStore store;
  std::vector<std::string> aliases;
  for (int i = 0; i < 5000; ++i) {
    store.SetString("N" + std::to_string(i), "Fav" + std::to_string(i));
    store.SetString("P" + std::to_string(i), kMissing + std::to_string(i));
    if (i < 99) aliases.push_back("Fav" + std::to_string(i));
  }
  const StoreSnapshot before = store.Snapshot();
  HostRun run = RunHostWith(store, {"--first", "1", "--help-text", "5000", "--invoke", "5000"});
  ASSERT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_EQ(run.Starting("item "), Popup(aliases));
  EXPECT_EQ(run.Starting("help "), std::vector<std::string>{"help 5000 Quick jump to " + kMissing + "4999"});
  EXPECT_EQ(run.Starting("message "), std::vector<std::string>{Missing(kMissing + "4999")});
  EXPECT_TRUE(run.Has("invoke 0x00000000"));
  EXPECT_EQ(store.Snapshot(), before);
}

}  // namespace
}  // namespace vantor::testing
