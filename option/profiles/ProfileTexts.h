// Identifiers of the profile commands' texts in the language libraries (their texts:
// assets/languages/texts/profiles.lang).
#pragma once

namespace orvix {

inline constexpr int kTextProfileDialogTitle = 3501;
inline constexpr int kTextProfileName = 3502;
inline constexpr int kTextProfilePrograms = 3503;
inline constexpr int kTextProfileProgramsHint = 3504;
inline constexpr int kTextWindowsProfileTitle = 3505;
inline constexpr int kTextWindowsProfileQuestion = 3506;  // "%d": the slot number 1..5
inline constexpr int kTextImportTitle = 3507;
inline constexpr int kTextImportNotAProfile = 3508;
inline constexpr int kTextImportDamaged = 3509;
inline constexpr int kTextImportPrograms = 3510;      // followed by the list of programs
inline constexpr int kTextImportKeepPrograms = 3511;  // the question after the list
inline constexpr int kTextButtonKeep = 3512;
inline constexpr int kTextButtonRemove = 3513;
inline constexpr int kTextExportTitle = 3514;
inline constexpr int kTextExportOverSlotFile = 3515;
inline constexpr int kTextExportFailed = 3516;
inline constexpr int kTextImportCorrected = 3517;      // "%d": how many values were set right

}  // namespace orvix
