// An IniStore over plain text files that behaves as the Windows private-profile
// functions do: case-insensitive section and key names, white space trimmed around names
// and values, matching quotes around a value dropped when it is read, keys before the
// first section header in an unnamed section, the first of duplicate sections and keys
// wins, a new key appended at the end of its section, an existing key rewritten in
// place, every line written back with CR LF. Any file content is accepted: binary
// garbage, NUL bytes, huge lines, "[" without "]", no newline at the end.
#pragma once

#include "IniStore.h"

namespace orvix {

class TextIniStore final : public IniStore {
 public:
  std::string ReadString(const std::string& path, const char* section, const char* key, const char* defaultValue,
                         std::size_t capacity) override;
  bool WriteString(const std::string& path, const char* section, const char* key, const char* value) override;
  std::int32_t ReadInt(const std::string& path, const char* section, const char* key,
                       std::int32_t defaultValue) override;
  bool ReadStruct(const std::string& path, const char* section, const char* key, void* data,
                  std::size_t size) override;
  bool WriteStruct(const std::string& path, const char* section, const char* key, const void* data,
                   std::size_t size) override;
  std::vector<std::string> SectionNames(const std::string& path, std::size_t capacity) override;
};

}  // namespace orvix
