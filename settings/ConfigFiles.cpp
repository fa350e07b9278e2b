#include "ConfigFiles.h"

#include <filesystem>
#include <fstream>

#include "HostPath.h"

namespace orvix {

std::optional<std::string> HostConfigFiles::Read(const std::string& path) {
  std::ifstream in(HostPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return content;
}

bool HostConfigFiles::Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(HostPath(path), error);
}

bool HostConfigFiles::Replace(const std::string& path, const std::string& content) {
  const std::string target = HostPath(path);
  const std::string temporary = target + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

bool HostConfigFiles::Remove(const std::string& path) {
  std::error_code error;
  return std::filesystem::remove(HostPath(path), error);
}

bool HostConfigFiles::Lock() {
  if (locked_) return false;  // one writer at a time, as with the programs' lock
  return locked_ = true;
}

void HostConfigFiles::Unlock() { locked_ = false; }

}  // namespace orvix
