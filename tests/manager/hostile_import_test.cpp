// Hostile backups through the main window's Import: the real open dialog answered by
// the test, the file read as the command reads it. Import reports nothing; the list
// keeps every entry it had and gains exactly the usable new entries.
#include "main_form_fixture.h"

#include <filesystem>
#include <random>

#include "window_answerer.h"

namespace vantor::testing {
namespace {

constexpr char kImportTitle[] = "Import Alias and Path";

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string Utf16(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>((c >> 8) & 0xFF);
  }
  return bytes;
}

std::string Garbage(std::size_t size) {
  std::mt19937 random(12345);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

class HostileImport : public MainFormTest {
 protected:
  // Clicks Import and lets `act` answer the open dialog; true when it closed.
  bool Import(TfrmMain& form, const std::function<void(HWND)>& act) {
    WindowAnswerer dialog(kImportTitle, act);
    ClickButton(form, "bImport");
    const bool closed =
        PumpUntil([&] { return dialog.answered() && ThreadWindowsCaptioned(kImportTitle).empty(); }, 10000);
    Pump(100);
    return closed;
  }
};

TEST_F(HostileImport, UnusableBackupsImportOnlyTheirUsableEntriesAndKeepTheList) {
  const std::string mega(1 << 20, 'M');
  const std::string good = "[Vantor]\r\nCount=3\r\nN0=x\r\nP0=D:\\x\r\nN1=y\r\nP1=D:\\y\r\nN2=z\r\nP2=D:\\z\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    FolderList imported;
  };
  const std::vector<Case> cases = {
      {"Count of 2^31-1 with three entries", "[Vantor]\r\nCount=2147483647\r\nN0=x\r\nP0=D:\\x\r\nN1=y\r\nP1=D:\\y\r\n"
                                             "N2=z\r\nP2=D:\\z\r\n",
       {{"x", "D:\\x"}, {"y", "D:\\y"}, {"z", "D:\\z"}}},
      {"missing and empty entries", "[Vantor]\r\nCount=6\r\nN0=x\r\nP0=D:\\x\r\nP1=D:\\gone\r\nN2=no path\r\nP2=\r\n"
                                    "N3=\r\nP3=D:\\no alias\r\nN4=\"\"\r\nP4=D:\\quoted\r\nN5=z\r\nP5=D:\\z\r\n",
       {{"x", "D:\\x"}, {"z", "D:\\z"}}},
      {"an alias line of 1 MB", "[Vantor]\r\nCount=2\r\nN0=" + mega + "\r\nP0=D:\\big\r\nN1=y\r\nP1=D:\\y\r\n",
       {{mega, "D:\\big"}, {"y", "D:\\y"}}},
      {"a 1 MB line of no key before the section", mega + "\r\n" + good,
       {{"x", "D:\\x"}, {"y", "D:\\y"}, {"z", "D:\\z"}}},
      {"cut in the middle of a key", good.substr(0, good.find("N2=") + 1), {{"x", "D:\\x"}, {"y", "D:\\y"}}},
      {"cut in the middle of the count", good.substr(0, good.find("Count=") + 3), {}},
      {"binary garbage", Garbage(64 * 1024), {}},
      {"garbage with the section inside", Garbage(1000) + "\r\n" + good + Garbage(1000), {{"x", "D:\\x"}, {"y", "D:\\y"}, {"z", "D:\\z"}}},
      {"UTF-16 text", Utf16(L"[Vantor]\r\nCount=1\r\nN0=x\r\nP0=D:\\x\r\n"), {{"x", "D:\\x"}}},
      {"an empty file", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto reg = RegistryKinds().back().make();
    FolderStore store(reg->registry(), reg->key_path());
    reg->CreateKey();
    store.RewriteEntries(0, 4, kFive);
    const std::string file = dir_.File("hostile.vtb");
    WriteBytes(file, c.bytes);
    auto form = Open([&](MainFormSetup& setup) { setup.store = &store; });
    SeenMessageBox box;
    WindowWatcher no_message("Vantor", AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(Import(*form, [&](HWND window) { ChooseFile(window, file); }));
    EXPECT_FALSE(box.seen) << box.text;
    FolderList expected = kFive;
    expected.insert(expected.end(), c.imported.begin(), c.imported.end());
    EXPECT_TRUE(Shown(*form) == expected) << Shown(*form).size() << " rows";
    EXPECT_TRUE(store.ReadFolderList() == expected);
    std::vector<std::string> stored = reg->StringValues();
    stored.erase(std::remove_if(stored.begin(), stored.end(), [](const std::string& v) { return v.rfind("SETTING=", 0) == 0; }),
                 stored.end());
    EXPECT_TRUE(stored == Expected(expected)) << "nothing but the imported entries is written";
  }
}

TEST_F(HostileImport, AFileThatIsGoneLockedOrAFolderImportsNothing) {
  SetList(kFive);
  auto form = Open();
  const std::string locked = dir_.File("locked.vtb");
  WriteBytes(locked, "[Vantor]\r\nCount=1\r\nN0=x\r\nP0=D:\\x\r\n");
  HANDLE hold = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);
  std::filesystem::create_directory(dir_.File("folder.vtb"));
  SeenMessageBox box;
  WindowWatcher no_message("Vantor", AnswerMessageBox(box, IDOK));

  // A name that no longer exists when it is read, and a file another program holds.
  for (const std::string& name : {dir_.File("vanished.vtb"), locked}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(Import(*form, [&](HWND window) { ChooseFile(window, name); }));
  }
  // A folder's name: the dialog opens the folder instead of returning it; Cancel.
  bool stayed_open = false;
  ASSERT_TRUE(Import(*form, [&](HWND window) {
    ChooseFile(window, dir_.File("folder.vtb"));
    Sleep(500);
    stayed_open = IsWindowVisible(window) != FALSE;
    PressButton(window, IDCANCEL);
  }));
  EXPECT_TRUE(stayed_open);
  CloseHandle(hold);
  EXPECT_FALSE(box.seen) << box.text;
  EXPECT_EQ(Shown(*form), kFive);
  EXPECT_EQ(StoredWithoutSetting(), Expected(kFive));
}

}  // namespace
}  // namespace vantor::testing
