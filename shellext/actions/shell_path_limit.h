#pragma once
// ShellExecuteA copies the file and folder it is given into buffers of MAX_PATH
// characters: a longer path overruns them (under Wine it ends the host process).
// Such a path is never handed to it.
#include <windows.h>

#include <string>

namespace vantor::shell {

inline bool ShellCanTakePath(const std::string& path) { return path.size() < MAX_PATH; }

}  // namespace vantor::shell
