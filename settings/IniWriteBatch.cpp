#include "IniWriteBatch.h"

#include "IniDocument.h"
#include "StructText.h"

namespace orvix {

bool IniWriteBatch::WriteString(const std::string& path, const char* section, const char* key, const char* value) {
  FileWrites* file = nullptr;
  for (FileWrites& f : files_written_)
    if (f.path == path) file = &f;
  if (!file) file = &files_written_.emplace_back(FileWrites{path, {}});
  file->keys.push_back({section ? section : "", key ? key : "", value ? value : ""});
  return true;
}

bool IniWriteBatch::WriteStruct(const std::string& path, const char* section, const char* key, const void* data,
                                std::size_t size) {
  return WriteString(path, section, key, EncodeStructText(data, size).c_str());
}

bool IniWriteBatch::Commit() {
  if (files_written_.empty()) return true;
  if (!files_.Lock()) return false;
  bool all = true;
  for (const FileWrites& file : files_written_) {
    const std::optional<std::string> content = files_.Read(file.path);
    if (!content && files_.Exists(file.path)) {  // unreadable: replacing it would lose its keys
      all = false;
      continue;
    }
    IniDocument document(content.value_or(std::string()));
    for (const KeyWrite& k : file.keys) document.Write(k.section, k.key, k.value);
    all &= files_.Replace(file.path, document.Text());
  }
  files_.Unlock();
  files_written_.clear();
  return all;
}

}  // namespace orvix
