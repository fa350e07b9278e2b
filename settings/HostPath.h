// The programs build their file paths the Windows way ("<folder>config\Default0.nmp").
// Where the portable code runs on a POSIX host (native tests), the separators are turned
// into slashes before the file system sees the path.
#pragma once

#include <algorithm>
#include <string>

namespace orvix {

inline std::string HostPath(std::string path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return path;
}

}  // namespace orvix
