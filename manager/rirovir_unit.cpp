#include "rirovir_unit.h"

#include "path_rules.h"

namespace vantor {

bool CheckPath(const std::string& path) { return IsExistingDirectory(path); }

}  // namespace vantor
