// Several writers of one store at the same moment: shell hosts in processes of
// their own, each doing "Add to Vantor" on its own folder through the built
// VTShellExt.dll, while the main window in this process adds entries and sorts
// through its toolbar. Afterwards every entry anyone added is in the store exactly
// once (a host adds its folder several times in a row: that many times) and the list
// has no gap. Without the store lock this loses entries in about 6 rounds of 10. The hosts reach the store through a redirected
// HKEY_CURRENT_USER (--store-root), the window by the same key's path from the real
// one: both must meet at the one lock of that key.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "handler_fixture.h"
#include "host_run.h"
#include "main_form.h"
#include "path_rules.h"
#include "system_info.h"
#include "temp_dir.h"
#include "ui_driver.h"
#include "win_registry.h"

namespace vantor::testing {
namespace {

constexpr int kRounds = 3;
constexpr int kHosts = 7;
constexpr int kAddsPerHost = 8;  // one after the other, so that the hosts' adds overlap
constexpr std::size_t kSeedEntries = 100;  // each Add reads this many paths first: a wide window

// One shell host doing "Add to Vantor" on `folder` kAddsPerHost times, started and
// left to run; what it printed goes to a file (see host_run.cpp for why not a pipe).
class AddingHost {
 public:
  AddingHost(const std::string& store_root, const std::string& folder) {
    output_path_ = output_dir_.File("host-output.txt");
    std::string line = "\"" + BuiltHostPath() + "\" --store-root \"" + store_root +
                       "\" --answer-messages --select \"" + folder + "\"";
    for (int i = 0; i < kAddsPerHost; ++i) line += " --invoke 2";
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE output = CreateFileA(output_path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
      CloseHandle(info.hThread);
      process_ = info.hProcess;
    }
    CloseHandle(output);
  }
  ~AddingHost() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) TerminateProcess(process_, 0xDEAD);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
  AddingHost(const AddingHost&) = delete;
  AddingHost& operator=(const AddingHost&) = delete;

  bool started() const { return process_ != nullptr; }
  bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
  DWORD ExitCode() const {
    DWORD code = 0xFFFFFFFF;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
  }
  std::string Output() const { return ReadTextFile(output_path_); }

 private:
  TempDir output_dir_;
  std::string output_path_;
  HANDLE process_ = nullptr;
};

class ConcurrentWritersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::size_t i = 0; i < kSeedEntries; ++i) {
      store_.WriteStoreValue(AliasValueName(i), "seed " + std::to_string(i));
      store_.WriteStoreValue(PathValueName(i), "C:\\seed\\" + std::to_string(i));
    }
    const HostRun registration = RunHost("--register \"" + BuiltDllPath() + "\" --no-session");
    ASSERT_TRUE(registration.Has("register 0x00000000")) << ::testing::PrintToString(registration);
    WriteTextFile(dir_.File("options.ini"), "[Options]\r\nShowTips=0\r\n");
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, root_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VantorRaceTest");
  }

  std::unique_ptr<TfrmMain> OpenManager() {
    MainFormSetup setup;
    setup.store = &store_;
    setup.executable_path = dir_.File("Vantor.exe");
    setup.window_class = "Vantor Race Main";
    setup.windows_directory = WindowsDirectory;
    setup.open_address = [](HWND, const std::string&) {};
    setup.edit_entry = [this](ui::Form&, FolderEntry& entry) {
      entry = next_manager_entry_;
      return true;
    };
    auto form = std::make_unique<TfrmMain>(std::move(setup));
    Pump(30);
    return form;
  }
  static void ClickButton(TfrmMain& form, const char* name) {
    ui::SkinToolBar& bar = form.toolbar();
    form.UpdateActions();
    ClickAt(bar.handle(), Centre(bar.ButtonRect(bar.IndexOf(name))));
    Pump(0);
  }
  // Every value of the key by count: the list's pairs and "Setting" and nothing else.
  DWORD ValueCount() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, store_.key_path().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return values;
  }
  using Tally = std::map<std::pair<std::string, std::string>, int>;
  // "<alias> | <path> stored N times, added M times" for every entry whose count in
  // the store differs from the number of times it was added.
  static std::vector<std::string> Miscounted(const FolderList& stored, const Tally& added) {
    Tally count;
    for (const auto& [entry, times] : added) count[entry] += 0;
    for (const FolderEntry& entry : stored) ++count[{entry.alias, entry.path}];
    std::vector<std::string> wrong;
    for (const auto& [entry, times] : count) {
      const auto it = added.find(entry);
      const int wanted = it == added.end() ? 0 : it->second;
      if (times != wanted)
        wrong.push_back(entry.first + " | " + entry.second + " stored " + std::to_string(times) + " times, added " +
                        std::to_string(wanted) + " times");
    }
    return wrong;
  }

  // Below HKEY_CURRENT_USER; the hosts take it as theirs, the window's store is in it.
  std::string root_ = "Software\\VantorRaceTest\\" + std::to_string(std::random_device{}());
  WinRegistry registry_;
  FolderStore store_{registry_, root_ + "\\Software\\Vantor"};
  TempDir dir_;
  FolderEntry next_manager_entry_;
};

TEST_F(ConcurrentWritersTest, HostsAddingWhileTheManagerAddsAndSortsLoseNothingAndLeaveNoGap) {
  auto form = OpenManager();
  ASSERT_EQ(store_.ReadFolderList().size(), kSeedEntries);
  int manager_adds = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Tally added;  // what the store holds now, and each round's adds on top
    for (const FolderEntry& entry : store_.ReadFolderList()) ++added[{entry.alias, entry.path}];
    std::vector<std::unique_ptr<TempDir>> folders;
    std::vector<std::unique_ptr<AddingHost>> hosts;
    for (int h = 0; h < kHosts; ++h) folders.push_back(std::make_unique<TempDir>());
    for (const auto& folder : folders) {
      hosts.push_back(std::make_unique<AddingHost>(root_, folder->path()));
      ASSERT_TRUE(hosts.back()->started());
      added[{AliasFromPath(folder->path()), folder->path()}] += kAddsPerHost;
    }
    // The window adds twice and sorts once, over and over, until every host is done.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    auto running = [&] {
      return std::any_of(hosts.begin(), hosts.end(), [](const auto& host) { return host->Running(); });
    };
    for (int step = 0; running() && std::chrono::steady_clock::now() < deadline; ++step) {
      if (step % 3 != 2) {
        const std::string number = std::to_string(manager_adds++);
        next_manager_entry_ = {"manager " + number, "C:\\manager\\" + number};
        ++added[{next_manager_entry_.alias, next_manager_entry_.path}];
        ClickButton(*form, "tbAdd");
      } else {
        ClickButton(*form, "ToolButton4");  // Sort
      }
    }
    for (const auto& host : hosts) EXPECT_EQ(host->ExitCode(), 0u) << host->Output();
    const FolderList stored = store_.ReadFolderList();
    EXPECT_THAT(Miscounted(stored, added), ::testing::IsEmpty());
    EXPECT_EQ(ValueCount(), 2 * stored.size() + 1) << "values beyond the list's end: a gap hides them";
  }
}

}  // namespace
}  // namespace vantor::testing
