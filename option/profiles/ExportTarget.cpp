#include "ExportTarget.h"

#include <cctype>
#include <vector>

#include "ProfileRecord.h"

namespace orvix {
namespace {

constexpr std::size_t kMaxWindowsPath = 259;  // MAX_PATH without the terminator
constexpr char kForbidden[] = "\\/:*?\"<>|";

// Lower case, backslashes, "." and ".." resolved, no doubled separators.
std::string Normalised(std::string_view path) {
  std::vector<std::string> parts;
  std::string part;
  auto flush = [&] {
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    part.clear();
  };
  for (char c : path) {
    if (c == '/' || c == '\\') {
      flush();
    } else {
      part += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  flush();
  // Windows ignores trailing dots and blanks of a file name.
  if (!parts.empty())
    while (!parts.back().empty() && (parts.back().back() == '.' || parts.back().back() == ' ')) parts.back().pop_back();
  std::string joined;
  for (const std::string& p : parts) joined += (joined.empty() ? "" : "\\") + p;
  return joined;
}

}  // namespace

std::string ProposedExportFileName(std::string_view profileName) {
  std::string name;
  for (char c : profileName) {
    if (static_cast<unsigned char>(c) < 32 || std::string_view(kForbidden).find(c) != std::string_view::npos) continue;
    name += c;
  }
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(name.begin());
  if (name.empty()) name = "Profile";
  return name + ".nmp";
}

bool IsSlotFile(std::string_view path, std::string_view installFolder) {
  const std::string target = Normalised(path);
  for (int slot = 0; slot < kProfiles; ++slot) {
    const std::string slotFile = std::string(installFolder) + "config\\Default" + std::to_string(slot) + ".nmp";
    if (target == Normalised(slotFile)) return true;
  }
  return false;
}

std::string FileTitleOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::string(name);
}

std::optional<std::string> LibraryCopyPath(std::string_view installFolder, std::string_view title) {
  if (title.empty()) return std::nullopt;
  std::string path = std::string(installFolder) + "config\\" + std::string(title) + ".nmp";
  if (path.size() > kMaxWindowsPath || IsSlotFile(path, installFolder)) return std::nullopt;
  return path;
}

}  // namespace orvix
