#pragma once
// Opening a folder in a new shell window, with the verb that the manager's
// ExploreFolder option selects.
#include <string>

#include "action_environment.h"

namespace vantor::shell {

// ExploreFolder from "options.ini" beside the program named in "Setting", read
// afresh on every call. No "Setting", no file, no key, or anything unreadable: true.
bool ReadExploreFolderOption(const FolderStore& store);

// "Explore" (tree pane) when the option is true, else "open"; no owner, SW_SHOWDEFAULT.
// The shell's result is not looked at. A path of MAX_PATH characters or more, which
// the shell cannot take, opens nothing.
void OpenFolderWindow(const std::string& path, ActionEnvironment& env);

}  // namespace vantor::shell
