// Drives the button assignment page of the program under test as a person would: its slot
// buttons (control identifiers 200 + slot) are found under the page, a slot's pop-up menu
// is opened with a click and walked with the arrow keys (the program draws the items, so
// they are found by their place in the menu, as a keyboard user finds them), the dialogs
// are found by their titles, and keys are typed on the X display with xdotool, so that the
// program sees them as the keyboard's and not as keys another program injected.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "AdvancedPageDriver_win.h"
#include "MonitorHarness_win.h"
#include "OptionProgram_win.h"

namespace orvix::test::button_page {

inline constexpr int kFirstSlotId = 200;
inline constexpr int kManagerId = 300;

// The page: the parent of the slot buttons, which also holds the Macro Manager button.
inline HWND Page(HWND mainWindow) {
  for (HWND button : Descendants(mainWindow, L"Button")) {
    if (::GetDlgCtrlID(button) != kManagerId) continue;
    const HWND parent = ::GetParent(button);
    if (::GetDlgItem(parent, kFirstSlotId) && ::GetDlgItem(parent, kFirstSlotId + 23)) return parent;
  }
  return nullptr;
}

inline HWND Slot(HWND page, int slot) { return ::GetDlgItem(page, kFirstSlotId + slot); }

// The entries of a slot's menu before its plain items, in menu order. The Altlayer and
// companion entries belong to slots 3 and 4, Pinpoint to the normal layer.
enum class Entry { kAltlayer, kParly, kMacros, kTimers, kProfile, kDpi, kSensitivity, kMultimedia, kPinpoint };
// The plain items after the separator, in menu order.
enum class Plain {
  kClick, kMenu, kUniversalScrolling, kDoubleClick, kShortcut, kDisabled, kIeForward, kIeBackward, kTiltLeft,
  kTiltRight, kScrollUp, kScrollDown, kQuicklaunch, kWindowsKey, kOpenDriver
};

inline bool SlotHas(int slot, Entry entry) {
  if (entry == Entry::kAltlayer || entry == Entry::kParly) return slot == 3 || slot == 4;
  if (entry == Entry::kPinpoint) return slot < 12;
  return true;
}

// The place of an entry among the items of the slot's menu that the arrow keys stop at
// (separators are passed over).
inline int PlaceOf(int slot, Entry entry) {
  int place = 0;
  for (int e = 0; e < static_cast<int>(entry); ++e)
    if (SlotHas(slot, static_cast<Entry>(e))) ++place;
  return place;
}
inline int PlaceOf(int slot, Plain item) {
  return PlaceOf(slot, Entry::kPinpoint) + (SlotHas(slot, Entry::kPinpoint) ? 1 : 0) + static_cast<int>(item);
}

// The visible pop-up menu windows of process `processId`.
struct MenuSearch {
  DWORD processId;
  std::vector<HWND> found;
};
inline BOOL CALLBACK CollectMenu(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<MenuSearch*>(context);
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (std::wstring(name) == L"#32768" && owner == search.processId && ::IsWindowVisible(window))
    search.found.push_back(window);
  return TRUE;
}
inline std::vector<HWND> OpenMenus(DWORD processId) {
  MenuSearch search{processId, {}};
  ::EnumWindows(&CollectMenu, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
inline HWND WaitForMenu(DWORD processId, DWORD timeoutMs = 5000) {
  HWND menu = nullptr;
  PumpUntil([&] {
    const auto menus = OpenMenus(processId);
    menu = menus.empty() ? nullptr : menus.front();
    return menu != nullptr;
  }, timeoutMs);
  return menu;
}

inline void PostKeys(HWND window, UINT key, int times = 1) {
  for (int i = 0; i < times; ++i) ::PostMessageW(window, WM_KEYDOWN, key, 0);
}

// Walks an open menu: `places` holds the place of the item at each level, from the top
// menu down; every level but the last is a submenu, opened with the right arrow (which
// selects its first item). A negative place counts from the end (-1 the last item), as the
// up arrow wraps around from the first. Enter then chooses the item.
inline void WalkMenu(HWND menu, const std::vector<int>& places) {
  bool top = true;
  for (int place : places) {
    if (!top) PostKeys(menu, VK_RIGHT);
    if (place >= 0) {
      PostKeys(menu, VK_DOWN, place + (top ? 1 : 0));  // nothing is selected when the menu opens
    } else {
      if (top) PostKeys(menu, VK_DOWN);
      PostKeys(menu, VK_UP, -place);
    }
    top = false;
  }
  PostKeys(menu, VK_RETURN);
}

// Clicks slot `slot` and walks its menu; false when no menu opened.
inline bool ChooseForSlot(const OptionProgram& program, HWND page, int slot, const std::vector<int>& places) {
  if (!PostClick(Slot(page, slot))) return false;
  const HWND menu = WaitForMenu(program.processId());
  if (!menu) return false;
  WalkMenu(menu, places);
  return PumpUntil([&] { return OpenMenus(program.processId()).empty(); }, 5000);
}

// A pop-up of the program whose window text is `title`.
inline HWND WaitForDialog(const OptionProgram& program, const std::wstring& title, DWORD timeoutMs = 10000) {
  HWND found = nullptr;
  PumpUntil([&] {
    for (HWND popup : program.Popups())
      if (WindowText(popup) == title) found = popup;
    return found != nullptr;
  }, timeoutMs);
  return found;
}

inline bool SetText(HWND window, const std::wstring& text) {
  DWORD_PTR result = 0;
  return window && ::SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                         SMTO_ABORTIFHUNG, 3000, &result);
}

// Moves the pointer to `screen` and waits until it is there: a move can be undone by a
// position the display still reports from before, as when a menu let the pointer go, so
// the pointer is moved again until it stays (as a hand on the mouse would).
inline bool MovePointer(POINT screen) {
  return PumpUntil([&] {
    POINT now{};
    ::GetCursorPos(&now);
    if (now.x == screen.x && now.y == screen.y) return true;
    ::SetCursorPos(screen.x, screen.y);
    return false;
  }, 5000);
}

// The pointer away from the program's windows, so that no menu closes over its button.
inline bool ParkPointer(HWND mainWindow) {
  RECT r{};
  ::GetWindowRect(mainWindow, &r);
  const int x = r.left > 20 ? 5 : ::GetSystemMetrics(SM_CXSCREEN) - 5;
  const int y = r.top > 20 ? 5 : ::GetSystemMetrics(SM_CYSCREEN) - 5;
  return MovePointer({x, y});
}

inline POINT CentreOf(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A left click of the mouse at `screen`.
inline bool ClickAt(POINT screen) {
  if (!MovePointer(screen)) return false;
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  return ::SendInput(2, clicks, sizeof(INPUT)) == 2;
}

// xdotool on the display Wine draws on. Keys it types come from the X server, as a
// keyboard's do; keys a program injects with SendInput are flagged as injected.
inline constexpr char kXdotool[] = "Z:\\usr\\bin\\xdotool";

inline bool XdotoolAvailable() {
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  const bool wine = ntdll && ::GetProcAddress(ntdll, "wine_get_version");
  return wine && ::GetFileAttributesA(kXdotool) != INVALID_FILE_ATTRIBUTES;
}

// Runs xdotool with `arguments`. Wine starts a Unix program without a handle to wait on:
// the caller waits for what it does.
inline bool RunXdotool(const std::string& arguments) {
  std::string commandLine = std::string(kXdotool) + " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  if (info.hThread) ::CloseHandle(info.hThread);
  if (info.hProcess) ::CloseHandle(info.hProcess);
  return true;
}

// Types `keys` (xdotool's key names: "Return", "F5") on the display.
inline bool TypeOnDisplay(const std::string& keys) { return RunXdotool("key " + keys); }

// A click of the display's pointer at `screen`.
inline bool ClickOnDisplay(POINT screen) {
  return RunXdotool("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " click 1");
}

// A key pressed and released through SendInput: flagged as injected.
inline void InjectKey(WORD virtualKey) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
}

}  // namespace orvix::test::button_page
