// Export and Import with the real common file dialogs and message boxes, answered by
// the test as a user would.
#include "backup_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "backup.h"
#include "errors.h"
#include "file_io.h"
#include "ini.h"
#include "temp_dir.h"
#include "test_registry.h"
#include "window_answerer.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const extras::BackupTexts kTexts{"Export Alias and Path", "Import Alias and Path", " has existed,overite it?"};
const FolderList kDefaults = {{"Windows Directory", "C:\\windows"}, {"C:\\", "C:\\"}};

// A message box on the test's thread, as the application shows it; the answerer reads
// and presses it.
int ApplicationBox(const std::string& text, UINT type) { return MessageBoxA(nullptr, text.c_str(), "Vantor", type); }

struct Question {
  std::string text;
  int default_button = 0;
  bool has_yes = false;
};

class BackupCommands : public ::testing::Test {
 protected:
  TempDir dir_;
  extras::FileDialog save_{extras::FileDialog::Kind::kSave};
  extras::FileDialog open_{extras::FileDialog::Kind::kOpen};
  std::unique_ptr<TestRegistry> registry_ = MakeMemoryTestRegistry();
  FolderStore store_{registry_->registry(), registry_->key_path()};

  // Runs Export, choosing `name` in the save dialog and answering a question with `answer`.
  bool Export(const std::string& name, const FolderList& rows, int answer = IDYES, Question* question = nullptr,
              std::string* offered = nullptr) {
    WindowAnswerer dialog(kTexts.export_title, [&](HWND window) {
      if (offered) *offered = FileDialogName(window);
      ChooseFile(window, name);
    });
    WindowAnswerer box("Vantor", [&](HWND window) {
      if (question) *question = {MessageBoxText(window), DefaultButton(window), GetDlgItem(window, IDYES) != nullptr};
      PressButton(window, answer);
    });
    bool written = extras::ExportCommand(nullptr, save_, kTexts, rows, ApplicationBox);
    EXPECT_TRUE(dialog.answered());
    return written;
  }

  std::vector<FolderEntry> Import(const std::string& name, FolderList& rows) {
    std::vector<FolderEntry> shown;
    WindowAnswerer dialog(kTexts.import_title, [&](HWND window) { ChooseFile(window, name); });
    extras::ImportCommand(nullptr, open_, kTexts, rows, [&](std::size_t index, const FolderEntry& entry) {
      EXPECT_EQ(index, rows.size());
      rows.push_back(entry);
      shown.push_back(entry);
      store_.WriteStoreValue(AliasValueName(index), entry.alias);
      store_.WriteStoreValue(PathValueName(index), entry.path);
    });
    EXPECT_TRUE(dialog.answered());
    return shown;
  }
};

TEST_F(BackupCommands, ExportThenImportIntoTheUnchangedListChangesNothing) {
  const std::string file = dir_.File("same.vtb");
  ASSERT_TRUE(Export(file, kDefaults));
  EXPECT_EQ(ReadTextFile(file),
            "[Vantor]\r\nCount=2\r\nN0=Windows Directory\r\nP0=C:\\windows\r\nN1=C:\\\r\nP1=C:\\\r\n");
  FolderList rows = kDefaults;
  EXPECT_THAT(Import(file, rows), IsEmpty());
  EXPECT_EQ(rows, kDefaults);
  EXPECT_THAT(registry_->StringValues(), IsEmpty()) << "nothing written to the store";
}

TEST_F(BackupCommands, NameRulesAndTheOverwriteQuestion) {
  struct Case {
    const char* chosen;
    const char* written;
  };
  const Case cases[] = {{"backup", "backup.vtb"}, {"backup.txt", "backup.txt.vtb"}, {"old.VTB", "old.VTB"}};
  for (const Case& c : cases) {
    Question question;
    ASSERT_TRUE(Export(dir_.File(c.chosen), kDefaults, IDYES, &question)) << c.chosen;
    EXPECT_TRUE(std::filesystem::exists(dir_.File(c.written))) << c.chosen;
    EXPECT_TRUE(question.text.empty()) << "no question for a new file: " << question.text;

    const std::string before = ReadTextFile(dir_.File(c.written));
    ASSERT_FALSE(Export(dir_.File(c.chosen), {{"other", "D:\\"}}, IDNO, &question)) << c.chosen;
    EXPECT_EQ(question.text, dir_.File(c.written) + " has existed,overite it?");
    EXPECT_EQ(question.default_button, IDNO);
    EXPECT_TRUE(question.has_yes);
    EXPECT_EQ(ReadTextFile(dir_.File(c.written)), before) << "No writes nothing";

    ASSERT_TRUE(Export(dir_.File(c.chosen), {{"other", "D:\\"}}, IDYES, &question)) << c.chosen;
    EXPECT_EQ(ReadBackupEntries(IniDocument::Parse(ReadTextFile(dir_.File(c.written)))),
              FolderList({{"other", "D:\\"}}));
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("backup.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("old.VTB.vtb")));
}

TEST_F(BackupCommands, TheDialogsShowTheirTitlesFiltersAndLastName) {
  std::vector<std::string> filters;
  std::string offered;
  {
    WindowAnswerer dialog(kTexts.export_title, [&](HWND window) {
      filters = FileDialogFilters(window);
      PressButton(window, IDCANCEL);
    });
    EXPECT_FALSE(extras::ExportCommand(nullptr, save_, kTexts, kDefaults, ApplicationBox));
    EXPECT_TRUE(dialog.answered());
  }
  EXPECT_THAT(filters, ElementsAre("Backup files (*.vtb)", "All files (*.*)"));
  EXPECT_EQ(extras::FilterForDialog(extras::kBackupFilter),
            std::string("Backup files (*.vtb)\0*.VTB\0All files (*.*)\0 *.*\0\0", 49));
  ASSERT_TRUE(Export(dir_.File("first"), kDefaults));
  ASSERT_TRUE(Export(dir_.File("second"), kDefaults, IDYES, nullptr, &offered));
  EXPECT_EQ(offered, "first") << "the dialog opens in the folder of the last name, showing its file name";
}

TEST_F(BackupCommands, ImportMergesAndWritesOnlyTheAppendedEntries) {
  const std::string file = dir_.File("merge.vtb");
  WriteTextFile(file, "[Vantor]\r\nCount=3\r\nN0=C:\\\r\nP0=c:\r\nN1=Docs\r\nP1=D:\\Docs\r\nN2=Docs\r\nP2=d:\\docs\\\r\n"
                      "N3=Beyond\r\nP3=E:\\\r\n");
  FolderList rows = kDefaults;
  EXPECT_THAT(Import(file, rows), ElementsAre(FolderEntry{"Docs", "D:\\Docs"}));
  EXPECT_THAT(registry_->StringValues(), ElementsAre("N2=Docs", "P2=D:\\Docs"));
}

TEST_F(BackupCommands, AnExportErrorNamesTheFileAndCancelWritesNothing) {
  std::filesystem::create_directory(dir_.File("folder.vtb"));
  EXPECT_THROW(
      {
        try {
          Export(dir_.File("folder"), kDefaults);
        } catch (const UserError& error) {
          EXPECT_EQ(std::string(error.what()), "Unable to write to " + dir_.File("folder.vtb"));
          throw;
        }
      },
      UserError);
  WindowAnswerer dialog(kTexts.import_title, [&](HWND window) { PressButton(window, IDCANCEL); });
  FolderList rows;
  EXPECT_EQ(extras::ImportCommand(nullptr, open_, kTexts, rows, [](std::size_t, const FolderEntry&) {}), 0u);
  EXPECT_FALSE(registry_->KeyExists());
}

}  // namespace
}  // namespace vantor::testing
