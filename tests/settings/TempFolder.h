// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "HostPath.h"

namespace orvix::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<unsigned> counter{0};
    static const unsigned run = std::random_device{}();
    const auto base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("orvix-settings-" + std::to_string(run) + "-" + std::to_string(counter++));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder the way the programs write it: with a trailing separator.
  std::string Folder() const { return path_.string() + static_cast<char>(std::filesystem::path::preferred_separator); }
  std::string PathOf(const std::string& name) const { return Folder() + name; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(HostPath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::string& content) {
  std::ofstream out(HostPath(path), std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

inline bool PathExists(const std::string& path) { return std::filesystem::exists(HostPath(path)); }

}  // namespace orvix::testing
