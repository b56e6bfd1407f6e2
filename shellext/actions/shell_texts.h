#pragma once
// The fixed texts of the commands, kept in the module's string table. A text that
// the module does not carry falls back to its built-in wording, so a command never
// shows an empty message.
#include <string>

namespace vantor::shell {

enum class ShellText : unsigned {
  kFailedToRun = 65392,         // "Failed to run "
  kRunManagerOnce = 65418,      // "Please run the Vantor at least once."
  kSuccessfullyAdded = 65419,   // " successfully added to your folders list."
  kDoesNotExist = 65423,        // " does not exist."
};

// The built-in wording of a text.
const char* DefaultShellText(ShellText id);

// The text from the string table of the module that holds this code, else its default.
std::string LoadShellText(ShellText id);

// "\"" + path + "\"" + the " does not exist." text.
std::string DoesNotExistMessage(const std::string& path);

}  // namespace vantor::shell
