// Per-user registration (DllInstall with "user", regsvr32 /n /i:user) in the real
// registry of the build's Wine prefix: the class and handler keys go only under
// HKEY_CURRENT_USER\Software\Classes, and unregistering takes away exactly those.
// (Wine does not merge that key into HKEY_CLASSES_ROOT, so the COM runtime cannot
// create the handler from a per-user registration here.)
#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "handler_fixture.h"
#include "registration_plan.h"
#include "registry_probe.h"

namespace vantor::testing {
namespace {

using shell::RegistryEntry;
using shell::RegistryRoot;
using Tree = std::map<std::string, std::string>;

constexpr const char* kProgId = "VTShellExt.KXContextMenu";
constexpr const char* kUserClasses = "Software\\Classes";

using InstallFn = HRESULT(STDAPICALLTYPE*)(BOOL, PCWSTR);

HRESULT Install(const LoadedServer& server, BOOL install, PCWSTR command_line) {
  auto entry = reinterpret_cast<InstallFn>(reinterpret_cast<void*>(GetProcAddress(server.module(), "DllInstall")));
  return entry ? entry(install, command_line) : E_NOTIMPL;
}

// What the machine-wide registration owns: the keys a per-user one must not touch.
Tree MachineState() {
  Tree state;
  for (const std::string& key : {std::string("CLSID\\") + shell::kHandlerClsid, std::string(kProgId),
                                std::string("*"), std::string("Directory"), std::string("Drive"),
                                std::string("Folder")})
    for (const auto& [path, values] : DumpTree(HKEY_LOCAL_MACHINE, std::string("Software\\Classes\\") + key))
      state[key + "\\" + path] = values;
  state["<approved>"] = ReadString(RegistryRoot::kLocalMachine, shell::kApprovedKey, shell::kHandlerClsid);
  return state;
}

Tree UserClasses() { return DumpTree(HKEY_CURRENT_USER, kUserClasses); }

class UserRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.module());
    // As on Windows, the user's classes key exists before anything registers there.
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kUserClasses, 0, nullptr, 0, KEY_READ, nullptr, user_classes_.put(),
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(Install(server_, FALSE, L"user"), S_OK);
    // No machine-wide registration, so that anything written there would show.
    ASSERT_EQ(server_.Unregister(), S_OK);
  }
  void TearDown() override {
    Install(server_, FALSE, L"user");
    server_.Register();  // leave the handler registered for the other tests of this prefix
  }

  struct KeyHolder {
    HKEY key = nullptr;
    ~KeyHolder() {
      if (key) RegCloseKey(key);
    }
    HKEY* put() { return &key; }
  };
  host::ComApartment com_;
  LoadedServer server_;
  KeyHolder user_classes_;
};

TEST_F(UserRegistrationTest, WritesEveryClassAndHandlerEntryUnderTheUsersClassesAndNothingMachineWide) {
  const Tree machine_before = MachineState();
  ASSERT_EQ(ReadString(RegistryRoot::kClassesRoot, std::string("CLSID\\") + shell::kHandlerClsid, ""), "<missing>");

  ASSERT_EQ(Install(server_, TRUE, L"UsEr"), S_OK);

  const auto entries = shell::RegistrationEntries(BuiltDllPath(), kProgId, true, RegistryRoot::kCurrentUserClasses);
  ASSERT_EQ(entries.size(), 21u);  // the 22 machine-wide ones less the approval
  for (const RegistryEntry& e : entries) {
    EXPECT_EQ(e.root, RegistryRoot::kCurrentUserClasses) << e.key;
    EXPECT_EQ(ReadString(e.root, e.key, e.value_name), e.data) << e.key << " [" << e.value_name << "]";
  }
  EXPECT_EQ(MachineState(), machine_before);
  EXPECT_EQ(ReadString(RegistryRoot::kLocalMachine, shell::kApprovedKey, shell::kHandlerClsid), "<missing>");
  EXPECT_FALSE(KeyExists(RegistryRoot::kClassesRoot, std::string("CLSID\\") + shell::kHandlerClsid));

  // Registering again writes the same again.
  ASSERT_EQ(Install(server_, TRUE, L"user"), S_OK);
  EXPECT_EQ(ReadString(RegistryRoot::kCurrentUserClasses,
                       std::string("CLSID\\") + shell::kHandlerClsid + "\\InprocServer32", ""),
            BuiltDllPath());
}

TEST_F(UserRegistrationTest, UnregisteringRemovesExactlyWhatItWroteAndKeepsWhatOthersHave) {
  const auto set = [](const std::string& key, const char* name, const std::string& data) {
    return RegSetKeyValueA(HKEY_CURRENT_USER, (std::string(kUserClasses) + "\\" + key).c_str(), name, REG_SZ,
                           data.c_str(), static_cast<DWORD>(data.size() + 1));
  };
  // Another handler beside ours, a value on a key we write too, another class.
  ASSERT_EQ(set("Folder\\ShellEx\\ContextMenuHandlers\\Other", nullptr, "{OTHER}"), ERROR_SUCCESS);
  ASSERT_EQ(set("Drive\\ShellEx", "Keep", "1"), ERROR_SUCCESS);
  ASSERT_EQ(set("CLSID\\{OTHER}", nullptr, "other"), ERROR_SUCCESS);
  const Tree before = UserClasses();
  const Tree machine_before = MachineState();

  ASSERT_EQ(Install(server_, TRUE, L"user"), S_OK);
  ASSERT_NE(UserClasses(), before);
  ASSERT_EQ(Install(server_, FALSE, L"USER"), S_OK);

  // The intermediate keys that others use stay, with the empty default value that the
  // registration gives them (as the machine-wide one does); nothing else differs.
  Tree expected = before;
  const std::string empty_default = "=1:" + std::string(1, '\0') + "\n";
  for (const char* kept : {"Folder\\ShellEx", "Folder\\ShellEx\\ContextMenuHandlers"}) expected[kept] = empty_default;
  expected["Drive\\ShellEx"] = empty_default + before.at("Drive\\ShellEx");
  EXPECT_EQ(UserClasses(), expected);
  EXPECT_EQ(MachineState(), machine_before);

  // Unregistering what is already gone is no error.
  EXPECT_EQ(Install(server_, FALSE, L"user"), S_OK);

  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Classes\\Folder\\ShellEx\\ContextMenuHandlers\\Other");
  RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Classes\\Drive\\ShellEx", "Keep");
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Classes\\CLSID\\{OTHER}");
  // With the others gone, nothing of ours is left in the user's classes.
  ASSERT_EQ(Install(server_, FALSE, L"user"), S_OK);
  EXPECT_EQ(UserClasses(), (Tree{{"", ""}}));
}

TEST_F(UserRegistrationTest, AnyOtherCommandLineIsRefusedAndWritesNothing) {
  const Tree user_before = UserClasses();
  const Tree machine_before = MachineState();
  const PCWSTR refused[] = {nullptr, L"", L"users", L"use", L" user", L"user ", L"machine", L"/user"};
  for (const PCWSTR command_line : refused)
    for (const BOOL install : {TRUE, FALSE})
      EXPECT_EQ(Install(server_, install, command_line), E_INVALIDARG)
          << (command_line ? "non-null" : "null") << " install=" << install;
  EXPECT_EQ(UserClasses(), user_before);
  EXPECT_EQ(MachineState(), machine_before);
}

TEST_F(UserRegistrationTest, Regsvr32RegistersAndUnregistersForTheCurrentUser) {
  const std::string dll = "\"" + BuiltDllPath() + "\"";
  const std::string server_key = std::string("CLSID\\") + shell::kHandlerClsid + "\\InprocServer32";
  const std::string handler_key = "Directory\\Background\\ShellEx\\ContextMenuHandlers\\VTShellExt";
  const Tree machine_before = MachineState();

  EXPECT_NE(RunAndWait("regsvr32.exe /s /n /i:machine " + dll), 0u);
  EXPECT_FALSE(KeyExists(RegistryRoot::kCurrentUserClasses, server_key));

  ASSERT_EQ(RunAndWait("regsvr32.exe /s /n /i:user " + dll), 0u);
  EXPECT_EQ(ReadString(RegistryRoot::kCurrentUserClasses, server_key, ""), BuiltDllPath());
  EXPECT_EQ(ReadString(RegistryRoot::kCurrentUserClasses, handler_key, ""), shell::kHandlerClsid);
  EXPECT_EQ(MachineState(), machine_before);

  ASSERT_EQ(RunAndWait("regsvr32.exe /s /u /n /i:user " + dll), 0u);
  EXPECT_FALSE(KeyExists(RegistryRoot::kCurrentUserClasses, std::string("CLSID\\") + shell::kHandlerClsid));
  EXPECT_FALSE(KeyExists(RegistryRoot::kCurrentUserClasses, handler_key));
  EXPECT_FALSE(KeyExists(RegistryRoot::kCurrentUserClasses, kProgId));
  EXPECT_EQ(MachineState(), machine_before);
}

// A hidden window registered for the shell's association-change notices (the only
// event it asks for), counting what arrives, posted or sent.
class AssociationChangeWatcher {
 public:
  AssociationChangeWatcher() {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = &AssociationChangeWatcher::Procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "VantorAssociationWatcher";
    RegisterClassA(&window_class);
    window_ = CreateWindowExA(0, window_class.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              window_class.hInstance, nullptr);
    SHChangeNotifyEntry everything = {nullptr, TRUE};
    registration_ = SHChangeNotifyRegister(window_, SHCNRF_ShellLevel | SHCNRF_InterruptLevel, SHCNE_ASSOCCHANGED,
                                           kMessage, 1, &everything);
  }
  ~AssociationChangeWatcher() {
    if (registration_) SHChangeNotifyDeregister(registration_);
    if (window_) DestroyWindow(window_);
  }
  AssociationChangeWatcher(const AssociationChangeWatcher&) = delete;
  AssociationChangeWatcher& operator=(const AssociationChangeWatcher&) = delete;

  bool ready() const { return window_ && registration_; }
  // The notices that arrived since the last call.
  int Take() {
    const DWORD until = GetTickCount() + 300;
    do {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      Sleep(10);
    } while (GetTickCount() < until);
    return std::exchange(received_, 0);
  }

 private:
  static constexpr UINT kMessage = WM_APP + 7;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kMessage) {
      ++received_;
      return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }
  static inline int received_ = 0;
  HWND window_ = nullptr;
  ULONG registration_ = 0;
};

TEST_F(UserRegistrationTest, EveryRegistrationThatSucceedsTellsTheShellAndARefusedOneDoesNot) {
  AssociationChangeWatcher watcher;
  ASSERT_TRUE(watcher.ready());
  watcher.Take();
  const struct {
    const char* what;
    std::function<HRESULT()> call;
    HRESULT result;
    int notices;
  } cases[] = {
      {"per-user register", [&] { return Install(server_, TRUE, L"user"); }, S_OK, 1},
      {"per-user unregister", [&] { return Install(server_, FALSE, L"user"); }, S_OK, 1},
      {"refused command line", [&] { return Install(server_, TRUE, L"all"); }, E_INVALIDARG, 0},
      {"register", [&] { return server_.Register(); }, S_OK, 1},
      {"unregister", [&] { return server_.Unregister(); }, S_OK, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.call(), c.result) << c.what;
    EXPECT_EQ(watcher.Take(), c.notices) << c.what;
  }
}

}  // namespace
}  // namespace vantor::testing
