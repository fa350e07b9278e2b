// Drives the macro manager of the program under test: it is opened with the button page's
// Macro Manager button and found by its title; its set selector is the button that shows
// the set's name, its macro list the list box among its own children, the sequence list
// the list box of its editor pane; rows are read with LB_GETTEXT, as a screen reader reads
// them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ButtonPageDriver_win.h"

namespace orvix::test::macro_manager {

inline constexpr wchar_t kManagerTitle[] = L"Orvix One Macro Manager";
inline constexpr wchar_t kSetNameTitle[] = L"Orvix One Macro Set";
inline constexpr wchar_t kBandClass[] = L"OrvixTimelineBand";

inline HWND OpenManager(const OptionProgram& program, HWND page) {
  if (!PostClick(::GetDlgItem(page, button_page::kManagerId))) return nullptr;
  return button_page::WaitForDialog(program, kManagerTitle);
}

// The list boxes of the manager: its own (the macro names) and the editor's (the rows).
inline HWND ListOf(HWND manager, bool sequence) {
  for (HWND list : Descendants(manager, L"ListBox"))
    if ((::GetParent(list) == manager) != sequence) return list;
  return nullptr;
}

inline std::vector<std::wstring> Rows(HWND list) {
  std::vector<std::wstring> rows;
  const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    if (::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 255)
      ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    rows.emplace_back(text);
  }
  return rows;
}

// Opens the set selector (the button showing `setName`) and chooses the set at `place`.
inline bool ChooseSet(const OptionProgram& program, HWND manager, const std::wstring& shownName, int place) {
  if (!PostClick(DescendantButton(manager, shownName))) return false;
  const HWND menu = button_page::WaitForMenu(program.processId());
  if (!menu) return false;
  button_page::WalkMenu(menu, {place});
  return PumpUntil([&] { return button_page::OpenMenus(program.processId()).empty(); }, 5000);
}

}  // namespace orvix::test::macro_manager
