#include "ini_read_cases.h"

namespace vantor::testing {
namespace {

// ASCII text as a UTF-16 file with its byte-order mark.
std::string Utf16(const std::string& text, bool big_endian = false) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : text) {
    bytes += big_endian ? '\0' : c;
    bytes += big_endian ? c : '\0';
  }
  return bytes;
}

}  // namespace

const std::vector<IniReadCase>& IniReadCases() {
  static const std::vector<IniReadCase> cases = {
      {"plain", "[Options]\r\nAskDelete=1\r\n", "Options", "AskDelete", "1"},
      {"case-insensitive names", "[OPTIONS]\naskdelete=0\n", "options", "AskDelete", "0"},
      {"blanks around names and values", "  [Options]  \n\t ShowTips \t=  0 \t\n", "Options", "ShowTips", "0"},
      {"blanks around the asked names", "[Options]\nShowTips=1\n", " Options ", " ShowTips ", "1"},
      {"blanks inside brackets trimmed", "[ Options ]\nShowTips=1\n", "Options", "ShowTips", "1"},
      {"double quotes stripped", "[s]\nk=\"  padded  \"\n", "s", "k", "  padded  "},
      {"single quotes stripped", "[s]\nk='x'\n", "s", "k", "x"},
      {"only one pair stripped", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
      {"mismatched quotes kept", "[s]\nk=\"x'\n", "s", "k", "\"x'"},
      {"lone quote kept", "[s]\nk=\"\n", "s", "k", "\""},
      {"empty quotes", "[s]\nk=\"\"\n", "s", "k", ""},
      {"empty value", "[s]\nk=\n", "s", "k", ""},
      {"first duplicate key wins", "[s]\nk=1\nk=2\n", "s", "k", "1"},
      {"first duplicate section wins", "[s]\na=1\n[t]\n[s]\nb=2\n", "s", "b", std::nullopt},
      {"key without '=' reads as missing", "[s]\nk\nk=2\n", "s", "k", std::nullopt},
      {"'=' in the value", "[s]\nk=a=b\n", "s", "k", "a=b"},
      {"comment line is not a key", "[s]\n;k=1\nk=2\n", "s", "k", "2"},
      {"missing section", "[s]\nk=1\n", "t", "k", std::nullopt},
      {"missing key", "[s]\nk=1\n", "s", "j", std::nullopt},
      {"key of the next section", "[s]\n[t]\nk=1\n", "s", "k", std::nullopt},
      {"unclosed bracket is a key", "[s]\n[k=1\n", "s", "[k", "1"},
      {"last ']' ends the name", "[a]b]\nk=1\n", "a]b", "k", "1"},
      {"no final line end", "[s]\nk=tail", "s", "k", "tail"},
      {"CR-only line ends", "[s]\rk=1\rj=2", "s", "j", "2"},
      {"lone CR ends a line", "[s]\nk=1\rj=2\n", "s", "j", "2"},
      {"UTF-8 mark before the first section", "\xEF\xBB\xBF[s]\nk=1\n", "s", "k", "1"},
      {"UTF-16 little-endian", Utf16("[s]\r\nk=wide\r\n"), "s", "k", "wide"},
      {"UTF-16 big-endian", Utf16("[s]\r\nk=wide\r\n", true), "s", "k", "wide"},
      {"UTF-16 with a last odd byte", Utf16("[s]\r\nk=wide") + "x", "s", "k", "widex"},
      {"8-bit names compare exactly", "[\xC9t\xE9]\nk=1\n", "\xC9t\xE9", "k", "1"},
      {"tab inside a value kept", "[s]\nk=a\tb\n", "s", "k", "a\tb"},
  };
  return cases;
}

}  // namespace vantor::testing
