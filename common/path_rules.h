#pragma once
#include <string>
#include <string_view>

namespace vantor {

// The default alias of a folder: the text after the last backslash when there is
// one and it is not empty, otherwise the whole path ("C:\" stays "C:\").
std::string AliasFromPath(std::string_view path);

// A path whose attributes can be read and name a directory.
bool IsExistingDirectory(const std::string& path);

}  // namespace vantor
