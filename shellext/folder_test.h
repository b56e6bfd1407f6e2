#pragma once
#include <string>

namespace vantor::shell {

// The existing-directory test of the menu layouts, for paths of any length: a path
// of MAX_PATH characters or more is asked for through its "\\?\" form, which the
// ANSI functions do not accept.
bool IsExistingFolder(const std::string& path);

}  // namespace vantor::shell
