// What the settings store asks of the system besides files and the registry, and the
// small helpers built on it.
#pragma once

#include <string>

namespace orvix {

enum class OsPlatform { kOther, kWindows9x, kWindowsNt };

struct OsVersion {
  OsPlatform platform = OsPlatform::kOther;
  int major = 0;
  int minor = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // Full path of the running program file; empty when it cannot be obtained.
  virtual std::string ModulePath() = 0;
  // True when the file can be opened for reading.
  virtual bool FileExists(const std::string& path) = 0;
  // The system's default language identifier.
  virtual int DefaultLanguageId() = 0;
  virtual OsVersion Version() = 0;
  // The common application-data folder, created when missing, without a trailing
  // backslash; empty when it cannot be obtained.
  virtual std::string CommonAppDataFolder() = 0;
};

// Drive and folder of a file path with the trailing backslash; empty when the path has
// no folder.
std::string FolderOfPath(const std::string& path);
// The running program's folder with a trailing backslash, base of every relative path;
// empty when the module path cannot be obtained.
std::string ProgramFolder(SystemInfo& system);
bool FileExists(SystemInfo& system, const std::string& path);

// The user-interface language index 0..16 of a Windows language identifier.
int LanguageIndex(int languageId);
int DetectLanguage(SystemInfo& system);

// 1 Windows 9x below 4.90, 2 from 4.90; on the NT family 3 for 5.0, 4 for 5.x above 5.0,
// 5 for 6.0, 6 for 6.x above 6.0; 0 for anything else.
int OsVersionClass(const OsVersion& version);
int OsVersionClass(SystemInfo& system);

// The companion application's folder: the common application-data folder followed by
// "\NORVEL\Parly\". Empty when the common folder is unknown, so that no caller ends up
// writing into the root of the current drive.
std::string CompanionFolder(SystemInfo& system);

}  // namespace orvix
