// The profile commands under the pages: Create and Edit (name and linked programs), Load
// (a profile file into the selected slot, checked first), Save (the slot's profile to a
// file of the user's choice, never over a slot file) and the "windows profile" markers.
// All but Save change the working copy only; the next Apply takes it to the mouse.
#pragma once

#include <windows.h>

#include <string>

#include "IniStore.h"
#include "OptionPage_win.h"
#include "SettingsStore.h"

namespace orvix {

class ProfileCommands {
 public:
  // `ini` reads and writes the profile files, `store` is the settings store of "config.ini".
  ProfileCommands(PageHost& host, IniStore& ini, const SettingsStore& store) : host_(host), ini_(ini), store_(store) {}

  void Create() { EditProfile(true); }
  void Edit() { EditProfile(false); }
  void Load();
  void Save();
  void ToggleWindowsProfile(int slot);

 private:
  void EditProfile(bool create);
  int Slot() const;
  int InterfaceLanguage() const;
  void Notice(int title, const std::wstring& message);
  bool SameFileAsASlotFile(const std::string& path) const;

  PageHost& host_;
  IniStore& ini_;
  const SettingsStore& store_;
};

}  // namespace orvix
