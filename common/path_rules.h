#pragma once
#include <string>
#include <string_view>

namespace vantor {

// The default alias of a folder: the text after the last backslash when there is
// one and it is not empty, otherwise the whole path ("C:\" stays "C:\").
std::string AliasFromPath(std::string_view path);

// A path whose attributes can be read and name a directory, however long the path:
// one of MAX_PATH characters or more is asked for in its "\\?\" form, which the
// ANSI functions do not accept.
bool IsExistingDirectory(const std::string& path);

#ifdef _WIN32
// The "\\?\" form of an 8-bit path, for the wide functions beyond MAX_PATH:
// "C:\x" -> "\\?\C:\x", "\\server\share\x" -> "\\?\UNC\server\share\x". Relative
// paths, "/" and "." or ".." parts are resolved first (the prefix turns all of that
// off); a path already in a "\\?\" or "\\.\" form is kept as it is.
std::wstring LongPathForm(const std::string& path);
#endif

}  // namespace vantor
