#pragma once
// "Settings...": starting the manager by the path it recorded in the store.
#include <cstdint>
#include <string>

#include "action_environment.h"

namespace vantor::shell {

// The program path up to and including its last backslash or colon; "" without one.
std::string ProgramFolder(const std::string& program_path);

// Starts the program ("open", its folder as working directory, SW_SHOW) and shows
// "Failed to run <path>" when the shell's result is 32 or less. Returns that result.
// A path of MAX_PATH characters or more is not handed to the shell: it fails as a
// missing file (SE_ERR_FNF).
std::intptr_t RunProgram(HWND owner, const std::string& program_path, const std::string& parameters,
                         ActionEnvironment& env);

// Runs the program named in "Setting", or asks the user to run the manager once
// (also when "Setting" is not a string value).
void StartManager(HWND owner, const std::string& parameters, ActionEnvironment& env);

}  // namespace vantor::shell
