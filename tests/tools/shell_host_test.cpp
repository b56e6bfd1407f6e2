// The shell host end to end: it registers the built module, creates the handler
// through COM by its class id and prints what the handler did.
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "handler_fixture.h"
#include "host_run.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;

using vantor::testing::HostRun;

HostRun RunHost(const std::string& arguments) {
  HostRun run = vantor::testing::RunHost(arguments, std::string(), 30000);
  if (run.exit_code == 0xDEAD) ADD_FAILURE() << "the host did not end: " << arguments;
  return run;
}

// Each run keeps its store under a key of its own.
std::string StoreRoot() { return "Software\\VantorHostTest\\" + std::to_string(GetCurrentProcessId()); }

class ShellHostTest : public ::testing::Test {
 protected:
  ~ShellHostTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, StoreRoot().c_str()); }
};

TEST_F(ShellHostTest, RegistersCreatesThroughComAndPrintsTheBackgroundMenu) {
  HostRun run = RunHost("--register \"" + BuiltDllPath() + "\" --store-root " + StoreRoot() + " --first 1");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_THAT(run.lines, IsSupersetOf({"register 0x00000000", "create 0x00000000", "initialize 0x00000000",
                                       "query 0x00000064", "item sep", "item popup Vantor +bitmap",
                                       "item   2 Windows Directory +bitmap", "item   3 C:\\ +bitmap", "item   sep",
                                       "item   1 Settings..."}));
}

TEST_F(ShellHostTest, SelectionHelpTextsAndInvocationsAreReported) {
  TempDir dir;
  HostRun run = RunHost("--register \"" + BuiltDllPath() + "\" --store-root " + StoreRoot() + " --first 1 --select \"" +
                    dir.path() + "\" --help-text 3 --help-text-w 2 --help-size 5 --verb open --invoke 0");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_THAT(run.lines, IsSupersetOf({"dataobject 0x00000000", "item 3 Add to Vantor +bitmap", "help 3 Open",
                                       "help 2 Add ", "invoke 0x80070057", "invoke 0x00000000"}));
}

TEST_F(ShellHostTest, RunsInsideARealOpenDialogAndReportsItsFolder) {
  HostRun run = RunHost("--register \"" + BuiltDllPath() + "\" --store-root " + StoreRoot() + " --open-dialog --answer-messages --invoke 0");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_THAT(run.lines, Contains("query 0x00000064"));
  EXPECT_THAT(run.lines, Contains(HasSubstr("folder ")));
}

TEST_F(ShellHostTest, BadArgumentsAreRefused) {
  HostRun run = RunHost("--no-such-option");
  EXPECT_EQ(run.exit_code, 2u);
}

}  // namespace
}  // namespace vantor::testing
