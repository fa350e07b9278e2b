#include "TextIniStore.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

#include "DecimalText.h"
#include "HostPath.h"
#include "IniDocument.h"
#include "StructText.h"

namespace orvix {
namespace {

// GetPrivateProfileInt reads the value through a buffer of this size.
constexpr std::size_t kIntBufferSize = 30;

// Section and key names as the caller gave them; a null name is an empty one.
std::string_view Name(const char* name) { return name ? name : ""; }

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

std::optional<std::string> RawValue(const std::string& path, const char* section, const char* key) {
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return std::nullopt;
  return IniDocument(*content).RawValue(Name(section), Name(key));
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
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
  IniDocument document(ReadWholeFile(path).value_or(std::string()));
  document.Write(Name(section), Name(key), Name(value));
  return WriteWholeFile(path, document.Text());
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
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return {};
  return IniDocument(*content).SectionNames(capacity);
}

}  // namespace orvix
