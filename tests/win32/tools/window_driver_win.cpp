// Drives a window of the suite from a script, as a person would with the mouse: used by
// scripts/screenshot.
//   window_driver wait  "<title>" <timeout-ms>   prints "<x> <y> <width> <height>" once visible
//   window_driver click "<title>" "<label>"      clicks the button with that label
//   window_driver menu  <key>...                 presses keys (down, up, left, right,
//                                                return, escape) in the open pop-up menu,
//                                                then prints the rectangle of its windows
// The click is posted, so a button that opens a modal dialog does not hold the driver.
// Exit code 0 on success, 1 when the window or the button is not there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND WaitForWindow(const char* title, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    const HWND window = ::FindWindowA(nullptr, title);
    if (window && ::IsWindowVisible(window)) return window;
    if (::GetTickCount() - start >= timeoutMs) return nullptr;
    ::Sleep(50);
  }
}

struct Search {
  const wchar_t* label;
  HWND found;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  wchar_t className[32] = {}, text[256] = {};
  ::GetClassNameW(child, className, 32);
  ::GetWindowTextW(child, text, 256);
  if (::lstrcmpiW(className, L"Button") == 0 && ::lstrcmpW(text, search->label) == 0 && ::IsWindowVisible(child)) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

std::wstring Wide(const char* utf8) {
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring text(n > 0 ? static_cast<std::size_t>(n) : 1u, L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), n);
  text.resize(text.size() - 1);
  return text;
}

HWND OpenMenu(DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    const HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (menu && ::IsWindowVisible(menu)) return menu;
    if (::GetTickCount() - start >= timeoutMs) return nullptr;
    ::Sleep(50);
  }
}

UINT VirtualKeyOf(const std::string& name) {
  if (name == "down") return VK_DOWN;
  if (name == "up") return VK_UP;
  if (name == "left") return VK_LEFT;
  if (name == "right") return VK_RIGHT;
  if (name == "return") return VK_RETURN;
  if (name == "escape") return VK_ESCAPE;
  return 0;
}

BOOL CALLBACK JoinMenuWindow(HWND window, LPARAM context) {
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  RECT r;
  if (::lstrcmpW(className, L"#32768") == 0 && ::IsWindowVisible(window) && ::GetWindowRect(window, &r)) {
    auto* all = reinterpret_cast<RECT*>(context);
    if (::IsRectEmpty(all)) *all = r;
    else ::UnionRect(all, all, &r);
  }
  return TRUE;
}

int PressInMenu(int count, char** keys) {
  const HWND menu = OpenMenu(5000);
  if (!menu) return 1;
  for (int i = 0; i < count; ++i) {
    const UINT key = VirtualKeyOf(keys[i]);
    if (!key) return 2;
    ::PostMessageW(menu, WM_KEYDOWN, key, 0);
    ::Sleep(200);  // a submenu opens before the next key
  }
  RECT all{};
  ::EnumWindows(&JoinMenuWindow, reinterpret_cast<LPARAM>(&all));
  if (!::IsRectEmpty(&all)) std::printf("%ld %ld %ld %ld\n", all.left, all.top, all.right - all.left, all.bottom - all.top);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "wait") {
    const HWND window = WaitForWindow(argv[2], static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)));
    if (!window) return 1;
    RECT r;
    ::GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (argc == 4 && std::string(argv[1]) == "click") {
    const HWND window = ::FindWindowA(nullptr, argv[2]);
    if (!window) return 1;
    const std::wstring label = Wide(argv[3]);
    Search search{label.c_str(), nullptr};
    ::EnumChildWindows(window, &MatchButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    ::PostMessageW(search.found, BM_CLICK, 0, 0);
    return 0;
  }
  if (argc >= 2 && std::string(argv[1]) == "menu") return PressInMenu(argc - 2, argv + 2);
  std::fprintf(stderr, "usage: window_driver wait <title> <timeout-ms> | click <title> <label> | menu <key>...\n");
  return 2;
}
