#pragma once
#include <string>

namespace vantor {

// The Windows directory, whole however long it is.
std::string WindowsDirectory();

// The full path of the running executable, whole however long it is.
std::string ExecutablePath();

}  // namespace vantor
