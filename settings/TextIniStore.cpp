#include "TextIniStore.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

#include "AsciiCase.h"
#include "DecimalText.h"
#include "HostPath.h"
#include "StructText.h"

namespace orvix {
namespace {

// GetPrivateProfileInt reads the value through a buffer of this size.
constexpr std::size_t kIntBufferSize = 30;

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

// Section and key names as the caller gave them; a null name is an empty one.
std::string_view Name(const char* name) { return Trim(name ? name : ""); }

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(HostPath(path), std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  std::string content(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  in.read(content.data(), size);
  content.resize(static_cast<std::size_t>(in.gcount()));
  return content;
}

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

// The stored text of a key, without any quote handling; nullopt when the file, the
// section or the key is missing, or the key line has no "=".
std::optional<std::string> RawValue(const std::string& path, const char* section, const char* key) {
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return std::nullopt;
  const KeyPlace place = FindKey(SplitLines(*content), Name(section), Name(key));
  if (!place.keyLine || !place.value) return std::nullopt;
  return std::string(CutAtNul(*place.value));
}

// A value in matching single or double quotes is read without them.
std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::string CutToCapacity(std::string_view text, std::size_t capacity) {
  if (capacity == 0) return {};
  return std::string(text.substr(0, capacity - 1));
}

bool WriteWholeFile(const std::string& path, const std::vector<std::string_view>& lines) {
  std::string content;
  std::size_t size = 0;
  for (std::string_view line : lines) size += line.size() + 2;
  content.reserve(size);
  for (std::string_view line : lines) {
    content += line;
    content += "\r\n";
  }
  // An existing file is overwritten and then cut to size rather than truncated first:
  // some file systems flush a file to disk when it is truncated to nothing and rewritten,
  // which made every key written cost a disk round trip.
  const std::string hostPath = HostPath(path);
  std::error_code error;
  const bool exists = std::filesystem::is_regular_file(hostPath, error);
  {
    std::ofstream out(hostPath, exists ? std::ios::binary | std::ios::in | std::ios::out : std::ios::binary);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out.flush()) return false;
  }
  std::filesystem::resize_file(hostPath, content.size(), error);
  return !error;
}

}  // namespace

std::string TextIniStore::ReadString(const std::string& path, const char* section, const char* key,
                                     const char* defaultValue, std::size_t capacity) {
  if (const std::optional<std::string> value = RawValue(path, section, key))
    return CutToCapacity(WithoutQuotes(*value), capacity);
  // The system drops trailing blanks of the default.
  std::string_view fallback = defaultValue ? defaultValue : "";
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  return CutToCapacity(fallback, capacity);
}

bool TextIniStore::WriteString(const std::string& path, const char* section, const char* key, const char* value) {
  const std::string content = ReadWholeFile(path).value_or(std::string());
  std::vector<std::string_view> lines = SplitLines(content);
  const KeyPlace place = FindKey(lines, Name(section), Name(key));

  std::string keyLine(place.keyLine ? place.keyName : Name(key));
  keyLine.append(1, '=').append(TrimLeft(value ? value : ""));
  std::string header(1, '[');
  header.append(Name(section)).append(1, ']');
  if (place.keyLine) {
    lines[*place.keyLine] = keyLine;
  } else if (place.sectionFound) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.insertAt), keyLine);
  } else {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back({});
    lines.push_back(header);
    lines.push_back(keyLine);
  }
  return WriteWholeFile(path, lines);
}

std::int32_t TextIniStore::ReadInt(const std::string& path, const char* section, const char* key,
                                   std::int32_t defaultValue) {
  const std::string value = ReadString(path, section, key, "", kIntBufferSize);
  return value.empty() ? defaultValue : ParseDecimal(value);
}

bool TextIniStore::ReadStruct(const std::string& path, const char* section, const char* key, void* data,
                              std::size_t size) {
  const std::optional<std::string> value = RawValue(path, section, key);
  return value && DecodeStructText(*value, data, size);
}

bool TextIniStore::WriteStruct(const std::string& path, const char* section, const char* key, const void* data,
                               std::size_t size) {
  return WriteString(path, section, key, EncodeStructText(data, size).c_str());
}

std::vector<std::string> TextIniStore::SectionNames(const std::string& path, std::size_t capacity) {
  std::vector<std::string> names;
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return names;
  std::size_t used = 1;  // the final terminator
  for (std::string_view text : SplitLines(*content)) {
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

}  // namespace orvix
