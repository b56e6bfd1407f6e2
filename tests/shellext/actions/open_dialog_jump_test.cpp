// The shell-browser route against a real common Open dialog: it answers the
// browser query and really moves to the favourite's folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "action_fixture.h"
#include "jump.h"
#include "open_dialog.h"
#include "temp_dir.h"
#include "win_ports.h"

namespace vantor::shell::testing {
namespace {

using vantor::testing::TempDir;

TEST(OpenDialogJump, TheDialogMovesToTheFavouriteWithNothingTyped) {
  TempDir start;
  TempDir target;
  std::filesystem::create_directory(target.File("inner"));
  const std::string favourite = target.File("inner");
  ActionFixture fixture;
  fixture.registry->SetString("P0", start.path());
  fixture.registry->SetString("P1", favourite);
  WinVersionSource real_version;  // Wine: the shell-browser route
  ActionEnvironment env{fixture.env.store, real_version, fixture.programs, fixture.messages};

  OpenDialogThread dialog(start.path(), "keep.txt");
  ASSERT_NE(dialog.dialog(), nullptr);
  ASSERT_EQ(dialog.FolderPath(), start.path());
  dialog.RunOnDialogThread([&](HWND host) {
    ASSERT_EQ(GetActiveWindow(), host);
    JumpToFavourite(host, 2, env);
  });
  EXPECT_EQ(dialog.FolderPath(), favourite);
  // Navigating again after the first jump let go of the browser: the dialog's own
  // reference is intact.
  dialog.RunOnDialogThread([&](HWND host) { JumpToFavourite(host, 1, env); });
  EXPECT_EQ(dialog.FolderPath(), start.path());
  EXPECT_EQ(dialog.FileNameBox(), "keep.txt");
  EXPECT_TRUE(fixture.programs.starts.empty());
  EXPECT_TRUE(fixture.messages.texts.empty());
}

}  // namespace
}  // namespace vantor::shell::testing
