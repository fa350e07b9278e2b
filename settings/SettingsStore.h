// Everything the configuration operations need from the system, in one place: the INI
// files, the registry and the system queries, and the program folder that is the base
// of every configuration file.
#pragma once

#include <string>

#include "IniFile.h"
#include "IniStore.h"
#include "Registry.h"
#include "SystemInfo.h"

namespace orvix {

struct SettingsStore {
  SettingsStore(IniStore& ini, Registry& registry, SystemInfo& system)
      : ini(ini), registry(registry), system(system), folder(ProgramFolder(system)) {}

  // A file of the program folder.
  std::string PathOf(const std::string& name) const { return folder + name; }
  IniFile FileOf(const std::string& name) const { return IniFile(ini, PathOf(name)); }

  IniStore& ini;
  Registry& registry;
  SystemInfo& system;
  std::string folder;  // with a trailing backslash
};

}  // namespace orvix
