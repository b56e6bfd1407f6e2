#include "texts.h"

namespace vantor {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

std::string HelpPageAddress(std::string_view executable_path) {
  std::size_t folder_end = executable_path.find_last_of("\\/");
  std::string_view folder =
      folder_end == std::string_view::npos ? std::string_view() : executable_path.substr(0, folder_end);
  std::string address = "file:///";
  static const char kHex[] = "0123456789ABCDEF";
  for (char c : folder) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      address += '/';
    } else if (byte <= ' ' || byte >= 0x7F || c == '%' || c == '#' || c == '?' || c == '"') {
      address += '%';
      address += kHex[byte >> 4];
      address += kHex[byte & 15];
    } else {
      address += c;
    }
  }
  return address + "/desktop/vthelp.htm";
}

}  // namespace vantor
