// The program's settings store over text INI files in a temporary install folder that has
// its "config" folder: what the tests of the library and timer files read and write.
#pragma once

#include <filesystem>

#include "ConfigFiles.h"
#include "FakeRegistry.h"
#include "FakeSystemInfo.h"
#include "HostPath.h"
#include "SettingsStore.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix::testing {

struct TextConfigStore {
  TextConfigStore() { std::filesystem::create_directory(HostPath(folder.PathOf("config"))); }

  TempFolder folder;
  TextIniStore ini;
  HostConfigFiles files;
  FakeRegistry registry;
  FakeSystemInfo system{folder.Folder()};
  SettingsStore store{ini, files, registry, system};
};

}  // namespace orvix::testing
