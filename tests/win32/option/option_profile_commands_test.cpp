#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "IniStore_win.h"
#include "FileDialogDriver_win.h"
#include "OptionFixtures_win.h"
#include "ProfileFile.h"

namespace orvix::test {
namespace {

constexpr DWORD kWait = 10000;

struct Found {
  const char* className;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectChildren(HWND window, LPARAM data) {
  auto& found = *reinterpret_cast<Found*>(data);
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, found.className) == 0) found.windows.push_back(window);
  return TRUE;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
  Found found{className, {}};
  ::EnumChildWindows(parent, &CollectChildren, reinterpret_cast<LPARAM>(&found));
  return found.windows;
}

std::string NameOf(const ProfileRecord& profile) { return std::string(FixedTextView(profile.ProFileName)); }

class ProfileCommands : public WithStandIn {
 protected:
  // Applies and returns what the program handed over.
  std::shared_ptr<const SharedDataBlock> ApplyAndTake() {
    monitor_->Clear();
    if (!program_->Click(L"Apply") || !monitor_->WaitFor(WM_MON_APPLY_ALL, kWait)) return nullptr;
    WaitUntilIdle();
    return monitor_->Last(WM_MON_APPLY_ALL)->block;
  }
  HWND OpenProfileDialog(const std::wstring& command) {
    if (!program_->Click(command)) return nullptr;
    return program_->WaitForPopup(L"OK", kWait);
  }
  // The visible "windows profile" markers, left to right.
  std::vector<HWND> Markers() const {
    std::vector<HWND> markers;
    for (HWND button : ChildrenOfClass(program_->window(), "Button"))
      if (::IsWindowVisible(button) && WindowText(button) == L"windows profile") markers.push_back(button);
    std::sort(markers.begin(), markers.end(), [](HWND a, HWND b) {
      RECT ra, rb;
      ::GetWindowRect(a, &ra);
      ::GetWindowRect(b, &rb);
      return ra.left < rb.left;
    });
    return markers;
  }
  std::string WriteProfile(const ProfileRecord& profile, const std::string& name) {
    const std::string path = install_.folder() + name;
    PrivateProfileStore ini;
    WriteProfileFile(profile, path, ini);
    return path;
  }
};

TEST_F(ProfileCommands, EditChangesNameAndProgramsOnlyAndCancelChangesNothing) {
  ASSERT_TRUE(Start());
  HWND dialog = OpenProfileDialog(L"Edit");
  ASSERT_TRUE(dialog);
  std::vector<HWND> fields = ChildrenOfClass(dialog, "Edit");
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(WindowText(fields[0]), Wide(kSlotNames[1]));
  // Typing stops at 20 characters.
  ::SendMessageW(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  for (int i = 0; i < 25; ++i) ::SendMessageW(fields[0], WM_CHAR, 'a' + i, 0);
  EXPECT_EQ(WindowText(fields[0]), L"abcdefghijklmnopqrst");
  ::SendMessageW(fields[2], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\Games\\race.exe"));
  ASSERT_TRUE(program_->AnswerPopup(dialog, L"OK"));
  WaitUntilIdle();
  EXPECT_EQ(program_->Names()[1], L"abcdefghijklmnopqrst");

  auto handed = ApplyAndTake();
  ASSERT_TRUE(handed);
  const ProfileRecord& profile = handed->config.profiles[1];
  EXPECT_EQ(NameOf(profile), "abcdefghijklmnopqrst");
  EXPECT_EQ(FixedTextView(profile.GameFile1), "C:\\Games\\race.exe");
  EXPECT_EQ(FixedTextView(profile.GameFile0), "");
  EXPECT_EQ(SetFlags(handed->flags), "none") << "a name and its programs are no device setting";

  dialog = OpenProfileDialog(L"Edit");
  ASSERT_TRUE(dialog);
  fields = ChildrenOfClass(dialog, "Edit");
  ::SendMessageW(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Gone"));
  ASSERT_TRUE(program_->AnswerPopup(dialog, L"Cancel"));
  WaitUntilIdle();
  EXPECT_EQ(program_->Names()[1], L"abcdefghijklmnopqrst");
}

TEST_F(ProfileCommands, CreateStartsEmptyAndKeepsTheSlotsSettings) {
  monitor_->Change([](SharedDataBlock& block) { block.config.profiles[1].Sensitivity = 9; });
  ASSERT_TRUE(Start());
  HWND dialog = OpenProfileDialog(L"Create");
  ASSERT_TRUE(dialog);
  std::vector<HWND> fields = ChildrenOfClass(dialog, "Edit");
  ASSERT_EQ(fields.size(), 4u);
  for (HWND field : fields) EXPECT_EQ(WindowText(field), L"");
  ::SendMessageW(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Fresh"));
  ASSERT_TRUE(program_->AnswerPopup(dialog, L"OK"));
  auto handed = ApplyAndTake();
  ASSERT_TRUE(handed);
  EXPECT_EQ(NameOf(handed->config.profiles[1]), "Fresh");
  EXPECT_EQ(handed->config.profiles[1].Sensitivity, 9);
}

TEST_F(ProfileCommands, TheWindowsProfileMarkerAsksFirstAndClearsWithoutAQuestion) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(Markers().size(), 5u);
  ::PostMessageW(Markers()[3], BM_CLICK, 0, 0);
  HWND question = program_->WaitForPopup(L"Cancel", kWait);
  ASSERT_TRUE(question);
  EXPECT_NE(OptionProgram::PopupTexts(question).find(L"profile 4"), std::wstring::npos);
  ASSERT_TRUE(program_->AnswerPopup(question, L"Cancel"));
  ASSERT_TRUE(ApplyAndTake());
  EXPECT_EQ(monitor_->Last(WM_MON_APPLY_ALL)->block->config.WindowsProfile, -1);

  ::PostMessageW(Markers()[3], BM_CLICK, 0, 0);
  question = program_->WaitForPopup(L"Cancel", kWait);
  ASSERT_TRUE(question);
  ASSERT_TRUE(program_->AnswerPopup(question, L"OK"));
  auto handed = ApplyAndTake();
  ASSERT_TRUE(handed);
  EXPECT_EQ(handed->config.WindowsProfile, 3);
  EXPECT_EQ(ConfigInt(install_.folder(), "WindowsProfile"), 3);

  // The marker of the Windows profile now has its other look; clicking it clears it at once.
  ::PostMessageW(Markers()[3], BM_CLICK, 0, 0);
  handed = ApplyAndTake();
  ASSERT_TRUE(handed);
  EXPECT_TRUE(program_->Popups().empty());
  EXPECT_EQ(handed->config.WindowsProfile, -1);
}

TEST_F(ProfileCommands, LoadTakesACheckedFileAndSendsEveryButtonOfTheSlot) {
  ProfileRecord file;
  InitDefaultProfile(file, 4);
  CopyFixedText(file.ProFileName, "Imported");
  file.Sensitivity = 3;
  file.CpiLevel_X[1] = 30;
  file.PollingRate = 77;  // out of range: brought in
  file.MacroKeyInfo[6].function = kFunctionQuicklaunch;
  CopyFixedText(file.MacroKeyInfo[6].programPath, "C:\\Tools\\evil.exe");
  const std::string path = WriteProfile(file, "Imported.nmp");

  ASSERT_TRUE(Start());
  ASSERT_TRUE(program_->Click(L"Load"));
  ASSERT_TRUE(AnswerFileDialog(*program_, path));
  // The profile would start a program: the user is asked, and takes it out.
  HWND question = program_->WaitForPopup(L"Remove", kWait);
  ASSERT_TRUE(question);
  EXPECT_NE(OptionProgram::PopupTexts(question).find(L"evil.exe"), std::wstring::npos);
  ASSERT_TRUE(program_->AnswerPopup(question, L"Remove"));
  HWND corrected = program_->WaitForPopup(L"OK", kWait);
  ASSERT_TRUE(corrected) << "the corrected value is told";
  ASSERT_TRUE(program_->AnswerPopup(corrected, L"OK"));

  auto handed = ApplyAndTake();
  ASSERT_TRUE(handed);
  const ProfileRecord& slot = handed->config.profiles[1];
  EXPECT_EQ(NameOf(slot), "Imported");
  EXPECT_EQ(slot.Sensitivity, 3);
  EXPECT_EQ(slot.CpiLevel_X[1], 30);
  EXPECT_EQ(slot.PollingRate, 3);
  EXPECT_NE(slot.MacroKeyInfo[6].function, kFunctionQuicklaunch);
  EXPECT_EQ(FixedTextView(slot.MacroKeyInfo[6].programPath), "");
  for (int b = 0; b < kButtonSlots; ++b) EXPECT_EQ(handed->flags.button[1][b], 1) << "button " << b;
  EXPECT_EQ(handed->flags.button[0][0], 0);
  EXPECT_EQ(NameOf(handed->config.profiles[0]), kSlotNames[0]);
}

TEST_F(ProfileCommands, ADamagedFileIsRefusedWithANoticeAndChangesNothing) {
  ProfileRecord file;
  InitDefaultProfile(file, 0);
  const std::string path = WriteProfile(file, "Damaged.nmp");
  auto text = ReadWholeFile(path);
  ASSERT_TRUE(text);
  const std::size_t at = text->find("MacroKeyInfo3=") + 30;
  (*text)[at] = (*text)[at] == 'A' ? 'B' : 'A';
  FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(out);
  std::fwrite(text->data(), 1, text->size(), out);
  std::fclose(out);

  ASSERT_TRUE(Start());
  ASSERT_TRUE(program_->Click(L"Load"));
  ASSERT_TRUE(AnswerFileDialog(*program_, path));
  HWND notice = program_->WaitForPopup(L"OK", kWait);
  ASSERT_TRUE(notice);
  EXPECT_NE(OptionProgram::PopupTexts(notice).find(L"damaged"), std::wstring::npos);
  ASSERT_TRUE(program_->AnswerPopup(notice, L"OK"));
  auto handed = ApplyAndTake();
  ASSERT_TRUE(handed);
  EXPECT_EQ(NameOf(handed->config.profiles[1]), kSlotNames[1]);
  EXPECT_EQ(SetFlags(handed->flags), "none");
}

TEST_F(ProfileCommands, SaveWritesTheChosenFileAndNeverASlotFile) {
  ASSERT_TRUE(Start());
  const auto before = ConfigurationFiles(install_.folder());

  // A slot file is refused, even when the user confirmed replacing it.
  ASSERT_TRUE(program_->Click(L"Save"));
  ASSERT_TRUE(AnswerFileDialog(*program_, install_.folder() + "config\\DEFAULT3.nmp"));
  const DWORD start = ::GetTickCount();
  bool refused = false;
  while (!refused && ::GetTickCount() - start < kWait) {
    for (HWND popup : program_->Popups()) {
      const std::wstring texts = OptionProgram::PopupTexts(popup);
      if (texts.find(L"profile slots") != std::wstring::npos) {
        refused = true;
        program_->AnswerPopup(popup, L"OK");
      } else if (HWND yes = ChildButton(popup, L"&Yes")) {
        ::PostMessageW(yes, BM_CLICK, 0, 0);  // the file dialog's "replace?"
      }
    }
    ::Sleep(100);
  }
  EXPECT_TRUE(refused);
  EXPECT_EQ(ConfigurationFiles(install_.folder()), before);

  const std::string target = install_.folder() + "My export.nmp";
  ASSERT_TRUE(program_->Click(L"Save"));
  ASSERT_TRUE(AnswerFileDialog(*program_, target));
  ASSERT_TRUE(WaitUntilIdle());
  for (int i = 0; i < 50 && !ReadWholeFile(install_.folder() + "config\\My export.nmp"); ++i) ::Sleep(100);
  ProfileRecord saved;
  PrivateProfileStore ini;
  ReadProfileFile(saved, target, ini);
  EXPECT_EQ(NameOf(saved), kSlotNames[1]);
  EXPECT_TRUE(ReadWholeFile(install_.folder() + "config\\My export.nmp")) << "the library copy";
  auto after = ConfigurationFiles(install_.folder());
  for (const auto& [name, bytes] : before)
    if (name != "config.ini") {
      EXPECT_EQ(after[name], bytes) << name;
    }
}

}  // namespace
}  // namespace orvix::test
