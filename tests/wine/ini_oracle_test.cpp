// Our INI engine against the Windows profile functions, which serve as the oracle:
// the same texts read the same, and files written by either side read back alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "file_io.h"
#include "ini.h"
#include "ini_read_cases.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

constexpr char kMissing[] = "\x01missing\x01";

std::optional<std::string> ProfileRead(const std::string& file, const char* section, const char* key) {
  std::string buffer(1 << 16, '\0');
  DWORD length = GetPrivateProfileStringA(section, key, kMissing, buffer.data(),
                                          static_cast<DWORD>(buffer.size()), file.c_str());
  buffer.resize(length);
  if (buffer == kMissing) return std::nullopt;
  return buffer;
}

TEST(IniOracle, SameTextsReadTheSame) {
  for (const IniReadCase& c : IniReadCases()) {
    TempDir dir;
    const std::string file = dir.File("case.ini");
    WriteTextFile(file, c.text);
    EXPECT_EQ(ProfileRead(file, c.section, c.key), c.expected) << c.name;
    EXPECT_EQ(IniDocument::Parse(c.text).Get(c.section, c.key), c.expected) << c.name;
  }
}

const std::vector<std::string>& Values() {
  static const std::vector<std::string> values = {
      "plain", "", " lead", "trail ", "\tboth\t", "\"quoted\"", "'single'", "\"", "'", "\"\"", "\"open",
      "close\"", "a=b", ";semi", "[bracket]", "C:\\Program Files\\", "100% \"mixed\" 'quotes'", "caf\xE9",
  };
  return values;
}

// Characters beyond ASCII in a UTF-16 file come out in the ANSI code page, and those
// it lacks alike, whatever that code page is.
TEST(IniOracle, Utf16FilesReadTheSameBeyondAscii) {
  const std::wstring text = L"[s]\r\nlatin=caf\u00E9\r\neuro=\u20AC 5\r\nfar=\u4E2D\u6587\r\n[\u00C9t\u00E9]\r\nk=1\r\n";
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  TempDir dir;
  const std::string file = dir.File("wide.ini");
  WriteTextFile(file, bytes);
  const IniDocument doc = IniDocument::Parse(bytes);
  for (const char* key : {"latin", "euro", "far"}) {
    ASSERT_TRUE(ProfileRead(file, "s", key)) << key;
    EXPECT_EQ(doc.Get("s", key), ProfileRead(file, "s", key)) << key;
  }
  // The section names come NUL-separated: "s", then the accented one.
  const std::string names = ProfileRead(file, nullptr, nullptr).value_or("");
  const std::string accented = names.substr(names.find('\0') + 1).c_str();
  ASSERT_FALSE(accented.empty());
  EXPECT_EQ(ProfileRead(file, accented.c_str(), "k"), "1");
  EXPECT_EQ(doc.Get(accented, "k"), ProfileRead(file, accented.c_str(), "k"));
}

TEST(IniOracle, FilesWeWriteReadBackExactlyWithTheProfileFunctions) {
  TempDir dir;
  const std::string file = dir.File("backup.vtb");
  IniDocument doc;
  for (std::size_t i = 0; i < Values().size(); ++i) doc.Set("Vantor", "N" + std::to_string(i), Values()[i]);
  WriteFileAtomically(file, doc.Serialize());
  for (std::size_t i = 0; i < Values().size(); ++i)
    EXPECT_EQ(ProfileRead(file, "Vantor", ("N" + std::to_string(i)).c_str()), Values()[i]) << "value #" << i;
}

TEST(IniOracle, FilesTheProfileFunctionsWriteReadTheSameWithOurs) {
  TempDir dir;
  const std::string file = dir.File("older.vtb");
  WriteTextFile(file, "; written by hand\r\n[Other]\r\nx=1\r\n");
  const std::vector<std::string> plain = {"plain", "a=b", "C:\\Program Files\\", "caf\xE9", "\"open", "x y"};
  for (std::size_t i = 0; i < plain.size(); ++i)
    ASSERT_TRUE(WritePrivateProfileStringA("Vantor", ("N" + std::to_string(i)).c_str(), plain[i].c_str(), file.c_str()));
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());  // flush the cache
  IniDocument doc = IniDocument::Parse(ReadWholeFile(file).value());
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const std::string key = "N" + std::to_string(i);
    EXPECT_EQ(doc.Get("Vantor", key), ProfileRead(file, "Vantor", key.c_str())) << key;
    EXPECT_EQ(doc.Get("Vantor", key), plain[i]) << key;
  }
  EXPECT_EQ(doc.Get("Other", "x"), "1");
}

TEST(IniOracle, OurSaveKeepsWhatTheProfileFunctionsSee) {
  TempDir dir;
  const std::string file = dir.File("options.ini");
  WriteTextFile(file, "[Window]\r\nLeft=10\r\n[Options]\r\nShowTips=1\r\nTheme=msn\r\n");
  IniDocument doc = IniDocument::Parse(ReadWholeFile(file).value());
  doc.Set("Options", "ShowTips", "0");
  doc.Set("Options", "AskDelete", " spaced ");
  WriteFileAtomically(file, doc.Serialize());
  EXPECT_EQ(ProfileRead(file, "Window", "Left"), "10");
  EXPECT_EQ(ProfileRead(file, "Options", "Theme"), "msn");
  EXPECT_EQ(ProfileRead(file, "Options", "ShowTips"), "0");
  EXPECT_EQ(ProfileRead(file, "Options", "AskDelete"), " spaced ");
}

// Random texts built from the pieces that matter to a profile reader; every name
// asked must read the same through both readers.
TEST(IniOracle, RandomTextsReadTheSame) {
  const std::vector<std::string> pieces = {
      "[", "]", "=", ";", "\"", "'", " ", "\t", "\r", "\n", "\r\n", "\x1a", "\xa0", "\x85", "a", "A", "b", "B",
      "key", "Key", "sec", "SEC", "value", "x y", "[sec]", "[ sec ]", "[a]", "key=", "a=", "=v", "\xe9", "\xc9",
  };
  const std::vector<std::string> names = {"a", "A", "b", "key", "Key", "sec", " sec ", "x y", "\xe9", "v"};
  std::mt19937 random(20261211);
  TempDir dir;
  const std::string file = dir.File("random.ini");
  for (int round = 0; round < 200; ++round) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
    WriteTextFile(file, text);
    IniDocument doc = IniDocument::Parse(text);
    for (const std::string& section : names) {
      for (const std::string& key : names) {
        ASSERT_EQ(doc.Get(section, key), ProfileRead(file, section.c_str(), key.c_str()))
            << "section '" << section << "' key '" << key << "' in:\n" << ::testing::PrintToString(text);
      }
    }
  }
}

}  // namespace
}  // namespace vantor::testing
