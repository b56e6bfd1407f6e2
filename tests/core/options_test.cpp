#include "options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "errors.h"
#include "file_io.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

TEST(OptionsFile, LivesBesideTheExecutable) {
  EXPECT_EQ(OptionsFilePath("C:\\Program Files\\Vantor\\Vantor.exe"), "C:\\Program Files\\Vantor\\options.ini");
  EXPECT_EQ(OptionsFilePath("D:Vantor.exe"), "D:options.ini");
  EXPECT_EQ(OptionsFilePath("/opt/vantor/Vantor.exe"), "/opt/vantor/options.ini");
}

TEST(OptionsFile, ValuesReadAsIntegersWithTrueAsDefault) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {{"1", true}, {"0", false}, {"2", true}, {"-1", true}, {"yes", true}, {"", true},
                        {"0x0", false}, {"$0", false}, {"00", false}, {"1x", true}, {"\"0\"", false},
                        {"99999999999", true}, {"-0", false}};
  for (const Case& c : cases) {
    TempDir dir;
    WriteTextFile(dir.File("options.ini"), std::string("[Options]\r\nAskDelete=") + c.text + "\r\n");
    AppOptions options;
    LoadSaveOptions(true, options, dir.File("options.ini"));
    EXPECT_EQ(options.AskDelete, c.expected) << '"' << c.text << '"';
    EXPECT_TRUE(options.ExploreFolder) << "missing key";
    EXPECT_TRUE(options.ShowTips) << "missing key";
  }
}

TEST(OptionsFile, MissingOrUnreadableFileGivesAllTrue) {
  TempDir dir;
  AppOptions options;
  LoadSaveOptions(true, options, dir.File("options.ini"));
  EXPECT_TRUE(options.ExploreFolder && options.AskDelete && options.ShowTips);
  AppOptions from_folder;
  LoadSaveOptions(true, from_folder, dir.path());  // a folder in the file's place
  EXPECT_TRUE(from_folder.ExploreFolder && from_folder.AskDelete && from_folder.ShowTips);
}

TEST(OptionsFile, FirstSaveCreatesTheFourLines) {
  TempDir dir;
  AppOptions options{true, false, true};
  LoadSaveOptions(false, options, dir.File("options.ini"));
  EXPECT_EQ(ReadTextFile(dir.File("options.ini")), "[Options]\r\nExploreFolder=1\r\nAskDelete=0\r\nShowTips=1\r\n");
  AppOptions back;
  LoadSaveOptions(true, back, dir.File("options.ini"));
  EXPECT_TRUE(back.ExploreFolder);
  EXPECT_FALSE(back.AskDelete);
  EXPECT_TRUE(back.ShowTips);
}

TEST(OptionsFile, SaveKeepsForeignLinesAndSections) {
  TempDir dir;
  WriteTextFile(dir.File("options.ini"), "[Window]\r\nLeft=10\r\n[Options]\r\n; keep me\r\nShowTips=1\r\nTheme=msn\r\n");
  AppOptions options{false, false, false};
  LoadSaveOptions(false, options, dir.File("options.ini"));
  EXPECT_EQ(ReadTextFile(dir.File("options.ini")),
            "[Window]\r\nLeft=10\r\n[Options]\r\n; keep me\r\nShowTips=0\r\nTheme=msn\r\nExploreFolder=0\r\n"
            "AskDelete=0\r\n");
}

TEST(OptionsFile, UnwritableFileNamesItsPathAndKeepsTheOldFile) {
  TempDir dir;
  const std::string folder_in_the_way = dir.File("options.ini");
  std::filesystem::create_directory(folder_in_the_way);
  AppOptions options{true, true, true};
  try {
    LoadSaveOptions(false, options, folder_in_the_way);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + folder_in_the_way);
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder_in_the_way));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
}

}  // namespace
}  // namespace vantor::testing
