#include "registration_plan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vantor::shell {
namespace {

constexpr const char* kClsid = "{3FF0AAD4-EF61-4409-B47C-62CD81A6D902}";
const std::string kClassKey = std::string("CLSID\\") + kClsid;

TEST(RegistrationPlan, ProgIdIsTheFileNameWithoutExtensionAndTheClassName) {
  EXPECT_EQ(ProgIdFromModulePath("C:\\Program Files\\Vantor\\VTShellExt.dll"), "VTShellExt.KXContextMenu");
  EXPECT_EQ(ProgIdFromModulePath("C:\\x\\my.ext.dll"), "my.ext.KXContextMenu");
  EXPECT_EQ(ProgIdFromModulePath("Plain"), "Plain.KXContextMenu");
}

TEST(RegistrationPlan, TwentyTwoEntriesInOrder) {
  const RegistryRoot cr = RegistryRoot::kClassesRoot;
  const std::vector<RegistryEntry> expected = {
      {cr, kClassKey, "", ""},
      {cr, kClassKey + "\\InprocServer32", "", "C:\\PROGRA~1\\VTShellExt.dll"},
      {cr, kClassKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {cr, "VTShellExt.KXContextMenu", "", ""},
      {cr, "VTShellExt.KXContextMenu\\Clsid", "", kClsid},
      {cr, kClassKey + "\\ProgID", "", "VTShellExt.KXContextMenu"},
      {cr, "*\\shellex", "", ""},
      {cr, "*\\shellex\\ContextMenuHandlers", "", ""},
      {cr, "*\\shellex\\ContextMenuHandlers\\VTShellExt", "", kClsid},
      {cr, "Directory\\Background\\ShellEx", "", ""},
      {cr, "Directory\\Background\\ShellEx\\ContextMenuHandlers", "", ""},
      {cr, "Directory\\Background\\ShellEx\\ContextMenuHandlers\\VTShellExt", "", kClsid},
      {cr, "Directory\\ShellEx", "", ""},
      {cr, "Directory\\ShellEx\\ContextMenuHandlers", "", ""},
      {cr, "Directory\\ShellEx\\ContextMenuHandlers\\VTShellExt", "", kClsid},
      {cr, "Drive\\ShellEx", "", ""},
      {cr, "Drive\\ShellEx\\ContextMenuHandlers", "", ""},
      {cr, "Drive\\ShellEx\\ContextMenuHandlers\\VTShellExt", "", kClsid},
      {cr, "Folder\\ShellEx", "", ""},
      {cr, "Folder\\ShellEx\\ContextMenuHandlers", "", ""},
      {cr, "Folder\\ShellEx\\ContextMenuHandlers\\VTShellExt", "", kClsid},
      {RegistryRoot::kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved", kClsid,
       "KXContextMenu"},
  };
  EXPECT_EQ(RegistrationEntries("C:\\PROGRA~1\\VTShellExt.dll", "VTShellExt.KXContextMenu", true), expected);
  const auto without_approval = RegistrationEntries("C:\\PROGRA~1\\VTShellExt.dll", "VTShellExt.KXContextMenu", false);
  EXPECT_EQ(without_approval, std::vector<RegistryEntry>(expected.begin(), expected.end() - 1));
}

TEST(RegistrationPlan, UnregistrationRemovesClassThenHandlersThenApproval) {
  const RegistryRoot cr = RegistryRoot::kClassesRoot;
  const std::vector<RegistryRemoval> expected = {
      {cr, kClassKey + "\\ProgID", ""},
      {cr, "P.KXContextMenu\\Clsid", ""},
      {cr, "P.KXContextMenu", ""},
      {cr, kClassKey + "\\InprocServer32", ""},
      {cr, kClassKey, ""},
      {cr, "*\\shellex\\ContextMenuHandlers\\VTShellExt", ""},
      {cr, "Directory\\Background\\ShellEx\\ContextMenuHandlers\\VTShellExt", ""},
      {cr, "Directory\\ShellEx\\ContextMenuHandlers\\VTShellExt", ""},
      {cr, "Drive\\ShellEx\\ContextMenuHandlers\\VTShellExt", ""},
      {cr, "Folder\\ShellEx\\ContextMenuHandlers\\VTShellExt", ""},
      {RegistryRoot::kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved", kClsid},
  };
  EXPECT_EQ(UnregistrationSteps("P.KXContextMenu"), expected);
}

// Records what is written and refuses the write numbered `refuse_at` (1-based).
class RecordingWriter final : public RegistryWriter {
 public:
  explicit RecordingWriter(std::size_t refuse_at) : refuse_at_(refuse_at) {}
  bool SetString(const RegistryEntry& entry) override {
    if (++attempts_ == refuse_at_) return false;
    written.push_back(entry);
    return true;
  }
  void Remove(const RegistryRemoval& removal) override { removed.push_back(removal); }
  std::vector<RegistryEntry> written;
  std::vector<RegistryRemoval> removed;

 private:
  std::size_t refuse_at_;
  std::size_t attempts_ = 0;
};

TEST(RegistrationPlan, ARefusedEntryStopsRegistrationWithTheEarlierOnesKept) {
  const auto entries = RegistrationEntries("C:\\V.dll", "V.KXContextMenu", true);
  for (std::size_t refuse : {std::size_t{1}, std::size_t{9}, std::size_t{22}}) {
    RecordingWriter writer(refuse);
    EXPECT_FALSE(ApplyRegistration(entries, writer));
    EXPECT_EQ(writer.written, std::vector<RegistryEntry>(entries.begin(), entries.begin() + (refuse - 1)));
  }
  RecordingWriter all(0);
  EXPECT_TRUE(ApplyRegistration(entries, all));
  EXPECT_EQ(all.written, entries);
}

TEST(RegistrationPlan, PerUserEntriesAreTheClassAndHandlerEntriesUnderTheUsersClassesWithoutApproval) {
  const auto machine = RegistrationEntries("C:\\V.dll", "V.KXContextMenu", true);
  for (const bool nt : {true, false}) {
    const auto user = RegistrationEntries("C:\\V.dll", "V.KXContextMenu", nt, RegistryRoot::kCurrentUserClasses);
    ASSERT_EQ(user.size(), machine.size() - 1);
    for (std::size_t i = 0; i < user.size(); ++i) {
      RegistryEntry expected = machine[i];
      expected.root = RegistryRoot::kCurrentUserClasses;
      EXPECT_EQ(user[i], expected) << i;
    }
  }
}

TEST(RegistrationPlan, PerUserUnregistrationRemovesTheSameKeysThenWhatIsLeftEmptyAndNoApproval) {
  const RegistryRoot cu = RegistryRoot::kCurrentUserClasses;
  const auto machine = UnregistrationSteps("P.KXContextMenu");
  const auto user = UnregistrationSteps("P.KXContextMenu", cu);
  ASSERT_GT(user.size(), machine.size() - 1);
  for (std::size_t i = 0; i + 1 < machine.size(); ++i) {
    RegistryRemoval expected = machine[i];
    expected.root = cu;
    EXPECT_EQ(user[i], expected) << i;
  }
  const std::vector<RegistryRemoval> pruned(user.begin() + (machine.size() - 1), user.end());
  for (const RegistryRemoval& step : pruned) {
    EXPECT_EQ(step.root, cu) << step.key;
    EXPECT_TRUE(step.only_if_empty) << step.key;
    EXPECT_TRUE(step.value_name.empty()) << step.key;
  }
  // Every key on the way to a handler key is offered for removal, children before parents.
  auto position = [&](const std::string& key) {
    for (std::size_t i = 0; i < pruned.size(); ++i)
      if (pruned[i].key == key) return static_cast<int>(i);
    return -1;
  };
  EXPECT_GE(position("CLSID"), 0);
  for (const char* chain : {"*\\shellex", "Directory\\Background\\ShellEx", "Directory\\ShellEx", "Drive\\ShellEx",
                            "Folder\\ShellEx"}) {
    std::string key = std::string(chain) + "\\ContextMenuHandlers";
    int previous = -1;
    for (;;) {
      const int at = position(key);
      EXPECT_GT(at, previous) << key;
      previous = at;
      const std::size_t cut = key.rfind('\\');
      if (cut == std::string::npos) break;
      key.erase(cut);
    }
  }
}

TEST(RegistrationPlan, PerUserCommandLineIsUserInAnyCase) {
  for (const wchar_t* accepted : {L"user", L"USER", L"User", L"uSeR"}) EXPECT_TRUE(IsPerUserCommandLine(accepted));
  for (const wchar_t* refused : {static_cast<const wchar_t*>(nullptr), L"", L"use", L"users", L" user", L"user ",
                                 L"/user", L"machine", L"u\u00DFer"})
    EXPECT_FALSE(IsPerUserCommandLine(refused)) << (refused ? "non-null" : "null");
}

}  // namespace
}  // namespace vantor::shell
