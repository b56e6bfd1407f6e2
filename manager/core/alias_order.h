#pragma once
// The order of the Sort command: aliases compared byte by byte with only the 26 ASCII
// lower-case letters folded to capitals, a proper prefix first; and the exact
// exchange procedure by which Sort reorders the rows (equal aliases end up as this
// procedure leaves them, which is not the order a stable sort would give).
#include <string_view>

#include "folder_store.h"

namespace vantor {

// < 0, 0 or > 0: first differing (folded, unsigned) bytes, else length difference.
int CompareAlias(std::string_view first, std::string_view second);

void SortRows(FolderList& rows, bool ascending);

}  // namespace vantor
