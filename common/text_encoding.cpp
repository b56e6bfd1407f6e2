#include "text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantor {

std::string NarrowFromUtf16(std::string_view bytes, bool big_endian) {
  std::wstring wide;
  wide.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const unsigned first = static_cast<unsigned char>(bytes[i]);
    const unsigned second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
    wide.push_back(static_cast<wchar_t>(big_endian ? (first << 8) | second : (second << 8) | first));
  }
#ifdef _WIN32
  if (wide.empty()) return std::string();
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), length, narrow.data(), size, nullptr, nullptr);
  return narrow;
#else
  std::string narrow;
  narrow.reserve(wide.size());
  for (wchar_t c : wide) narrow.push_back(c < 0x100 ? static_cast<char>(c) : '?');
  return narrow;
#endif
}

}  // namespace vantor
