#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

class IniDocument;

// The manager's three yes/no options, kept in "options.ini" beside its executable.
struct AppOptions {
  bool ExploreFolder = false;
  bool AskDelete = false;
  bool ShowTips = false;
};

inline constexpr const char* kOptionsFileName = "options.ini";
inline constexpr const char* kOptionsSection = "Options";

// The executable's folder (up to and including its last '\', '/' or ':') + "options.ini".
std::string OptionsFilePath(std::string_view executable_path);

// An integer as the profile reader of the options takes it: optional sign, decimal
// digits or "0x"/"$" hex, the whole text, within 32 bits.
std::optional<long> ParseProfileInteger(std::string_view text);

// Any non-zero integer is true, 0 false; everything else (missing file, section or
// key, empty, not an integer) gives `fallback`.
bool ReadOptionBool(const IniDocument& options_file, const char* key, bool fallback);

// load = true: reads the file into `options` (missing or unreadable file: all true).
// load = false: writes all three keys, keeping every other line of the file;
// throws UserError("Unable to write to <path>") when the file cannot be written.
void LoadSaveOptions(bool load, AppOptions& options, const std::string& options_file_path);

}  // namespace vantor
