#pragma once
// The colours of the skinned frame and toolbar, read from the theme file "msn.sui":
//
//   ; comment
//   [Vantor Theme]
//   Format=1
//   TitleStart=0,84,166        (any key may be left out: the built-in colour stays)
//
// Every colour is "red,green,blue" with each part 0..255. A file without the section
// and Format=1, a colour that does not parse, or an unknown key is an invalid theme.
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

struct Theme {
  Rgb title_start{0, 84, 166};
  Rgb title_end{62, 139, 221};
  Rgb title_text{255, 255, 255};
  Rgb title_button{255, 255, 255};
  Rgb border{0, 0, 0};
  Rgb background{232, 232, 232};
  Rgb toolbar_face{239, 239, 239};
  Rgb toolbar_border{71, 71, 71};
  Rgb toolbar_pressed{216, 216, 216};
  Rgb toolbar_text{0, 0, 0};
  bool operator==(const Theme& o) const;
};

inline constexpr const char* kThemeFileName = "msn.sui";
inline constexpr const char* kThemeSection = "Vantor Theme";

// Throws UserError("<file name> is not a valid theme file: <reason>") on bad text.
Theme ParseTheme(std::string_view text, std::string_view file_name);
std::string SerializeTheme(const Theme& theme);

}  // namespace vantor
