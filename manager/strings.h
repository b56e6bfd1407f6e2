#pragma once
#include <string>

#include "res/resource_ids.h"

namespace vantor {

// A text of the manager's string table.
std::string LoadText(unsigned id);

}  // namespace vantor
