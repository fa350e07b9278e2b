// Profile files ("*.nmp"): one profile, every field a key of the section "Setting".
#pragma once

#include <string>

#include "IniStore.h"
#include "ProfileRecord.h"

namespace orvix {

// Writes every key of the record into `path`, creating the file or section when missing
// and leaving keys of other names as they are. Write errors are ignored: always 1.
int WriteProfileFile(const ProfileRecord& record, const std::string& path, IniStore& ini);

// Fills the record from `path`; always 1. A missing text reads as empty, a missing
// integer as -1 (0 for UseColorForAll and LtChoseType), a dpi flag as the low byte of
// its integer. A byte block that is missing, of the wrong length or with a bad checksum
// leaves its field with its previous content: the writer always writes every block, so
// such a block was damaged, and LoadConfiguration starts each slot from its defaults so
// that the slot default survives. Texts longer than their arrays are cut; the padding
// between the fields is set to zero.
int ReadProfileFile(ProfileRecord& record, const std::string& path, IniStore& ini);

// The defaults of a fresh slot p (0..4); a p outside that range gets the light defaults
// of the nearest slot.
void InitDefaultProfile(ProfileRecord& record, int slot);

}  // namespace orvix
