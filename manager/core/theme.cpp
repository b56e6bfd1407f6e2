#include "theme.h"

#include <array>
#include <charconv>

#include "errors.h"

namespace vantor {
namespace {

struct ColourSlot {
  const char* key;
  Rgb Theme::*member;
};

constexpr std::array<ColourSlot, 10> kSlots = {{
    {"TitleStart", &Theme::title_start},
    {"TitleEnd", &Theme::title_end},
    {"TitleText", &Theme::title_text},
    {"TitleButton", &Theme::title_button},
    {"Border", &Theme::border},
    {"Background", &Theme::background},
    {"ToolbarFace", &Theme::toolbar_face},
    {"ToolbarBorder", &Theme::toolbar_border},
    {"ToolbarPressed", &Theme::toolbar_pressed},
    {"ToolbarText", &Theme::toolbar_text},
}};

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool ParseComponent(std::string_view text, std::uint8_t& out) {
  text = Trim(text);
  unsigned value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 255) return false;
  out = static_cast<std::uint8_t>(value);
  return true;
}

bool ParseRgb(std::string_view text, Rgb& out) {
  std::size_t first = text.find(',');
  if (first == std::string_view::npos) return false;
  std::size_t second = text.find(',', first + 1);
  if (second == std::string_view::npos) return false;
  return ParseComponent(text.substr(0, first), out.red) &&
         ParseComponent(text.substr(first + 1, second - first - 1), out.green) &&
         ParseComponent(text.substr(second + 1), out.blue);
}

}  // namespace

bool Theme::operator==(const Theme& o) const {
  for (const ColourSlot& slot : kSlots)
    if (!(this->*slot.member == o.*slot.member)) return false;
  return true;
}

Theme ParseTheme(std::string_view text, std::string_view file_name) {
  auto fail = [&](const std::string& reason) {
    throw UserError(std::string(file_name) + " is not a valid theme file: " + reason);
  };
  Theme theme;
  bool in_section = false, has_format = false;
  int line_number = 0;
  while (!text.empty()) {
    std::size_t end = text.find_first_of("\r\n");
    std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++line_number;
    if (line.empty() || line.front() == ';') continue;
    const std::string where = "line " + std::to_string(line_number);
    if (line.front() == '[') {
      if (in_section || line != "[" + std::string(kThemeSection) + "]") fail(where + " is not [" + kThemeSection + "]");
      in_section = true;
      continue;
    }
    if (!in_section) fail(where + " comes before [" + std::string(kThemeSection) + "]");
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) fail(where + " is not key=value");
    std::string_view key = Trim(line.substr(0, equals));
    std::string_view value = Trim(line.substr(equals + 1));
    if (EqualNoCase(key, "Format")) {
      if (value != "1") fail("format " + std::string(value) + " is not known");
      has_format = true;
      continue;
    }
    const ColourSlot* slot = nullptr;
    for (const ColourSlot& candidate : kSlots)
      if (EqualNoCase(key, candidate.key)) slot = &candidate;
    if (!slot) fail("unknown key " + std::string(key));
    if (!ParseRgb(value, theme.*(slot->member))) fail(std::string(key) + " is not a colour red,green,blue");
  }
  if (!has_format) fail("no Format=1 in [" + std::string(kThemeSection) + "]");
  return theme;
}

std::string SerializeTheme(const Theme& theme) {
  std::string text = "[" + std::string(kThemeSection) + "]\r\nFormat=1\r\n";
  for (const ColourSlot& slot : kSlots) {
    const Rgb& c = theme.*(slot.member);
    text += std::string(slot.key) + "=" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
            std::to_string(c.blue) + "\r\n";
  }
  return text;
}

}  // namespace vantor
