// Access to INI files with the semantics of the Windows private-profile functions: the
// file path is given with every call and nothing is cached between calls, so that two
// programs writing the same file always see each other's latest values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvix {

class IniStore {
 public:
  virtual ~IniStore() = default;

  // GetPrivateProfileString: the value of the key, or `defaultValue` when the key is
  // missing, cut to capacity - 1 characters (a capacity of 0 gives an empty text).
  virtual std::string ReadString(const std::string& path, const char* section, const char* key,
                                 const char* defaultValue, std::size_t capacity) = 0;
  // WritePrivateProfileString: creates the file and the section when missing.
  virtual bool WriteString(const std::string& path, const char* section, const char* key, const char* value) = 0;
  // GetPrivateProfileInt: `defaultValue` when the key is missing or empty, otherwise the
  // leading decimal number of the value (see ParseDecimal).
  virtual std::int32_t ReadInt(const std::string& path, const char* section, const char* key,
                               std::int32_t defaultValue) = 0;
  // GetPrivateProfileStruct: false, with `data` untouched, when the key is missing, its
  // text has the wrong length or a bad checksum.
  virtual bool ReadStruct(const std::string& path, const char* section, const char* key, void* data,
                          std::size_t size) = 0;
  // WritePrivateProfileStruct.
  virtual bool WriteStruct(const std::string& path, const char* section, const char* key, const void* data,
                           std::size_t size) = 0;
  // GetPrivateProfileSectionNames through a buffer of `capacity` bytes: the names that
  // fit, each with its terminator, before the final terminator.
  virtual std::vector<std::string> SectionNames(const std::string& path, std::size_t capacity) = 0;
};

}  // namespace orvix
