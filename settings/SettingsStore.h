// Everything the configuration operations need from the system, in one place: the INI
// files, the registry and the system queries, and the program folder that is the base
// of every configuration file.
#pragma once

#include <string>

#include "ConfigFiles.h"
#include "IniFile.h"
#include "IniStore.h"
#include "IniWriteBatch.h"
#include "Registry.h"
#include "SystemInfo.h"

namespace orvix {

struct SettingsStore {
  SettingsStore(IniStore& ini, ConfigFiles& files, Registry& registry, SystemInfo& system)
      : ini(ini), files(files), registry(registry), system(system), folder(ProgramFolder(system)) {}

  // A file of the program folder.
  std::string PathOf(const std::string& name) const { return folder + name; }
  IniFile FileOf(const std::string& name) const { return IniFile(ini, PathOf(name)); }

  // Runs `writes` against a store whose INI writes are collected, then makes them: every
  // file written is replaced whole under the writers' lock (see IniWriteBatch).
  template <typename Writes>
  bool WriteFiles(Writes&& writes) const;

  IniStore& ini;  // reads; writes go through WriteFiles
  ConfigFiles& files;
  Registry& registry;
  SystemInfo& system;
  std::string folder;  // with a trailing backslash

 private:
  SettingsStore(const SettingsStore& other, IniStore& writer)
      : ini(writer), files(other.files), registry(other.registry), system(other.system), folder(other.folder) {}
};

template <typename Writes>
bool SettingsStore::WriteFiles(Writes&& writes) const {
  IniWriteBatch batch(ini, files);
  SettingsStore staged(*this, batch);
  writes(static_cast<const SettingsStore&>(staged));
  return batch.Commit();
}

}  // namespace orvix
