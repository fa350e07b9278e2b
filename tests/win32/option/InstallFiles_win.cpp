#include "InstallFiles_win.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "ConfigFiles_win.h"
#include "Configuration.h"
#include "IniStore_win.h"
#include "ProfileFile.h"
#include "Registry_win.h"
#include "SettingsStore.h"
#include "SystemInfo_win.h"
#include "WinHandles.h"

namespace orvix::test {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                                  b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[65536];
  DWORD got = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  return content;
}

std::optional<int> IniInt(const std::string& content, const std::string& section, const std::string& key) {
  bool inSection = false;
  std::size_t at = 0;
  while (at < content.size()) {
    std::size_t end = content.find('\n', at);
    if (end == std::string::npos) end = content.size();
    const std::string line = Trimmed(content.substr(at, end - at));
    at = end + 1;
    if (!line.empty() && line.front() == '[') {
      inSection = line.back() == ']' && SameIgnoringCase(line.substr(1, line.size() - 2), section);
      continue;
    }
    const auto equals = line.find('=');
    if (!inSection || equals == std::string::npos || !SameIgnoringCase(Trimmed(line.substr(0, equals)), key)) continue;
    const std::string value = Trimmed(line.substr(equals + 1));
    char* stop = nullptr;
    const long number = std::strtol(value.c_str(), &stop, 10);
    if (value.empty() || *stop != '\0') return std::nullopt;
    return static_cast<int>(number);
  }
  return std::nullopt;
}

std::optional<int> ConfigInt(const std::string& folder, const std::string& key) {
  const auto content = ReadWholeFile(folder + "config.ini");
  return content ? IniInt(*content, "Setting", key) : std::nullopt;
}

std::map<std::string, std::string> ConfigurationFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::vector<std::string> names{"config.ini"};
  for (int slot = 0; slot < kProfiles; ++slot) names.push_back("config\\Default" + std::to_string(slot) + ".nmp");
  for (const std::string& name : names)
    if (auto content = ReadWholeFile(folder + name)) files[name] = std::move(*content);
  return files;
}

bool WriteConfiguration(const std::string& folder, const ConfigRecord& config) {
  PrivateProfileStore ini;
  WindowsConfigFiles files;
  SystemRegistry registry;
  WindowsSystemInfo system;
  SettingsStore store(ini, files, registry, system);
  store.folder = folder;
  return SaveConfigurationFiles(config, store);
}

std::unique_ptr<ConfigRecord> SaneConfiguration(int current) {
  auto config = std::make_unique<ConfigRecord>();
  std::memset(config.get(), 0, sizeof *config);
  config->CurrentProfile = current;
  config->WindowsProfile = -1;
  config->QuickHelpLan = 1;
  for (int p = 0; p < kProfiles; ++p) {
    ProfileRecord& profile = config->profiles[p];
    InitDefaultProfile(profile, p);
    std::memset(profile.ProFileName, 0, sizeof profile.ProFileName);
    std::strncpy(profile.ProFileName, kSlotNames[p], sizeof profile.ProFileName - 1);
  }
  return config;
}

}  // namespace orvix::test
