// The same cases against the real adapters and the fakes the other tests use.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "fakes.h"
#include "message_box_watcher.h"
#include "system_info.h"
#include "test_windows.h"
#include "win_ports.h"

namespace vantor::shell::testing {
namespace {

struct StarterKind {
  const char* name;
  std::function<std::unique_ptr<ProgramStarter>()> make;
};

void PrintTo(const StarterKind& kind, std::ostream* out) { *out << kind.name; }

class ProgramStarterContract : public ::testing::TestWithParam<StarterKind> {};

TEST_P(ProgramStarterContract, MissingProgramGivesAResultOf32OrLess) {
  auto starter = GetParam().make();
  ProgramStart request;
  request.verb = "open";
  request.file = "C:\\no such folder\\missing-program.exe";
  request.show = SW_SHOW;
  EXPECT_LE(starter->Start(request), 32);
}

TEST_P(ProgramStarterContract, ExistingProgramGivesAResultAbove32) {
  auto starter = GetParam().make();
  ProgramStart request;
  request.verb = "open";
  request.file = vantor::WindowsDirectory() + "\\system32\\cmd.exe";
  request.parameters = "/c exit 0";
  request.directory = vantor::WindowsDirectory() + "\\";
  request.show = SW_SHOW;
  EXPECT_GT(starter->Start(request), 32);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ProgramStarterContract,
    ::testing::Values(StarterKind{"Real", [] { return std::make_unique<ShellProgramStarter>(); }},
                      StarterKind{"Fake", [] { return std::make_unique<RecordingProgramStarter>(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A message box port and a way to read back what it showed.
struct ObservedBoxes {
  virtual ~ObservedBoxes() = default;
  virtual MessageBoxes& port() = 0;
  virtual std::vector<std::string> ShownTexts() = 0;
};

struct RealBoxes final : ObservedBoxes {
  MessageBoxWatcher watcher;
  WinMessageBoxes boxes;
  MessageBoxes& port() override { return boxes; }
  std::vector<std::string> ShownTexts() override { return watcher.Texts(); }
};

struct FakeBoxes final : ObservedBoxes {
  RecordingMessageBoxes boxes;
  MessageBoxes& port() override { return boxes; }
  std::vector<std::string> ShownTexts() override { return boxes.texts; }
};

struct BoxesKind {
  const char* name;
  std::function<std::unique_ptr<ObservedBoxes>()> make;
};

void PrintTo(const BoxesKind& kind, std::ostream* out) { *out << kind.name; }

class MessageBoxesContract : public ::testing::TestWithParam<BoxesKind> {};

TEST_P(MessageBoxesContract, ShowReturnsWithTheTextShownOnce) {
  auto observed = GetParam().make();
  observed->port().Show("first text");
  observed->port().Show("\"C:\\x\" second text.");
  EXPECT_EQ(observed->ShownTexts(), (std::vector<std::string>{"first text", "\"C:\\x\" second text."}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxesContract,
                         ::testing::Values(BoxesKind{"Real", [] { return std::make_unique<RealBoxes>(); }},
                                           BoxesKind{"Fake", [] { return std::make_unique<FakeBoxes>(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RealMessageBoxes, AreOwnedByTheActiveWindowWithCaptionVantorAndOneButton) {
  TestWindow active(CreateActiveTopLevel("VantorOwnerTest"));
  ASSERT_EQ(GetActiveWindow(), active.get());
  MessageBoxWatcher watcher;
  WinMessageBoxes().Show("owned");
  auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "owned");
  EXPECT_EQ(seen[0].owner, active.get());
  EXPECT_TRUE(seen[0].has_one_button);
}

TEST(RealVersionSource, WineReportsASystemThatUsesTheShellBrowser) {
  WinVersionSource source;
  OsVersionRecord version = source.Query();
  EXPECT_EQ(version.platform_id, 2u);
  EXPECT_EQ(WindowsVersionClass(version), 10);
}

}  // namespace
}  // namespace vantor::shell::testing
