#include "OptionFixtures_win.h"

#include <stdexcept>

#include "TextIds.h"
#include "TranslatedTextTable.h"

namespace orvix::test {

std::wstring Wide(const std::string& ansi) {
  std::wstring wide(ansi.size(), L'\0');
  const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                                      static_cast<int>(wide.size()));
  wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return wide;
}

std::string NameText(const char* field, std::size_t size) {
  std::size_t length = 0;
  while (length < size && field[length] != '\0') ++length;
  return std::string(field, length);
}

std::wstring TableText(int id, int language) {
  for (const auto& row : orvix::testing::kTableRows) {
    if (row.id != id) continue;
    const int from = row.texts[language] ? language : kEnglish;
    return row.texts[from] ? row.texts[from] : L"";
  }
  throw std::invalid_argument("no text " + std::to_string(id));
}

std::string SetFlags(const ChangeFlags& flags) {
  std::string set;
  auto note = [&](const std::string& name, std::int32_t value) {
    if (value != 0) set += (set.empty() ? "" : " ") + name + "=" + std::to_string(value);
  };
  for (int p = 0; p < kProfiles; ++p)
    for (int s = 0; s < kButtonSlots; ++s)
      note("button[" + std::to_string(p) + "][" + std::to_string(s) + "]", flags.button[p][s]);
  for (int p = 0; p < kProfiles; ++p) note("settings[" + std::to_string(p) + "]", flags.settings[p]);
  note("currentProfile", flags.currentProfile);
  note("tracking", flags.tracking);
  return set.empty() ? "none" : set;
}

bool OptionTest::Start() {
  program_ = std::make_unique<OptionProgram>(install_.folder());
  if (!program_->WaitForWindow()) return false;
  if (!monitor_) return true;
  // The program may start in any language.
  HWND ok = nullptr, apply = nullptr;
  for (int language = 0; language < orvix::testing::kTableLanguageCount; ++language) {
    if (!ok) ok = program_->Button(TableText(kTextLabelOk, language));
    if (!apply) apply = program_->Button(TableText(kTextLabelApply, language));
  }
  monitor_->WatchButtons(ok, apply);
  return true;
}

bool OptionTest::WaitUntilIdle(DWORD timeoutMs) {
  // OK and Apply are enabled one after the other: idle is when both are. ("OK" is the
  // label in every language, Apply only in English.)
  const HWND ok = program_->Button(L"OK"), apply = program_->Button(L"Apply");
  return ok && PumpUntil([&] { return ::IsWindowEnabled(ok) && (!apply || ::IsWindowEnabled(apply)); }, timeoutMs);
}

bool OptionTest::ClickThenApply(const std::wstring& label) {
  const int before = monitor_ ? monitor_->Count(WM_MON_APPLY_ALL) : 0;
  if (!program_->Click(label) || !program_->Click(L"Apply")) return false;
  if (monitor_ && !monitor_->WaitFor(WM_MON_APPLY_ALL, 10000, before + 1)) return false;
  return WaitUntilIdle();
}

}  // namespace orvix::test

namespace orvix::test {

bool OptionTest::ChooseLanguage(int shownLanguage, const std::wstring& ownName) {
  if (!program_->Click(TableText(kTextLabelSelectLanguage, shownLanguage))) return false;
  const HWND chooser = program_->WaitForPopup(ownName, 5000);
  return chooser && program_->AnswerPopup(chooser, ownName);
}

bool OptionTest::PostNotice(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!::PostMessageW(program_->window(), message, wParam, lParam)) return false;
  PumpFor(200);
  return program_->Answers(5000);
}

}  // namespace orvix::test
