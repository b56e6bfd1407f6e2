#include "alias_order.h"

#include <algorithm>
#include <utility>

namespace vantor {
namespace {

int Fold(char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  return (byte >= 'a' && byte <= 'z') ? byte - 'a' + 'A' : byte;
}

}  // namespace

int CompareAlias(std::string_view first, std::string_view second) {
  const std::size_t common = std::min(first.size(), second.size());
  for (std::size_t i = 0; i < common; ++i) {
    int difference = Fold(first[i]) - Fold(second[i]);
    if (difference != 0) return difference;
  }
  return static_cast<int>(first.size()) - static_cast<int>(second.size());
}

void SortRows(FolderList& rows, bool ascending) {
  const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(rows.size());
  for (std::ptrdiff_t i = 0; i + 1 < n; ++i) {
    if (ascending) {
      for (std::ptrdiff_t j = i + 1; j < n; ++j)
        if (CompareAlias(rows[i].alias, rows[j].alias) > 0) std::swap(rows[i], rows[j]);
    } else {
      for (std::ptrdiff_t j = n - 1; j > i; --j)
        if (CompareAlias(rows[i].alias, rows[j].alias) < 0) std::swap(rows[i], rows[j]);
    }
  }
}

}  // namespace vantor
