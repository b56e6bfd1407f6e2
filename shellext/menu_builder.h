#pragma once
// Inserts the "Vantor" items into a host menu for one layout.
#include <windows.h>

#include <string>
#include <vector>

#include "menu_layout.h"

namespace vantor::shell {

// Removes items left by an earlier "Vantor" popup (by text), then inserts, from host
// position 0: a separator, "Add to Vantor" (single-folder layout only), the popup
// "Vantor" with one item per alias, a separator and "Settings...", and a separator.
// Identifiers are id_first + the item's offset; the caller has checked that they fit.
void InsertVantorItems(HMENU host, MenuLayout layout, UINT id_first, const std::vector<std::string>& aliases);

}  // namespace vantor::shell
