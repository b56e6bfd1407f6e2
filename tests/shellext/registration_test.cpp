// Registration and unregistration in the real registry of the build's Wine prefix,
// through DllRegisterServer/DllUnregisterServer, regsvr32 and the COM runtime.
#include <windows.h>

#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "handler_fixture.h"
#include "registration_plan.h"
#include "registry_probe.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

using shell::RegistryEntry;
using shell::RegistryRemoval;
using shell::RegistryRoot;

void ExpectRegistered(const std::vector<RegistryEntry>& entries) {
  for (const RegistryEntry& e : entries)
    EXPECT_EQ(ReadString(e.root, e.key, e.value_name), e.data) << e.key << " [" << e.value_name << "]";
}

// Copies the built module under another folder and name (e.g. a path with a blank).
class ModuleCopy {
 public:
  ModuleCopy(const TempDir& dir, const std::string& folder, const std::string& name) {
    folder_ = dir.path() + "\\" + folder;
    CreateDirectoryA(folder_.c_str(), nullptr);
    path_ = folder_ + "\\" + name;
    EXPECT_TRUE(CopyFileA(BuiltDllPath().c_str(), path_.c_str(), FALSE)) << path_;
  }
  const std::string& path() const { return path_; }

 private:
  std::string folder_, path_;
};

class RegistrationTest : public ::testing::Test {
 protected:
  void TearDown() override {
    LoadedServer server;
    server.Register();  // leave the handler registered for the other tests of this prefix
  }
  host::ComApartment com_;
};

TEST_F(RegistrationTest, WritesTheTwentyTwoEntriesAndUnregisteringRemovesExactlyItsOwn) {
  LoadedServer server;
  ASSERT_EQ(server.Unregister(), S_OK);
  ASSERT_EQ(server.Register(), S_OK);
  const std::string path = BuiltDllPath();
  const auto entries = shell::RegistrationEntries(path, "VTShellExt.KXContextMenu", true);
  ASSERT_EQ(entries.size(), 22u);
  ExpectRegistered(entries);
  EXPECT_EQ(ReadString(RegistryRoot::kClassesRoot, "CLSID\\{3FF0AAD4-EF61-4409-B47C-62CD81A6D902}\\InprocServer32", ""),
            path);
  EXPECT_EQ(ReadString(RegistryRoot::kLocalMachine, shell::kApprovedKey, shell::kHandlerClsid), "KXContextMenu");

  // Another approved extension must survive our unregistration.
  ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, shell::kApprovedKey, "{OTHER}", REG_SZ, "x", 2), ERROR_SUCCESS);
  ASSERT_EQ(server.Unregister(), S_OK);
  for (const RegistryRemoval& r : shell::UnregistrationSteps("VTShellExt.KXContextMenu")) {
    if (r.value_name.empty())
      EXPECT_FALSE(KeyExists(r.root, r.key)) << r.key;
    else
      EXPECT_EQ(ReadString(r.root, r.key, r.value_name), "<missing>") << r.key;
  }
  for (const char* kept : {"*\\shellex", "*\\shellex\\ContextMenuHandlers", "Directory\\Background\\ShellEx",
                           "Directory\\ShellEx\\ContextMenuHandlers", "Drive\\ShellEx\\ContextMenuHandlers",
                           "Folder\\ShellEx\\ContextMenuHandlers"})
    EXPECT_TRUE(KeyExists(RegistryRoot::kClassesRoot, kept)) << kept;
  EXPECT_EQ(ReadString(RegistryRoot::kLocalMachine, shell::kApprovedKey, "{OTHER}"), "x");
  RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, shell::kApprovedKey, "{OTHER}");
}

TEST_F(RegistrationTest, UnregisteringTwiceIgnoresWhatIsAlreadyGone) {
  LoadedServer server;
  EXPECT_EQ(server.Unregister(), S_OK);
  EXPECT_EQ(server.Unregister(), S_OK);
}

TEST_F(RegistrationTest, PathWithABlankIsRecordedInShortFormAndTheProgIdFollowsTheFileName) {
  TempDir dir;
  ModuleCopy copy(dir, "with blank", "Other Name.dll");
  char short_path[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA(copy.path().c_str(), short_path, MAX_PATH), 0u);
  ASSERT_EQ(std::string(short_path).find(' '), std::string::npos);
  {
    LoadedServer server(copy.path());
    ASSERT_TRUE(server.module());
    ASSERT_EQ(server.Register(), S_OK);
    ExpectRegistered(shell::RegistrationEntries(short_path, "Other Name.KXContextMenu", true));
    ASSERT_EQ(server.Unregister(), S_OK);
    EXPECT_FALSE(KeyExists(RegistryRoot::kClassesRoot, "Other Name.KXContextMenu"));
  }
}

TEST_F(RegistrationTest, Regsvr32RegistersAndUnregistersAndComCreatesTheHandler) {
  const std::string handler_key = "Directory\\Background\\ShellEx\\ContextMenuHandlers\\VTShellExt";
  ASSERT_EQ(RunAndWait("regsvr32.exe /s /u \"" + BuiltDllPath() + "\""), 0u);
  EXPECT_FALSE(KeyExists(RegistryRoot::kClassesRoot, handler_key));
  ASSERT_EQ(RunAndWait("regsvr32.exe /s \"" + BuiltDllPath() + "\""), 0u);
  EXPECT_EQ(ReadString(RegistryRoot::kClassesRoot, handler_key, ""), shell::kHandlerClsid);

  ComPtr<IContextMenu> handler;
  ASSERT_EQ(host::CreateHandler(kHandlerClsid, handler), S_OK);
  ComPtr<IShellExtInit> init;
  EXPECT_EQ(handler.As(&init), S_OK);
}

}  // namespace
}  // namespace vantor::testing
