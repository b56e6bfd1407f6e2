// The shell host end to end: it registers the built module, creates the handler
// through COM by its class id and prints what the handler did.
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "handler_fixture.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;

struct HostRun {
  DWORD exit_code = 0xFFFFFFFF;
  std::vector<std::string> lines;
};

HostRun RunHost(const std::string& arguments) {
  HostRun run;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return run;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process = {};
  std::string line = "\"" + BuiltHostPath() + "\" " + arguments;
  const BOOL started =
      CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  CloseHandle(write);
  if (!started) {
    CloseHandle(read);
    return run;
  }
  std::string output;
  std::thread reader([&] {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  });
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "the host did not end: " << arguments;
    TerminateProcess(process.hProcess, 0xDEAD);
    WaitForSingleObject(process.hProcess, 5000);
  }
  reader.join();
  CloseHandle(read);
  GetExitCodeProcess(process.hProcess, &run.exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string text = output.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    run.lines.push_back(text);
    start = end + 1;
  }
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
