#include "ini.h"

#include <stdexcept>

#include "text_encoding.h"

namespace vantor {
namespace {

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsProfileSpace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsProfileSpace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

struct ParsedLine {
  enum Kind { kBlank, kHeader, kKey } kind = kBlank;
  std::string_view name;                  // section or key name
  std::optional<std::string_view> value;  // for keys: the text after '=', trimmed
};

ParsedLine ParseLine(std::string_view raw) {
  ParsedLine parsed;
  std::string_view line = Trim(raw);
  if (line.empty()) return parsed;
  if (line.front() == '[') {
    std::size_t close = line.rfind(']');
    if (close != std::string_view::npos) {
      parsed.kind = ParsedLine::kHeader;
      parsed.name = Trim(line.substr(1, close - 1));
      return parsed;
    }
  }
  parsed.kind = ParsedLine::kKey;
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    parsed.name = line;
  } else {
    parsed.name = Trim(line.substr(0, equals));
    parsed.value = Trim(line.substr(equals + 1));
  }
  return parsed;
}

std::string StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return std::string(value.substr(1, value.size() - 2));
  return std::string(value);
}

}  // namespace

bool IsProfileSpace(unsigned char c) {
  return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1a;
}

// Names compare without regard to the case of ASCII letters; other bytes exactly.
std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return folded;
}

IniDocument::IniDocument() {
  sections_.emplace_back();
  section_index_.emplace(std::string(), 0);  // keys above the first header
}

void IniDocument::IndexLine(Section& section, std::size_t index) {
  ParsedLine parsed = ParseLine(section.lines[index].text);
  if (parsed.kind != ParsedLine::kKey || parsed.name.empty()) return;
  section.keys.emplace(FoldCase(parsed.name), index);
}

IniDocument IniDocument::Parse(std::string_view text) {
  if (text.size() >= 2 && (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF"))
    return ParseNarrow(NarrowFromUtf16(text.substr(2), text[0] == '\xFE'));
  return ParseNarrow(text);
}

IniDocument IniDocument::ParseNarrow(std::string_view text) {
  IniDocument doc;
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    std::string_view raw = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    if (end != std::string_view::npos && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;

    ParsedLine parsed = ParseLine(raw);
    if (parsed.kind == ParsedLine::kHeader) {
      Section section;
      section.folded_name = FoldCase(parsed.name);
      section.has_header = true;
      section.lines.push_back(Line{std::string(raw)});
      doc.section_index_.emplace(section.folded_name, doc.sections_.size());
      doc.sections_.push_back(std::move(section));
      continue;
    }
    Section& current = doc.sections_.back();
    current.lines.push_back(Line{std::string(raw)});
    IndexLine(current, current.lines.size() - 1);
  }
  return doc;
}

IniDocument::Section* IniDocument::FindSection(std::string_view section) {
  auto it = section_index_.find(FoldCase(Trim(section)));
  return it == section_index_.end() ? nullptr : &sections_[it->second];
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const {
  return const_cast<IniDocument*>(this)->FindSection(section);
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  std::string_view name = Trim(key);
  if (name.empty()) return std::nullopt;
  auto it = found->keys.find(FoldCase(name));
  if (it == found->keys.end()) return std::nullopt;
  ParsedLine parsed = ParseLine(found->lines[it->second].text);
  if (!parsed.value) return std::nullopt;
  return StripQuotes(*parsed.value);
}

std::string IniDocument::GetString(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::optional<std::string> value = Get(section, key);
  return value ? *value : std::string(fallback);
}

bool IniDocument::CanHold(std::string_view value) {
  return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string IniDocument::EncodeValue(std::string_view value) {
  if (!CanHold(value)) throw std::invalid_argument("a value with a line break cannot be stored");
  bool quote = false;
  if (!value.empty()) {
    quote = IsProfileSpace(static_cast<unsigned char>(value.front())) ||
            IsProfileSpace(static_cast<unsigned char>(value.back())) ||
            (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front());
  }
  return quote ? "\"" + std::string(value) + "\"" : std::string(value);
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string name(Trim(key));
  std::string section_name(Trim(section));
  if (name.empty() || section_name.empty()) throw std::invalid_argument("empty section or key name");
  std::string line = name + "=" + EncodeValue(value);

  Section* target = FindSection(section_name);
  if (!target) {
    Section added;
    added.folded_name = FoldCase(section_name);
    added.has_header = true;
    added.lines.push_back(Line{"[" + section_name + "]"});
    section_index_.emplace(added.folded_name, sections_.size());
    sections_.push_back(std::move(added));
    target = &sections_.back();
  }
  const std::string folded = FoldCase(name);
  auto it = target->keys.find(folded);
  if (it != target->keys.end()) {
    target->lines[it->second].text = std::move(line);
    return;
  }
  // After the section's last non-blank line, so that blank lines between sections stay.
  std::size_t at = target->lines.size();
  while (at > 0 && Trim(target->lines[at - 1].text).empty()) --at;
  target->lines.insert(target->lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(line)});
  target->keys.emplace(folded, at);
}

std::string IniDocument::Serialize() const {
  std::size_t size = 0;
  for (const Section& section : sections_)
    for (const Line& line : section.lines) size += line.text.size() + 2;
  std::string out;
  out.reserve(size);
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      out += line.text;
      out += "\r\n";
    }
  }
  // Text that begins with the bytes of a UTF-16 mark would read back as UTF-16; a
  // UTF-8 mark in front keeps it read as it is.
  if (out.compare(0, 2, "\xFF\xFE") == 0 || out.compare(0, 2, "\xFE\xFF") == 0) out.insert(0, "\xEF\xBB\xBF");
  return out;
}

}  // namespace vantor
