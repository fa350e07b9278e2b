#include "ProgramChooser_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <array>

namespace orvix {
namespace {

constexpr char kProgramFilter[] = "exe file(*.exe)\0*.EXE\0";
constexpr char kProfileFilter[] = "Norvel Mouse Profile(*.nmp)\0*.nmp\0";

std::string SpecialFolder(int folder) {
  std::array<char, MAX_PATH> path{};
  if (!::SHGetSpecialFolderPathA(nullptr, path.data(), folder, FALSE)) return {};
  std::string text(path.data());
  if (!text.empty() && text.back() != '\\') text += '\\';
  return text;
}

std::optional<std::string> Run(HWND owner, bool save, const char* filter, const char* extension,
                               const std::string& folder, const std::string& name, DWORD flags) {
  std::array<char, MAX_PATH> file{};
  if (name.size() < file.size()) name.copy(file.data(), name.size());
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = extension;
  dialog.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  // A path longer than the buffer ends the dialog with an error, never with a cut path.
  const BOOL chosen = save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
  if (!chosen) return std::nullopt;
  return std::string(file.data());
}

}  // namespace

std::string DocumentsFolder() { return SpecialFolder(CSIDL_PERSONAL); }

std::optional<std::string> ChooseProgram(HWND owner) {
  return Run(owner, false, kProgramFilter, "exe", SpecialFolder(CSIDL_DESKTOPDIRECTORY), "", OFN_FILEMUSTEXIST);
}

std::optional<std::string> ChooseProfileToLoad(HWND owner, const std::string& startFolder) {
  return Run(owner, false, kProfileFilter, "nmp", startFolder, "", OFN_FILEMUSTEXIST);
}

std::optional<std::string> ChooseProfileToSave(HWND owner, const std::string& startFolder,
                                               const std::string& proposedName) {
  return Run(owner, true, kProfileFilter, "nmp", startFolder, proposedName, OFN_OVERWRITEPROMPT);
}

}  // namespace orvix
