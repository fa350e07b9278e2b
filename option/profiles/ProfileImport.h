// Importing a profile file the user chose: the file is read into a scratch record and
// checked whole before it may replace a slot's profile, so a damaged, foreign or hostile
// file changes nothing.
#pragma once

#include <string>
#include <vector>

#include "IniStore.h"
#include "ProfileRecord.h"

namespace orvix {

enum class ImportRefusal {
  kNone,
  kNotAProfile,    // no such file, or no "Setting" section with a profile name
  kDamaged,        // a light or button block missing, of the wrong length or checksum
  kBadButton,      // a button slot with more than 500 macro events or an unterminated path
  kPathTooLong,    // a linked program path longer than its field
};

struct ImportedProfile {
  ImportRefusal refusal = ImportRefusal::kNone;
  ProfileRecord record{};  // the profile to take when refusal is kNone
  int correctedValues = 0; // values that were missing or out of range and were set right
};

// Reads `path` for slot `slot` (0..4): missing numbers take the slot's defaults, values out
// of range are brought into range, unknown button functions become the slot's default.
ImportedProfile ReadProfileToImport(const std::string& path, IniStore& ini, int slot);

// The programs an imported profile would start or link to: its three game programs and
// the paths of its quick-launch buttons, in that order, without empty ones.
std::vector<std::string> ProgramsOf(const ProfileRecord& record);
// Takes them out: the game programs are emptied, quick-launch buttons get their slot's
// default function.
void RemovePrograms(ProfileRecord& record, int slot);

}  // namespace orvix
