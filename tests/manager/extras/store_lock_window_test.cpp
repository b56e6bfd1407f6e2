// The main window's read-then-writes outside its list commands, against another
// writer of the same store: Import reads the store only once its file is chosen and
// never holds the lock while its dialog waits; the first start's default list waits
// for a writer that holds the lock.
#include "main_form_fixture.h"

#include <thread>

#include "named_store_lock.h"
#include "window_answerer.h"

namespace vantor::testing {
namespace {

constexpr char kImportTitle[] = "Import Alias and Path";

class StoreLockWindowTest : public MainFormTest {};

TEST_F(StoreLockWindowTest, AnEntryAddedWhileTheImportDialogIsOpenSurvivesTheImport) {
  SetList({kFive[0], kFive[1]});
  WriteTextFile(dir_.File("one.vtb"), "[Vantor]\r\nCount=1\r\nN0=imported\r\nP0=D:\\imported\r\n");
  auto form = Open();
  bool lock_free_during_dialog = false;
  WindowAnswerer dialog(kImportTitle, [&](HWND window) {
    // Another writer, while the user still picks the file: the lock is free and its
    // entry goes in at the end of the store.
    NamedStoreLock other(store_.key_path(), std::chrono::milliseconds(200));
    lock_free_during_dialog = other.Acquire();
    store_.WriteStoreValue("N2", "added meanwhile");
    store_.WriteStoreValue("P2", "C:\\meanwhile");
    if (lock_free_during_dialog) other.Release();
    ChooseFile(window, dir_.File("one.vtb"));
  });
  ClickButton(*form, "bImport");
  EXPECT_TRUE(PumpUntil([&] { return dialog.answered() && ThreadWindowsCaptioned(kImportTitle).empty(); }));
  Pump(100);
  EXPECT_TRUE(lock_free_during_dialog);
  const FolderList expected{kFive[0], kFive[1], {"added meanwhile", "C:\\meanwhile"}, {"imported", "D:\\imported"}};
  EXPECT_EQ(store_.ReadFolderList(), expected);
  EXPECT_EQ(Shown(*form), expected);
}

// "Add to Vantor" creating the store at the manager's first start: the window waits
// for the lock, then finds the key and writes no default list over the new entry.
TEST_F(StoreLockWindowTest, TheFirstStartsDefaultListWaitsForAWriterHoldingTheLock) {
  ASSERT_FALSE(reg_->KeyExists());
  std::atomic<bool> held{false};
  std::thread writer([&] {
    NamedStoreLock lock(store_.key_path());
    ASSERT_TRUE(lock.Acquire());
    held = true;
    Sleep(300);
    store_.WriteStoreValue("N0", "Work");
    store_.WriteStoreValue("P0", "C:\\Work");
    lock.Release();
  });
  while (!held) Sleep(1);
  auto form = Open();
  writer.join();
  EXPECT_EQ(store_.ReadFolderList(), (FolderList{{"Work", "C:\\Work"}}));
  EXPECT_EQ(Shown(*form), (FolderList{{"Work", "C:\\Work"}}));
}

}  // namespace
}  // namespace vantor::testing
