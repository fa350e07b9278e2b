#include "SystemInfo.h"

namespace orvix {

std::string FolderOfPath(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string ProgramFolder(SystemInfo& system) { return FolderOfPath(system.ModulePath()); }

bool FileExists(SystemInfo& system, const std::string& path) { return system.FileExists(path); }

int LanguageIndex(int languageId) {
  const int primary = languageId & 0x3FF;
  switch (languageId) {
    case 0x0406: return 0;   // Danish
    case 0x040B: return 2;   // Finnish
    case 0x040C: case 0x080C: case 0x0C0C: case 0x100C: case 0x140C: return 3;  // French
    case 0x0407: case 0x0807: case 0x0C07: case 0x1007: case 0x1407: return 4;  // German
    case 0x0410: case 0x0810: return 5;  // Italian
    case 0x0411: return 6;   // Japanese
    case 0x0412: return 7;   // Korean
    case 0x0415: return 8;   // Polish
    case 0x0419: return 9;   // Russian
    case 0x0804: return 10;  // Chinese, simplified
    case 0x041D: return 12;  // Swedish
    case 0x041E: return 13;  // Thai
    case 0x0404: return 14;  // Chinese, traditional
    case 0x041F: return 15;  // Turkish
    case 0x042A: return 16;  // Vietnamese
    default: break;
  }
  // Spanish: every sublanguage from 0x040A up to 0x500A.
  if (primary == 0x0A && languageId >= 0x040A && languageId <= 0x500A) return 11;
  return 1;
}

int DetectLanguage(SystemInfo& system) { return LanguageIndex(system.DefaultLanguageId()); }

int OsVersionClass(const OsVersion& v) {
  switch (v.platform) {
    case OsPlatform::kWindows9x:
      if (v.major == 4) return v.minor < 90 ? 1 : 2;
      return v.major > 4 ? 2 : 0;
    case OsPlatform::kWindowsNt:
      if (v.major == 5) return v.minor == 0 ? 3 : 4;
      if (v.major == 6) return v.minor == 0 ? 5 : 6;
      return 0;
    default:
      return 0;
  }
}

int OsVersionClass(SystemInfo& system) { return OsVersionClass(system.Version()); }

std::string CompanionFolder(SystemInfo& system) {
  std::string folder = system.CommonAppDataFolder();
  if (folder.empty()) return {};
  if (folder.back() == '\\' || folder.back() == '/') folder.pop_back();
  return folder + "\\NORVEL\\Parly\\";
}

}  // namespace orvix
