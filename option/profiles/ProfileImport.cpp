#include "ProfileImport.h"

#include <cstring>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "IniFile.h"
#include "ProfileFile.h"
#include "ProfileKeys.h"
#include "ProfileRanges.h"

namespace orvix {
namespace {

// A default no profile file can hold: a key read as this is missing.
constexpr char kMissing[] = "\x01";

// Reads every key into the scratch record and notes what is missing or damaged.
struct CheckingReader {
  const IniFile& file;
  ImportRefusal refusal = ImportRefusal::kNone;
  int missing = 0;

  bool Has(const char* key) const { return file.ReadText(kProfileSection, key, kMissing) != kMissing; }

  template <std::size_t N>
  void Text(const char* key, char (&text)[N]) {
    const std::string value = file.ReadText(kProfileSection, key, kMissing);
    if (value == kMissing) {
      ++missing;
      return;
    }
    // A cut name is still the name; a cut path would name another program.
    if (value.size() >= N && N > 250 && refusal == ImportRefusal::kNone) refusal = ImportRefusal::kPathTooLong;
    CopyFixedText(text, value);
  }
  void Int(const char* key, std::int32_t& value, std::int32_t = 0) {
    if (!Has(key)) {
      ++missing;
      return;
    }
    value = file.ReadInt(kProfileSection, key, value);
  }
  void Byte(const char* key, std::uint8_t& value) {
    if (!Has(key)) {
      ++missing;
      return;
    }
    value = static_cast<std::uint8_t>(file.ReadInt(kProfileSection, key, value) & 0xFF);
  }
  template <typename Record>
  void Block(const char* key, Record& block) {
    if (!file.ReadBlock(kProfileSection, key, block) && refusal == ImportRefusal::kNone)
      refusal = ImportRefusal::kDamaged;
  }
};

// Counts and paths inside the button blocks passed their checksums, so they are what the
// writer wrote or what someone forged: neither may be trusted.
bool ButtonsAreSound(const ProfileRecord& record) {
  for (const ButtonAssignment& button : record.MacroKeyInfo) {
    if (button.eventCount > kMaxMacroEvents) return false;
    if (!std::memchr(button.programPath, '\0', sizeof button.programPath)) return false;
  }
  return true;
}

}  // namespace

ImportedProfile ReadProfileToImport(const std::string& path, IniStore& ini, int slot) {
  ImportedProfile result;
  const IniFile file(ini, path);
  std::vector<std::string> sections;
  bool hasSetting = false;
  if (file.SectionNames(sections))
    for (const std::string& name : sections) hasSetting = hasSetting || name == kProfileSection;
  CheckingReader reader{file};
  if (!hasSetting || !reader.Has("ProFileName")) {
    result.refusal = ImportRefusal::kNotAProfile;
    return result;
  }

  ProfileRecord defaults;
  InitDefaultProfile(defaults, slot);
  result.record = defaults;
  VisitProfileKeys(result.record, reader);
  if (reader.refusal == ImportRefusal::kNone && !ButtonsAreSound(result.record)) reader.refusal = ImportRefusal::kBadButton;
  if (reader.refusal != ImportRefusal::kNone) {
    result.refusal = reader.refusal;
    result.record = ProfileRecord{};
    return result;
  }
  std::memset(result.record.padding0, 0, sizeof result.record.padding0);
  std::memset(result.record.padding1, 0, sizeof result.record.padding1);
  result.correctedValues = reader.missing + ClampProfileValues(result.record, defaults);
  return result;
}

std::vector<std::string> ProgramsOf(const ProfileRecord& record) {
  std::vector<std::string> programs;
  for (const auto* game : {&record.GameFile0, &record.GameFile1, &record.GameFile2}) {
    const std::string_view path = FixedTextView(*game);
    if (!path.empty()) programs.emplace_back(path);
  }
  for (const ButtonAssignment& button : record.MacroKeyInfo) {
    const std::string_view path = FixedTextView(button.programPath);
    if (button.function == kFunctionQuicklaunch && !path.empty()) programs.emplace_back(path);
  }
  return programs;
}

void RemovePrograms(ProfileRecord& record, int slot) {
  ProfileRecord defaults;
  InitDefaultProfile(defaults, slot);
  for (auto* game : {&record.GameFile0, &record.GameFile1, &record.GameFile2}) CopyFixedText(*game, "");
  for (int s = 0; s < kButtonSlots; ++s) {
    ButtonAssignment& button = record.MacroKeyInfo[s];
    if (button.function != kFunctionQuicklaunch) continue;
    button.function = defaults.MacroKeyInfo[s].function;
    CopyFixedText(button.programPath, "");
  }
}

}  // namespace orvix
