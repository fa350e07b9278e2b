// The IniStore of the programs: the Windows private-profile functions themselves. A path
// that is not a full path is refused (read as a missing file, not written): the system
// would take it from the Windows folder.
#pragma once

#include "IniStore.h"

namespace orvix {

class PrivateProfileStore final : public IniStore {
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
