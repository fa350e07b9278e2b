#include "ProfileCommands_win.h"

#include <algorithm>

#include "Configuration.h"
#include "FixedText.h"
#include "NoticeDialog_win.h"
#include "ProfileDialog_win.h"
#include "ProfileFile.h"
#include "ProgramChooser_win.h"
#include "TextFormat.h"
#include "TextIds.h"
#include "WideText_win.h"
#include "profiles/ExportTarget.h"
#include "profiles/ProfileImport.h"
#include "profiles/ProfileTexts.h"

namespace orvix {
namespace {

// The programs of an imported profile, by file name: the whole paths rarely fit.
std::wstring ProgramList(const std::vector<std::string>& programs) {
  constexpr std::size_t kShown = 4;
  std::wstring list;
  for (std::size_t i = 0; i < programs.size() && i < kShown; ++i)
    list += L"\n  " + WideFromAnsi(FileTitleOf(programs[i])) + L".exe";
  if (programs.size() > kShown) list += L"\n  \u2026 (+" + std::to_wstring(programs.size() - kShown) + L")";
  return list;
}

// Two names of one file: the same volume and file index.
bool SameFile(const std::string& a, const std::string& b) {
  auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const HANDLE file = ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool known = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    return known;
  };
  BY_HANDLE_FILE_INFORMATION first{}, second{};
  return identity(a, first) && identity(b, second) && first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

}  // namespace

int ProfileCommands::Slot() const {
  return std::clamp(host_.Working().config.CurrentProfile, 0, kProfiles - 1);
}

int ProfileCommands::InterfaceLanguage() const { return host_.Working().config.QuickHelpLan; }

void ProfileCommands::Notice(int title, const std::wstring& message) {
  const LanguageLibrary& texts = host_.Texts();
  NoticeDialog::Show(host_.Frame(), {host_.InstallFolder(), host_.Dpi(), texts.Text(title), message,
                                     texts.Text(kTextLabelOk), {}, InterfaceLanguage()});
}

void ProfileCommands::EditProfile(bool create) {
  ProfileRecord& profile = host_.Working().config.profiles[Slot()];
  ProfileDialogFields fields;
  if (!create) {
    fields.name = std::string(FixedTextView(profile.ProFileName));
    fields.programs = {std::string(FixedTextView(profile.GameFile0)), std::string(FixedTextView(profile.GameFile1)),
                       std::string(FixedTextView(profile.GameFile2))};
  }
  if (!RunProfileDialog(host_.Frame(), {host_.InstallFolder(), host_.Dpi(), &host_.Texts(), InterfaceLanguage()},
                        fields))
    return;
  CopyFixedText(profile.ProFileName, fields.name);
  CopyFixedText(profile.GameFile0, fields.programs[0]);
  CopyFixedText(profile.GameFile1, fields.programs[1]);
  CopyFixedText(profile.GameFile2, fields.programs[2]);
  host_.RefreshAll();
}

void ProfileCommands::Load() {
  const auto path = ChooseProfileToLoad(host_.Frame(), host_.InstallFolder() + "config\\");
  if (!path) return;
  const int slot = Slot();
  ImportedProfile imported = ReadProfileToImport(*path, ini_, slot);
  const LanguageLibrary& texts = host_.Texts();
  if (imported.refusal != ImportRefusal::kNone) {
    Notice(kTextImportTitle, texts.Text(imported.refusal == ImportRefusal::kNotAProfile ? kTextImportNotAProfile
                                                                                       : kTextImportDamaged));
    return;
  }
  // A profile from elsewhere may start programs: the user sees which, and may refuse them.
  const std::vector<std::string> programs = ProgramsOf(imported.record);
  if (!programs.empty()) {
    const std::wstring question =
        texts.Text(kTextImportPrograms) + ProgramList(programs) + L"\n" + texts.Text(kTextImportKeepPrograms);
    const int answer = NoticeDialog::Show(host_.Frame(), {host_.InstallFolder(), host_.Dpi(), texts.Text(kTextImportTitle),
                                                          question, texts.Text(kTextButtonKeep),
                                                          texts.Text(kTextButtonRemove), InterfaceLanguage()});
    if (answer != NoticeDialog::kFirstButton) RemovePrograms(imported.record, slot);
  }
  SharedDataBlock& working = host_.Working();
  working.config.profiles[slot] = imported.record;
  // Every button of the slot goes to the mouse, changed or not.
  for (auto& flag : working.flags.button[slot]) flag = 1;
  host_.RefreshAll();
  if (imported.correctedValues > 0)
    Notice(kTextImportTitle, FormatWithNumber(texts.Text(kTextImportCorrected), imported.correctedValues));
}

bool ProfileCommands::SameFileAsASlotFile(const std::string& path) const {
  if (IsSlotFile(path, host_.InstallFolder())) return true;
  for (int slot = 0; slot < kProfiles; ++slot)
    if (SameFile(path, ProfileFilePath(store_, slot))) return true;
  return false;
}

void ProfileCommands::Save() {
  const int slot = Slot();
  const ProfileRecord& profile = host_.Working().config.profiles[slot];
  std::string folder = DocumentsFolder();
  if (folder.empty()) folder = host_.InstallFolder() + "config\\";
  std::string proposed = ProposedExportFileName(FixedTextView(profile.ProFileName));
  if (IsSlotFile(folder + proposed, host_.InstallFolder())) proposed = "Profile " + proposed;
  const auto path = ChooseProfileToSave(host_.Frame(), folder, proposed);
  if (!path) return;
  if (SameFileAsASlotFile(*path)) {
    Notice(kTextExportTitle, host_.Texts().Text(kTextExportOverSlotFile));
    return;
  }
  // Written beside the target and moved over it: an old file is replaced whole or kept.
  const std::string scratch = *path + ".saving";
  ::DeleteFileA(scratch.c_str());
  WriteProfileFile(profile, scratch, ini_);
  if (!::MoveFileExA(scratch.c_str(), path->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileA(scratch.c_str());
    Notice(kTextExportTitle, host_.Texts().Text(kTextExportFailed));
    return;
  }
  const std::string title = FileTitleOf(*path);
  WriteProfileFileName(store_, slot, title);
  // The program keeps a copy of every export beside the slot files, never over one.
  if (const auto copy = LibraryCopyPath(host_.InstallFolder(), title); copy && !SameFile(*copy, *path))
    ::CopyFileA(path->c_str(), copy->c_str(), FALSE);
}

void ProfileCommands::ToggleWindowsProfile(int slot) {
  if (slot < 0 || slot >= kProfiles) return;
  ConfigRecord& config = host_.Working().config;
  if (config.WindowsProfile == slot) {
    config.WindowsProfile = -1;
  } else {
    const LanguageLibrary& texts = host_.Texts();
    const int answer = NoticeDialog::Show(
        host_.Frame(), {host_.InstallFolder(), host_.Dpi(), texts.Text(kTextWindowsProfileTitle),
                        FormatWithNumber(texts.Text(kTextWindowsProfileQuestion), slot + 1), texts.Text(kTextLabelOk),
                        texts.Text(kTextLabelCancel), InterfaceLanguage()});
    if (answer != NoticeDialog::kFirstButton) return;
    config.WindowsProfile = slot;
  }
  host_.RefreshAll();
}

}  // namespace orvix
