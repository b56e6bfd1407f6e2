#include <gtest/gtest.h>

#include "errors.h"
#include "texts.h"
#include "theme.h"

namespace vantor::testing {
namespace {

TEST(Theme, ShippedFormatRoundTripsAndPartialFilesKeepBuiltInColours) {
  Theme custom;
  custom.title_start = {1, 2, 3};
  custom.toolbar_pressed = {200, 201, 202};
  EXPECT_EQ(ParseTheme(SerializeTheme(custom), "msn.sui"), custom);
  Theme partial = ParseTheme("; mine\r\n[Vantor Theme]\r\nformat = 1\r\n  Border = 10, 20 ,30\r\n", "msn.sui");
  Theme expected;
  expected.border = {10, 20, 30};
  EXPECT_EQ(partial, expected);
}

TEST(Theme, InvalidFilesAreRejectedWithAReason) {
  const char* bad[] = {
      "",                                                   // no section
      "Format=1\n",                                         // key before the section
      "[Other]\nFormat=1\n",                                // wrong section
      "[Vantor Theme]\nBorder=1,2,3\n",                     // no format
      "[Vantor Theme]\nFormat=2\n",                         // unknown format
      "[Vantor Theme]\nFormat=1\nBorder=1,2\n",             // two parts
      "[Vantor Theme]\nFormat=1\nBorder=1,2,256\n",         // out of range
      "[Vantor Theme]\nFormat=1\nBorder=1,2,x\n",           // not a number
      "[Vantor Theme]\nFormat=1\nGlow=1,2,3\n",             // unknown key
      "[Vantor Theme]\nFormat=1\njust words\n",             // not key=value
      "\x89PNG binary junk\n",
  };
  for (const char* text : bad) {
    try {
      ParseTheme(text, "msn.sui");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const UserError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("msn.sui is not a valid theme file: ", 0), 0u) << error.what();
    }
  }
}

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersSortingAfterIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"Unable to write to C:\\x\\options.ini", "Unable to write to C:\\x\\options.ini."},
      {"Done.", "Done."},
      {"Really!", "Really!"},   // '!' sorts before '.'
      {"a-", "a-"},             // '-' too
      {"path/", "path/."},      // '/' sorts after '.'
      {"", ""},
      {"caf\xE9", "caf\xE9."},  // bytes above 127 sort after '.'
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ErrorBoxText(in), out) << in;
}

TEST(HelpPageAddress, IsALocalAddressBesideTheExecutable) {
  EXPECT_EQ(HelpPageAddress("C:\\Program Files\\Vantor\\Vantor.exe"),
            "file:///C:/Program%20Files/Vantor/desktop/vthelp.htm");
  EXPECT_EQ(HelpPageAddress("D:\\100%#\\Vantor.exe"), "file:///D:/100%25%23/desktop/vthelp.htm");
}

}  // namespace
}  // namespace vantor::testing
