// Any text parses; what it holds survives a save; any value we can store reads back.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ini.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first line names a section, the second a key, the third a value; all of it is the file.
  auto line = [&input](std::size_t n) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < n && begin != std::string_view::npos; ++i) {
      begin = input.find('\n', begin);
      if (begin != std::string_view::npos) ++begin;
    }
    if (begin == std::string_view::npos || begin > input.size()) return std::string_view();
    return input.substr(begin, input.find('\n', begin) - begin);
  };
  const std::string section(line(0).substr(0, 40)), key(line(1).substr(0, 40));
  const std::string value(line(2));

  vantor::IniDocument doc = vantor::IniDocument::Parse(input);
  const auto before = doc.Get(section, key);
  vantor::IniDocument saved = vantor::IniDocument::Parse(doc.Serialize());
  Check(saved.Get(section, key) == before);

  const std::string trimmed_section = section.empty() ? "S" : section;
  const std::string trimmed_key = key.empty() ? "K" : key;
  try {
    doc.Set(trimmed_section, trimmed_key, value);
  } catch (const std::invalid_argument&) {
    return 0;  // names that trim to nothing, or a value no line can hold
  }
  vantor::IniDocument back = vantor::IniDocument::Parse(doc.Serialize());
  const auto read = back.Get(trimmed_section, trimmed_key);
  // A name with '=' or one that starts a section cannot be a key; anything else reads back.
  if (trimmed_key.find_first_of("=[;") == std::string::npos && trimmed_section.find_first_of("]\r\n") == std::string::npos &&
      trimmed_key.find_first_of("\r\n") == std::string::npos)
    Check(read == value);
  return 0;
}
