#pragma once
// An INI engine that reads the way the Windows profile functions do and writes a
// whole file in one pass:
//  - lines end at '\n', '\r' or both;
//  - blanks around lines, names and values are trimmed;
//  - "[name]" opens a section (up to the last ']'); a line without '=' is a key
//    without value (comments are such lines) and reads as missing;
//  - section and key names compare case-insensitively (ASCII letters); the first section of a name
//    and the first key of a name in it win;
//  - one pair of enclosing quotes (" or ') is stripped from a value.
// Saving keeps every other line as it was. A value that would not read back exactly
// is written inside double quotes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantor {

class IniDocument {
 public:
  IniDocument();
  // A file with a UTF-16 mark is read in the ANSI code page, as the profile
  // functions read it; a UTF-8 mark is skipped.
  static IniDocument Parse(std::string_view text);

  // The value as a profile reader returns it; empty when the section or key is
  // missing or the key has no '='.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  std::string GetString(std::string_view section, std::string_view key, std::string_view fallback) const;

  // Sets a value, adding the key (and the section) when missing. Throws
  // std::invalid_argument for a value with a line break or NUL: no INI line holds it.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Serialize() const;  // CRLF line ends

  // The line a value is stored as: quoted when trimming or quote stripping would
  // change it on the way back.
  static std::string EncodeValue(std::string_view value);
  static bool CanHold(std::string_view value);

 private:
  struct Line {
    std::string text;  // as in the file, without its line end
  };
  struct Section {
    std::string folded_name;
    bool has_header = false;
    std::vector<Line> lines;  // header first when it has one
    std::unordered_map<std::string, std::size_t> keys;  // folded name -> line, first wins
  };

  Section* FindSection(std::string_view section);
  const Section* FindSection(std::string_view section) const;
  static void IndexLine(Section& section, std::size_t index);
  static IniDocument ParseNarrow(std::string_view text);

  std::vector<Section> sections_;  // sections_[0]: lines before the first header
  std::unordered_map<std::string, std::size_t> section_index_;  // first of a name wins
};

// Helpers the engine is built on, exposed for tests.
bool IsProfileSpace(unsigned char c);
std::string FoldCase(std::string_view text);

}  // namespace vantor
