#include "macros/MacroLibraryFile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "FixedText.h"
#include "macros/MacroNameRules.h"
#include "macros/NameText.h"

namespace orvix {
namespace {

constexpr char kNumberKey[] = "number";

std::string IndexKey(int index) { return std::to_string(index); }

// The macros of one set's section, each under a name unique in the set. True when a name
// had to change.
bool LoadMacros(const IniFile& file, const std::string& section, int set, MacroLibrary& library) {
  bool renamed = false;
  const int count = std::clamp(file.ReadInt(section.c_str(), kNumberKey, -1), 0, kMaxMacrosPerSet);
  for (int j = 0; j < count; ++j) {
    MacroRecord macro;
    std::memset(&macro, 0, sizeof macro);
    if (!file.ReadBlock(section.c_str(), IndexKey(j).c_str(), macro)) continue;  // missing or damaged
    const std::string stored(FixedTextView(macro.name));
    const std::string name = UniqueName(StorableMacroName(stored), kMaxMacroNameLength, [&](std::string_view n) {
      return library.IndexOfMacro(set, n) >= 0;
    });
    CopyFixedText(macro.name, name);
    if (library.AddMacro(set, macro) >= 0) renamed |= name != stored;
  }
  return renamed;
}

}  // namespace

void LoadMacroLibrary(const SettingsStore& store, MacroLibrary& library) {
  library.Clear();
  const IniFile file = store.FileOf(kMacroLibraryFile);
  // A count the program never writes cannot make the start read a million keys.
  const int listed = std::clamp(file.ReadInt(kSetIndexSection, kNumberKey, -1), 0, kMaxMacroSets);
  std::vector<std::string> sectionsRead;
  for (int i = 0; i < listed; ++i) {
    const std::string section(TrimName(file.ReadText(kSetIndexSection, IndexKey(i).c_str())));
    if (section.empty() || SameName(section, kSetIndexSection)) continue;  // nothing, or the index itself
    if (std::any_of(sectionsRead.begin(), sectionsRead.end(),
                    [&](const std::string& s) { return SameName(s, section); }))
      continue;  // listed twice: one section, one set
    sectionsRead.push_back(section);
    const std::string name = UniqueName(StorableSetName(section), kMaxSetNameLength, [&](std::string_view n) {
      return library.IndexOfSet(n) >= 0;
    });
    const int set = library.AddSet(name);
    if (set < 0) continue;
    const bool macroRenamed = LoadMacros(file, section, set, library);
    library.MarkSet(set, name != section || macroRenamed ? ChangeState::kModified : ChangeState::kUnchanged);
  }
}

bool SaveMacroLibrary(const SettingsStore& store, MacroLibrary& library) {
  const bool saved = store.WriteFiles([&](const SettingsStore& staged) {
    const IniFile file = staged.FileOf(kMacroLibraryFile);
    file.WriteInt(kSetIndexSection, kNumberKey, library.SetCount());
    for (int i = 0; i < library.SetCount(); ++i)
      file.WriteText(kSetIndexSection, IndexKey(i).c_str(), library.FindSet(i)->name());
    for (const MacroSet& set : library.sets()) {
      if (set.state() == ChangeState::kUnchanged) continue;
      const char* section = set.name().c_str();
      file.WriteInt(section, kNumberKey, set.MacroCount());
      for (int j = 0; j < set.MacroCount(); ++j) file.WriteBlock(section, IndexKey(j).c_str(), set.macros()[j]);
    }
  });
  if (saved) library.MarkAllUnchanged();
  return saved;
}

}  // namespace orvix
