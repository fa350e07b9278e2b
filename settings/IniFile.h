// One INI file: its path and the store that reads and writes it. Every operation goes
// to the file itself; nothing is cached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "IniStore.h"

namespace orvix {

class IniFile {
 public:
  // Texts are read through a buffer of this size: at most 2047 characters.
  static constexpr std::size_t kTextBufferSize = 2048;
  // Section names are listed through a buffer of this size.
  static constexpr std::size_t kSectionNamesBufferSize = 16384;

  IniFile(IniStore& store, std::string path) : store_(store), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  std::string ReadText(const char* section, const char* key, const char* defaultValue = "") const;
  // A text is one line of the file: it is cut at its first line break, so that no
  // value can add lines, keys or sections of its own.
  bool WriteText(const char* section, const char* key, std::string_view text) const;
  std::int32_t ReadInt(const char* section, const char* key, std::int32_t defaultValue) const;
  bool WriteInt(const char* section, const char* key, std::int32_t value) const;
  // False, with `data` untouched, when the block is missing, of another size or damaged.
  bool ReadBlock(const char* section, const char* key, void* data, std::size_t size) const;
  bool WriteBlock(const char* section, const char* key, const void* data, std::size_t size) const;
  // True when the file has at least one section.
  bool SectionNames(std::vector<std::string>& names) const;

  template <typename Record>
  bool ReadBlock(const char* section, const char* key, Record& record) const {
    return ReadBlock(section, key, &record, sizeof record);
  }
  template <typename Record>
  bool WriteBlock(const char* section, const char* key, const Record& record) const {
    return WriteBlock(section, key, &record, sizeof record);
  }

 private:
  IniStore& store_;
  std::string path_;
};

}  // namespace orvix
