#include "ini.h"

#include <gtest/gtest.h>

#include <optional>

#include "ini_read_cases.h"

namespace vantor::testing {
namespace {

TEST(IniRead, AsTheProfileFunctionsRead) {
  for (const IniReadCase& c : IniReadCases()) {
    EXPECT_EQ(IniDocument::Parse(c.text).Get(c.section, c.key), c.expected) << c.name;
  }
}

TEST(IniWrite, FreshFileHoldsTheSectionAndKeysInOrder) {
  IniDocument doc;
  doc.Set("Options", "ExploreFolder", "1");
  doc.Set("Options", "AskDelete", "0");
  doc.Set("Options", "ShowTips", "1");
  EXPECT_EQ(doc.Serialize(), "[Options]\r\nExploreFolder=1\r\nAskDelete=0\r\nShowTips=1\r\n");
}

TEST(IniWrite, KeepsForeignLinesAndSections) {
  IniDocument doc = IniDocument::Parse(
      "; my settings\r\n[Other]\r\nx = 1\r\n\r\n[options]\r\n  askdelete = 1 ; note\r\nColour=red\r\n\r\n[Last]\r\ny=2");
  doc.Set("Options", "AskDelete", "0");
  doc.Set("Options", "ShowTips", "1");
  doc.Set("New", "k", "v");
  EXPECT_EQ(doc.Serialize(),
            "; my settings\r\n[Other]\r\nx = 1\r\n\r\n[options]\r\nAskDelete=0\r\nColour=red\r\nShowTips=1\r\n\r\n"
            "[Last]\r\ny=2\r\n[New]\r\nk=v\r\n");
}

// Text whose first bytes look like a UTF-16 mark (after a stripped UTF-8 mark, or
// "\xFF\xFE" decoded from UTF-16) must not turn into UTF-16 when saved.
TEST(IniWrite, TextStartingLikeAUtf16MarkReadsBackAsItWas) {
  for (const std::string text : {std::string("\xEF\xBB\xBF\xFF\xFEk=1\r\n[s]\r\nk=2\r\n"),
                                 std::string("\xFF\xFE\xFF\0\xFE\0=\0\x31\0\r\0\n\0[\0s\0]\0\r\0\n\0k\0=\0\x32\0", 30)}) {
    const IniDocument doc = IniDocument::Parse(text);
    const IniDocument back = IniDocument::Parse(doc.Serialize());
    EXPECT_EQ(back.Get("s", "k"), "2");
    EXPECT_EQ(back.Serialize(), doc.Serialize());
  }
}

TEST(IniWrite, ReplacesOnlyTheFirstOfDuplicateKeys) {
  IniDocument doc = IniDocument::Parse("[s]\nk=1\nk=2\n");
  doc.Set("s", "K", "3");
  EXPECT_EQ(doc.Serialize(), "[s]\r\nK=3\r\nk=2\r\n");
}

TEST(IniWrite, EveryValueWithoutLineBreaksReadsBackExactly) {
  const std::vector<std::string> values = {
      "",         " lead",      "trail ",     "\tboth\t", "\"quoted\"", "'single'", "\"", "'", "\"\"",
      "\"open",   "close\"",    "a=b",        ";not a comment", "[not a section]", "C:\\Program Files\\",
      "\x1a", "100%", std::string("caf\xE9"),
  };
  IniDocument doc;
  for (std::size_t i = 0; i < values.size(); ++i) doc.Set("Vantor", "N" + std::to_string(i), values[i]);
  IniDocument back = IniDocument::Parse(doc.Serialize());
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(back.Get("Vantor", "N" + std::to_string(i)), values[i]) << "value #" << i;
}

TEST(IniWrite, RefusesWhatNoLineCanHold) {
  IniDocument doc = IniDocument::Parse("[s]\nk=1\n");
  for (const std::string& bad : {std::string("a\nb"), std::string("a\rb"), std::string("a\0b", 3)})
    EXPECT_THROW(doc.Set("s", "k", bad), std::invalid_argument);
  EXPECT_EQ(doc.Get("s", "k"), "1");
}

TEST(IniWrite, ManyKeysStayLinear) {
  IniDocument doc;
  for (int i = 0; i < 20000; ++i) doc.Set("Vantor", "N" + std::to_string(i), "alias " + std::to_string(i));
  IniDocument back = IniDocument::Parse(doc.Serialize());
  EXPECT_EQ(back.Get("Vantor", "N19999"), "alias 19999");
  EXPECT_EQ(back.Get("Vantor", "N0"), "alias 0");
}

}  // namespace
}  // namespace vantor::testing
