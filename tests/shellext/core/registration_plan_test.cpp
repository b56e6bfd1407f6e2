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

}  // namespace
}  // namespace vantor::shell
