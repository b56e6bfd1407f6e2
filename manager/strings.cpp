#include "strings.h"

#include <windows.h>

namespace vantor {

std::string LoadText(unsigned id) {
  char buffer[1024];
  const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace vantor
