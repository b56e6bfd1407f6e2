// "Add to Vantor", "Settings..." and opening a folder in a new window, against a
// throwaway key of the real registry, with the program start and message boxes watched.
#include <gtest/gtest.h>

#include "action_fixture.h"
#include "errors.h"
#include "add_folder.h"
#include "folder_window.h"
#include "program_start.h"
#include "temp_dir.h"

namespace vantor::shell::testing {
namespace {

using vantor::testing::TempDir;
using vantor::testing::WriteTextFile;

TEST(AddSelectedFolder, WritesTheFirstFreeIndexAndTellsTheUser) {
  TempDir dir;
  const std::string deep = dir.path();
  const std::string root = deep.substr(0, 3);  // "C:\"
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> before;
    std::string folder;
    std::vector<std::string> after;
  };
  const std::string alias = deep.substr(deep.rfind('\\') + 1);
  const Case cases[] = {
      {"empty key", {}, deep, {"N0=" + alias, "P0=" + deep}},
      {"drive root keeps its whole path", {}, root, {"N0=" + root, "P0=" + root}},
      {"gap filled, N overwritten",
       {{"N0", "a"}, {"P0", "A"}, {"N1", "b"}, {"P1", "B"}, {"N2", "stale"}, {"P2", ""}, {"N3", "d"}, {"P3", "D"}},
       deep,
       {"N0=a", "N1=b", "N2=" + alias, "N3=d", "P0=A", "P1=B", "P2=" + deep, "P3=D"}},
      {"alias ignored when looking for room", {{"N0", "x"}, {"P0", "X"}, {"N1", "y"}}, deep,
       {"N0=x", "N1=" + alias, "P0=X", "P1=" + deep}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ActionFixture fixture;
    if (!c.before.empty()) fixture.registry->CreateKey();
    for (const auto& [name, text] : c.before) fixture.registry->SetString(name, text);
    AddSelectedFolder(c.folder, fixture.env);
    EXPECT_EQ(fixture.registry->StringValues(), c.after);
    EXPECT_EQ(fixture.messages.texts,
              std::vector<std::string>{"\"" + c.folder + "\" successfully added to your folders list."});
  }
}

TEST(AddSelectedFolder, TwiceGivesTwoEntries) {
  TempDir dir;
  ActionFixture fixture;
  AddSelectedFolder(dir.path(), fixture.env);
  AddSelectedFolder(dir.path(), fixture.env);
  EXPECT_EQ(fixture.env.store.ReadValue("P1"), dir.path());
  EXPECT_EQ(fixture.messages.texts.size(), 2u);
}

TEST(AddSelectedFolder, AFolderThatIsGoneDoesNothing) {
  ActionFixture fixture;
  AddSelectedFolder("C:\\surely\\not\\here", fixture.env);
  EXPECT_FALSE(fixture.registry->KeyExists());
  EXPECT_TRUE(fixture.messages.texts.empty());
}

// A registry whose key cannot be opened at all, or opens but refuses every write.
class RefusingRegistry final : public Registry {
 public:
  explicit RefusingRegistry(bool opens) : opens_(opens) {}
  std::unique_ptr<RegistryKey> Open(const std::string&, OpenMode) override {
    return opens_ ? std::make_unique<RefusingKey>() : nullptr;
  }

 private:
  struct RefusingKey final : RegistryKey {
    std::optional<RegistryValue> Read(const std::string&) override { return std::nullopt; }
    bool WriteString(const std::string&, const std::string&) override { return false; }
    bool DeleteValue(const std::string&) override { return true; }
  };
  bool opens_;
};

TEST(AddSelectedFolder, AKeyThatCannotBeMadeAsksToRunTheManager) {
  TempDir dir;
  ActionFixture fixture;
  RefusingRegistry registry(false);
  ActionEnvironment env{FolderStore(registry, kStoreKeyPath), fixture.version_source, fixture.programs,
                        fixture.messages};
  AddSelectedFolder(dir.path(), env);
  EXPECT_EQ(fixture.messages.texts, std::vector<std::string>{"Please run the Vantor at least once."});
}

TEST(AddSelectedFolder, ARefusedWriteIsNotReportedAsSuccess) {
  TempDir dir;
  ActionFixture fixture;
  RefusingRegistry registry(true);
  ActionEnvironment env{FolderStore(registry, kStoreKeyPath), fixture.version_source, fixture.programs,
                        fixture.messages};
  AddSelectedFolder(dir.path(), env);
  EXPECT_TRUE(fixture.messages.texts.empty());
}

TEST(AddSelectedFolder, APathValueOfAnotherTypeIsNamedAndNothingIsWritten) {
  TempDir dir;
  ActionFixture fixture;
  fixture.registry->SetString("N0", "a");
  fixture.registry->SetString("P0", "A");
  fixture.registry->SetRaw("P1", RegistryValue{regtype::kDword, std::string("\1\0\0\0", 4)});
  AddSelectedFolder(dir.path(), fixture.env);
  EXPECT_EQ(fixture.registry->StringValues(), (std::vector<std::string>{"N0=a", "P0=A", "P1=\x1"}));
  EXPECT_EQ(fixture.messages.texts, std::vector<std::string>{"Invalid data type for 'P1'"});
}

TEST(StartManager, RunsTheProgramInSettingFromItsFolder) {
  ActionFixture fixture;
  fixture.registry->SetString("Setting", "C:\\windows\\system32\\cmd.exe");
  HWND owner = reinterpret_cast<HWND>(0x1234);
  StartManager(owner, "", fixture.env);
  ProgramStart expected{owner, "open", "C:\\windows\\system32\\cmd.exe", "", "C:\\windows\\system32\\", SW_SHOW};
  EXPECT_EQ(fixture.programs.starts, std::vector<ProgramStart>{expected});
  EXPECT_TRUE(fixture.messages.texts.empty());
}

TEST(StartManager, WithoutSettingAsksToRunTheManagerOnce) {
  for (bool key_exists : {false, true}) {
    ActionFixture fixture;
    if (key_exists) fixture.registry->SetString("Setting", "");
    StartManager(nullptr, "", fixture.env);
    EXPECT_TRUE(fixture.programs.starts.empty());
    EXPECT_EQ(fixture.messages.texts, std::vector<std::string>{"Please run the Vantor at least once."});
  }
}

TEST(StartManager, AProgramThatDoesNotStartIsReported) {
  ActionFixture fixture;
  fixture.registry->SetString("Setting", "C:\\moved away\\Vantor.exe");
  StartManager(nullptr, "", fixture.env);
  ASSERT_EQ(fixture.programs.starts.size(), 1u);
  EXPECT_EQ(fixture.programs.starts[0].directory, "C:\\moved away\\");
  EXPECT_EQ(fixture.messages.texts, std::vector<std::string>{"Failed to run C:\\moved away\\Vantor.exe"});
}

TEST(ProgramFolder, KeepsEverythingUpToTheLastBackslashOrColon) {
  EXPECT_EQ(ProgramFolder("C:\\a\\b\\Vantor.exe"), "C:\\a\\b\\");
  EXPECT_EQ(ProgramFolder("D:Vantor.exe"), "D:");
  EXPECT_EQ(ProgramFolder("Vantor.exe"), "");
}

TEST(ReadExploreFolderOption, ReadsTheOptionsFileBesideTheManagerAfreshEachTime) {
  TempDir dir;
  ActionFixture fixture;
  EXPECT_TRUE(ReadExploreFolderOption(fixture.env.store)) << "no key";
  fixture.registry->SetString("Setting", "");
  EXPECT_TRUE(ReadExploreFolderOption(fixture.env.store)) << "empty Setting";
  fixture.registry->SetString("Setting", dir.File("Vantor.exe"));
  EXPECT_TRUE(ReadExploreFolderOption(fixture.env.store)) << "no options file";
  struct Case {
    const char* content;
    bool expected;
  };
  const Case cases[] = {{"[Options]\r\nExploreFolder=0\r\n", false}, {"[Options]\r\nExploreFolder=1\r\n", true},
                        {"[Options]\r\nexplorefolder = 0\r\n", false}, {"[Options]\r\nAskDelete=0\r\n", true},
                        {"[Other]\r\nExploreFolder=0\r\n", true},      {"[Options]\r\nExploreFolder=7\r\n", true}};
  for (const Case& c : cases) {
    WriteTextFile(dir.File("options.ini"), c.content);
    EXPECT_EQ(ReadExploreFolderOption(fixture.env.store), c.expected) << c.content;
  }
}

TEST(ReadExploreFolderOption, ASettingOfAnotherTypeCountsAsTrue) {
  ActionFixture fixture;
  fixture.registry->SetRaw("Setting", RegistryValue{regtype::kDword, std::string("\0\0\0\0", 4)});
  EXPECT_TRUE(ReadExploreFolderOption(fixture.env.store));
}

TEST(OpenFolderWindow, UsesTheVerbTheOptionSelects) {
  TempDir dir;
  for (bool explore : {true, false}) {
    ActionFixture fixture;
    fixture.registry->SetString("Setting", dir.File("Vantor.exe"));
    WriteTextFile(dir.File("options.ini"), std::string("[Options]\r\nExploreFolder=") + (explore ? "1" : "0"));
    OpenFolderWindow("C:\\windows", fixture.env);
    ProgramStart expected{nullptr, explore ? "Explore" : "open", "C:\\windows", "", "", SW_SHOWDEFAULT};
    EXPECT_EQ(fixture.programs.starts, std::vector<ProgramStart>{expected});
  }
}

}  // namespace
}  // namespace vantor::shell::testing
