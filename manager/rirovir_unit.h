#pragma once
#include <string>

namespace vantor {

// True when the path, as it stands, names an existing directory.
bool CheckPath(const std::string& path);

}  // namespace vantor
