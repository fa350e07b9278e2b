// Writes to INI files collected and then made in one go: Commit takes the writers' lock,
// reads each file afresh, puts in the collected keys in their order and replaces the file
// whole. Keys that another writer put into a file since are kept, and a kill at any moment
// leaves each file complete, old or new. Reads go to the files as they are.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ConfigFiles.h"
#include "IniStore.h"

namespace orvix {

class IniWriteBatch final : public IniStore {
 public:
  IniWriteBatch(IniStore& reader, ConfigFiles& files) : reader_(reader), files_(files) {}

  std::string ReadString(const std::string& path, const char* section, const char* key, const char* defaultValue,
                         std::size_t capacity) override {
    return reader_.ReadString(path, section, key, defaultValue, capacity);
  }
  std::int32_t ReadInt(const std::string& path, const char* section, const char* key,
                       std::int32_t defaultValue) override {
    return reader_.ReadInt(path, section, key, defaultValue);
  }
  bool ReadStruct(const std::string& path, const char* section, const char* key, void* data,
                  std::size_t size) override {
    return reader_.ReadStruct(path, section, key, data, size);
  }
  std::vector<std::string> SectionNames(const std::string& path, std::size_t capacity) override {
    return reader_.SectionNames(path, capacity);
  }
  // Collected, not written: always true.
  bool WriteString(const std::string& path, const char* section, const char* key, const char* value) override;
  bool WriteStruct(const std::string& path, const char* section, const char* key, const void* data,
                   std::size_t size) override;

  // Writes every collected file; false when the lock was not obtained or a file could not
  // be replaced (that file keeps its old content; the others are written).
  bool Commit();

 private:
  struct KeyWrite {
    std::string section, key, value;
  };
  struct FileWrites {
    std::string path;
    std::vector<KeyWrite> keys;
  };

  IniStore& reader_;
  ConfigFiles& files_;
  std::vector<FileWrites> files_written_;
};

}  // namespace orvix
