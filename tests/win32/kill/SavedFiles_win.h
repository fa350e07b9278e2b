// The six files one Apply of the configuration program saves, by their place in an install
// folder: "config.ini" and the five profile files. Read and written whole, byte for byte.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace orvix::test {

inline constexpr std::size_t kSavedFileCount = 6;
inline constexpr std::array<const char*, kSavedFileCount> kSavedFiles = {
    "config.ini",          "config\\Default0.nmp", "config\\Default1.nmp",
    "config\\Default2.nmp", "config\\Default3.nmp", "config\\Default4.nmp"};

using SavedContents = std::array<std::string, kSavedFileCount>;

// The whole file; nullopt when it cannot be read (a missing file among them).
std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& content);
// The file's size in bytes; -1 when it is missing.
long long FileSize(const std::string& path);

// Writes each file of `contents` into `folder` and removes any "<file>.new" a killed save
// left beside it; false when a file could not be written.
bool LayDownFiles(const std::string& folder, const SavedContents& contents);
// Whether some "<file>.new" is there.
bool AnyTemporaryLeft(const std::string& folder);

}  // namespace orvix::test
