#include "IniDocument.h"

#include "AsciiCase.h"

namespace orvix {
namespace {

bool IsIniSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::string_view CutAtNul(std::string_view s) { return s.substr(0, s.find('\0')); }

// Lines split at LF; a CR before the LF belongs to the line ending.
std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  return lines;
}

struct ParsedLine {
  enum Kind { kBlank, kSection, kKey } kind = kBlank;
  std::string_view name;
  std::optional<std::string_view> value;  // a key line without "=" has none
};

ParsedLine ParseLine(std::string_view line) {
  const std::string_view text = TrimLeft(line);
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.rfind(']');
    if (close != std::string_view::npos) return {ParsedLine::kSection, Trim(text.substr(1, close - 1)), {}};
    // Without "]" the line is read as a key line, as the system does.
  }
  const std::string_view content = TrimRight(text);
  if (content.empty()) return {};
  const std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) return {ParsedLine::kKey, content, {}};
  return {ParsedLine::kKey, TrimRight(content.substr(0, equals)), TrimLeft(content.substr(equals + 1))};
}

// Where a key of a section is, or would go, among the lines of a file. Only the first
// section of that name counts.
struct KeyPlace {
  bool sectionFound = false;
  std::optional<std::size_t> keyLine;
  std::string_view keyName;                // as written in the file
  std::optional<std::string_view> value;
  std::size_t insertAt = 0;                // line index for a new key of the section
};

KeyPlace FindKey(const std::vector<std::string_view>& lines, std::string_view section, std::string_view key) {
  KeyPlace place;
  // Keys before the first header belong to the unnamed section.
  place.sectionFound = section.empty();
  bool inSection = place.sectionFound;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ParsedLine line = ParseLine(lines[i]);
    if (line.kind == ParsedLine::kSection) {
      if (inSection) break;
      if (!place.sectionFound && EqualIgnoringCase(line.name, section)) {
        place.sectionFound = inSection = true;
        place.insertAt = i + 1;
      }
      continue;
    }
    if (!inSection || line.kind == ParsedLine::kBlank) continue;
    place.insertAt = i + 1;  // after the last non-blank line of the section
    if (!place.keyLine && EqualIgnoringCase(line.name, key)) {
      place.keyLine = i;
      place.keyName = line.name;
      place.value = line.value;
    }
  }
  return place;
}

}  // namespace

IniDocument::IniDocument(std::string_view content) {
  for (std::string_view line : SplitLines(content)) lines_.emplace_back(line);
}

std::optional<std::string> IniDocument::RawValue(std::string_view section, std::string_view key) const {
  const KeyPlace place = FindKey(Views(), Trim(section), Trim(key));
  if (!place.keyLine || !place.value) return std::nullopt;
  return std::string(CutAtNul(*place.value));
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  const KeyPlace place = FindKey(Views(), section, key);
  std::string keyLine(place.keyLine ? place.keyName : key);
  keyLine.append(1, '=').append(TrimLeft(value));
  if (place.keyLine) {
    lines_[*place.keyLine] = std::move(keyLine);
  } else if (place.sectionFound) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place.insertAt), std::move(keyLine));
  } else {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    std::string header(1, '[');
    header.append(section).append(1, ']');
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(keyLine));
  }
}

std::vector<std::string> IniDocument::SectionNames(std::size_t capacity) const {
  std::vector<std::string> names;
  std::size_t used = 1;  // the final terminator
  for (const std::string& text : lines_) {
    const ParsedLine line = ParseLine(text);
    if (line.kind != ParsedLine::kSection) continue;
    const std::string_view name = CutAtNul(line.name);
    if (name.empty()) continue;
    if (used + name.size() + 1 > capacity) break;
    used += name.size() + 1;
    names.emplace_back(name);
  }
  return names;
}

std::string IniDocument::Text() const {
  std::size_t size = 0;
  for (const std::string& line : lines_) size += line.size() + 2;
  std::string content;
  content.reserve(size);
  for (const std::string& line : lines_) content.append(line).append("\r\n");
  return content;
}

std::vector<std::string_view> IniDocument::Views() const { return {lines_.begin(), lines_.end()}; }

}  // namespace orvix
