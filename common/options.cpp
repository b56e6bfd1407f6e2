#include "options.h"

#include <climits>

#include "file_io.h"
#include "ini.h"

namespace vantor {

std::string OptionsFilePath(std::string_view executable_path) {
  std::size_t delimiter = executable_path.find_last_of("\\/:");
  std::string folder = delimiter == std::string_view::npos ? std::string()
                                                          : std::string(executable_path.substr(0, delimiter + 1));
  return folder + kOptionsFileName;
}

std::optional<long> ParseProfileInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  if (base == 10 && value > (negative ? 2147483648LL : 2147483647LL)) return std::nullopt;
  return static_cast<long>(negative ? -value : value);
}

bool ReadOptionBool(const IniDocument& options_file, const char* key, bool fallback) {
  std::optional<std::string> value = options_file.Get(kOptionsSection, key);
  std::optional<long> number = value ? ParseProfileInteger(*value) : std::nullopt;
  return number ? *number != 0 : fallback;
}

void LoadSaveOptions(bool load, AppOptions& options, const std::string& options_file_path) {
  IniDocument doc = IniDocument::Parse(ReadWholeFile(options_file_path).value_or(std::string()));
  if (load) {
    options.ExploreFolder = ReadOptionBool(doc, "ExploreFolder", true);
    options.AskDelete = ReadOptionBool(doc, "AskDelete", true);
    options.ShowTips = ReadOptionBool(doc, "ShowTips", true);
    return;
  }
  doc.Set(kOptionsSection, "ExploreFolder", options.ExploreFolder ? "1" : "0");
  doc.Set(kOptionsSection, "AskDelete", options.AskDelete ? "1" : "0");
  doc.Set(kOptionsSection, "ShowTips", options.ShowTips ? "1" : "0");
  WriteFileAtomically(options_file_path, doc.Serialize());
}

}  // namespace vantor
