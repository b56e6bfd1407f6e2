#pragma once
#include <string>
#include <string_view>

namespace vantor {

// The text of the application's error box: a full stop is added when the last
// character sorts after '.' (so "Done!" and "Failed." stay as they are).
std::string ErrorBoxText(std::string_view message);

// The local address of the help page beside the executable:
// file:///C:/Program%20Files/Vantor/desktop/vthelp.htm
std::string HelpPageAddress(std::string_view executable_path);

}  // namespace vantor
