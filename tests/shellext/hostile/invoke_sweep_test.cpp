// Every command offset 0..65535 invoked on the real handler (registered module,
// created through COM by the shell host) in each situation a menu is opened in.
// The store's favourites point at folders that do not exist and "Setting" at a
// program that does not exist, so every command that would jump or start the
// manager shows its message instead; the host answers them and names the offset.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host_store.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

using Effects = std::map<long, std::vector<std::string>>;  // offset -> messages shown

Effects SweepEffects(const HostRun& run) {
  Effects effects;
  for (const std::string& line : run.Starting("sweep ")) {
    const std::size_t offset_end = line.find(' ', 6);
    if (offset_end == std::string::npos || line.compare(offset_end, 9, " message ") != 0) continue;
    effects[std::stol(line.substr(6, offset_end - 6))].push_back(line.substr(offset_end + 9));
  }
  return effects;
}

enum class Situation { kBackground, kDesktop, kOpenDialog, kOneFolder, kSeveralItems };

struct SweepCase {
  const char* name;
  Situation situation;
  long settings;        // offset of "Settings..."
  long first_favourite; // offset of favourite 0
};
void PrintTo(const SweepCase& c, std::ostream* out) { *out << c.name; }

class InvokeSweepTest : public ::testing::TestWithParam<SweepCase> {
 protected:
  void SetUp() override {
    store_.SetString("N0", "gone0");
    store_.SetString("P0", kMissing + "0");
    store_.SetString("N1", "gone1");
    store_.SetString("P1", kMissing + "1");
    store_.SetString("N2", "gap");
    store_.SetString("P2", "");
    store_.SetString("N3", "gone3");
    store_.SetString("P3", kMissing + "3");
    store_.SetString("Setting", kMissing + "Vantor.exe");
  }
  const std::string kMissing = "C:\\no such folder\\";
  HostStore store_;
  TempDir start_;
};

TEST_P(InvokeSweepTest, EveryOffsetReturnsAndExactlyTheItemsActOnce) {
  const SweepCase& c = GetParam();
  TempDir items;
  const std::string folder = items.File("picked");
  CreateDirectoryA(folder.c_str(), nullptr);
  WriteTextFile(items.File("a.txt"), "a");
  WriteTextFile(items.File("b.txt"), "b");
  std::vector<std::string> arguments{"--sweep"};
  switch (c.situation) {
    case Situation::kBackground: break;
    case Situation::kDesktop: arguments.insert(arguments.end(), {"--window-class", "Progman"}); break;
    case Situation::kOpenDialog: arguments.push_back("--open-dialog"); break;
    case Situation::kOneFolder: arguments.insert(arguments.end(), {"--select", folder}); break;
    case Situation::kSeveralItems:
      arguments.insert(arguments.end(), {"--select", items.File("a.txt"), "--select", items.File("b.txt")});
      break;
  }
  const StoreSnapshot before = store_.Snapshot();
  HostRun run = RunHostWith(store_, arguments, start_.path());

  ASSERT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("sweep results 0x00000000=65536")) << ::testing::PrintToString(run);
  Effects expected{
      {c.settings, {"Failed to run " + kMissing + "Vantor.exe"}},
      {c.first_favourite, {"\"" + kMissing + "0\" does not exist."}},
      {c.first_favourite + 1, {"\"" + kMissing + "1\" does not exist."}},
      // favourite 2 has an empty path: nothing happens
      {c.first_favourite + 3, {"\"" + kMissing + "3\" does not exist."}},
  };
  StoreSnapshot after_expected = before;
  if (c.situation == Situation::kOneFolder) {
    // Add to Vantor fills the gap at 2 (offsets run downwards: the favourites were
    // invoked before the folder was added).
    expected[2] = {"\"" + folder + "\" successfully added to your folders list."};
    after_expected["N2"] = StoredValue{REG_SZ, std::string("picked") + '\0'};
    after_expected["P2"] = StoredValue{REG_SZ, folder + '\0'};
  }
  EXPECT_EQ(SweepEffects(run), expected) << ::testing::PrintToString(run);
  EXPECT_EQ(store_.Snapshot(), after_expected);
  if (c.situation == Situation::kOpenDialog) {
    EXPECT_TRUE(run.Has("folder " + start_.path())) << ::testing::PrintToString(run);
  }
  for (const std::string& line : run.Starting("sweep ms ")) std::printf("%s\n", line.c_str());
}

INSTANTIATE_TEST_SUITE_P(Situations, InvokeSweepTest,
                         ::testing::Values(SweepCase{"background", Situation::kBackground, 0, 1},
                                           SweepCase{"desktop", Situation::kDesktop, 0, 1},
                                           SweepCase{"open_dialog", Situation::kOpenDialog, 0, 1},
                                           SweepCase{"one_folder", Situation::kOneFolder, 3, 4},
                                           SweepCase{"several_items", Situation::kSeveralItems, 1, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantor::testing
