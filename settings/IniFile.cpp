#include "IniFile.h"

#include <cstdio>

namespace orvix {

std::string IniFile::ReadText(const char* section, const char* key, const char* defaultValue) const {
  return store_.ReadString(path_, section, key, defaultValue, kTextBufferSize);
}

bool IniFile::WriteText(const char* section, const char* key, std::string_view text) const {
  const std::string line(text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3))));
  return store_.WriteString(path_, section, key, line.c_str());
}

std::int32_t IniFile::ReadInt(const char* section, const char* key, std::int32_t defaultValue) const {
  return store_.ReadInt(path_, section, key, defaultValue);
}

bool IniFile::WriteInt(const char* section, const char* key, std::int32_t value) const {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  return store_.WriteString(path_, section, key, text);
}

bool IniFile::ReadBlock(const char* section, const char* key, void* data, std::size_t size) const {
  return store_.ReadStruct(path_, section, key, data, size);
}

bool IniFile::WriteBlock(const char* section, const char* key, const void* data, std::size_t size) const {
  return store_.WriteStruct(path_, section, key, data, size);
}

bool IniFile::SectionNames(std::vector<std::string>& names) const {
  names = store_.SectionNames(path_, kSectionNamesBufferSize);
  return !names.empty();
}

}  // namespace orvix
