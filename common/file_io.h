#pragma once
#include <optional>
#include <string>

namespace vantor {

// The whole file, or nothing when it is missing, a folder or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file in one step: the content goes to a temporary file beside it,
// which then takes the file's place, so a failure leaves the old file whole.
// Where no file can be made beside it (a folder that only lets the file itself be
// changed) the file is rewritten in place. Throws UserError("Unable to write to <path>").
void WriteFileAtomically(const std::string& path, const std::string& content);

}  // namespace vantor
