// The commands end to end: the built VTShellExt.dll is registered in this Wine
// prefix and driven by the shell host (vtshellhost.exe) in a process of its own,
// as the shell drives it: created through COM, initialised, menu built, command
// invoked by its offset. The host's store is a throwaway key.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>

#include "handler_fixture.h"
#include "host_run.h"
#include "temp_dir.h"

namespace vantor::shell::testing {
namespace {

using vantor::testing::BuiltDllPath;
using vantor::testing::BuiltHostPath;
using vantor::testing::TempDir;

using vantor::testing::HostRun;

// Each argument quoted, as the host's command line.
HostRun RunHost(const std::vector<std::string>& arguments, const std::string& directory) {
  std::string line;
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  return vantor::testing::RunHost(line, directory);
}

// The host's HKEY_CURRENT_USER is redirected to this key; the store lies below it.
class HostStore {
 public:
  HostStore() {
    static std::atomic<int> counter{0};
    root_ = "Software\\VantorActionsTest\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    store_ = root_ + "\\Software\\Vantor";
  }
  ~HostStore() { RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str()); RegDeleteKeyA(HKEY_CURRENT_USER, root_.c_str()); }
  HostStore(const HostStore&) = delete;
  HostStore& operator=(const HostStore&) = delete;

  const std::string& root() const { return root_; }
  void SetString(const std::string& name, const std::string& text) {
    RegSetKeyValueA(HKEY_CURRENT_USER, store_.c_str(), name.c_str(), REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1));
  }
  void SetDword(const std::string& name, DWORD value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, store_.c_str(), name.c_str(), REG_DWORD, &value, sizeof value);
  }
  std::string GetString(const std::string& name) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, store_.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size))
      return std::string();
    return buffer;
  }

 private:
  std::string root_;
  std::string store_;
};

class HostInvokeTest : public ::testing::Test {
 protected:
  std::vector<std::string> Arguments(std::vector<std::string> more) {
    std::vector<std::string> arguments{"--register", BuiltDllPath(), "--store-root", store_.root(),
                                       "--answer-messages"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
  }
  HostStore store_;
  TempDir start_;   // where the host and its Open dialog start
  TempDir target_;  // the favourite
};

TEST_F(HostInvokeTest, OpenDialogMovesToTheFavouriteFromABackgroundMenu) {
  store_.SetString("N0", "start");
  store_.SetString("P0", start_.path());
  store_.SetString("N1", "target");
  store_.SetString("P1", target_.path());
  HostRun run = RunHost(Arguments({"--open-dialog", "--invoke", "2"}), start_.path());
  EXPECT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("invoke 0x00000000")) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("folder " + target_.path())) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Starting("message ").empty()) << ::testing::PrintToString(run);
}

TEST_F(HostInvokeTest, OpenDialogMovesToTheFavouriteFromASeveralItemsMenu) {
  TempDir items;
  vantor::testing::WriteTextFile(items.File("a.txt"), "a");
  vantor::testing::WriteTextFile(items.File("b.txt"), "b");
  store_.SetString("N0", "target");
  store_.SetString("P0", target_.path());
  // Several items: "Settings..." at 1, favourite 0 at 2.
  HostRun run = RunHost(Arguments({"--open-dialog", "--select", items.File("a.txt"), "--select", items.File("b.txt"),
                                   "--invoke", "2"}),
                        start_.path());
  EXPECT_TRUE(run.Has("invoke 0x00000000")) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("folder " + target_.path())) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Starting("message ").empty()) << ::testing::PrintToString(run);
}

TEST_F(HostInvokeTest, AddToVantorAppendsTheFolderAndSaysSo) {
  store_.SetString("N0", "start");
  store_.SetString("P0", start_.path());
  HostRun run = RunHost(Arguments({"--select", target_.path(), "--invoke", "2"}), start_.path());
  EXPECT_TRUE(run.Has("invoke 0x00000000")) << ::testing::PrintToString(run);
  EXPECT_EQ(run.Starting("message "),
            std::vector<std::string>{"message \"" + target_.path() + "\" successfully added to your folders list."});
  EXPECT_EQ(store_.GetString("P1"), target_.path());
  EXPECT_EQ(store_.GetString("N1"), target_.path().substr(target_.path().rfind('\\') + 1));
}

TEST_F(HostInvokeTest, SettingsWithoutTheManagerPathAsksToRunItOnce) {
  store_.SetString("N0", "start");
  store_.SetString("P0", start_.path());
  HostRun run = RunHost(Arguments({"--invoke", "0"}), start_.path());
  EXPECT_TRUE(run.Has("invoke 0x00000000")) << ::testing::PrintToString(run);
  EXPECT_EQ(run.Starting("message "), std::vector<std::string>{"message Please run the Vantor at least once."});
}

TEST_F(HostInvokeTest, AMissingFavouriteFolderIsReportedAndAValueOfAnotherTypeIsNoCrash) {
  store_.SetString("N0", "gone");
  store_.SetString("P0", "C:\\gone for good");
  store_.SetString("N1", "odd");
  store_.SetDword("P1", 7);
  HostRun run = RunHost(Arguments({"--open-dialog", "--invoke", "1", "--invoke", "2"}), start_.path());
  EXPECT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_EQ(run.Starting("invoke "), (std::vector<std::string>{"invoke 0x00000000", "invoke 0x00000000"}))
      << ::testing::PrintToString(run);
  EXPECT_EQ(run.Starting("message "), std::vector<std::string>{"message \"C:\\gone for good\" does not exist."});
  EXPECT_TRUE(run.Has("folder " + start_.path())) << ::testing::PrintToString(run);
}

}  // namespace
}  // namespace vantor::shell::testing
