// Owner-drawn pop-up menus opened for real: their width, the command they return, the frame
// hook on the menu window class, and the drop-down combo that a second click closes.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "MenuFrameHook_win.h"
#include "PopupMenu_win.h"
#include "SkinColours_win.h"
#include "SkinCombo_win.h"
#include "SkinTestWindows_win.h"

namespace orvix {
namespace {

// What a timer saw of the open menu, and what it did to it.
struct MenuVisit {
  HWND window = nullptr;
  RECT rect{};
  bool hooked = false;
  COLORREF corner = CLR_INVALID;
  COLORREF firstItem = CLR_INVALID;
};

// Runs `action` once, `delayMs` from now, inside whatever message loop runs then (the menu's).
class Later {
 public:
  Later(UINT delayMs, std::function<void()> action) {
    pending() = std::move(action);
    id_ = ::SetTimer(nullptr, 0, delayMs, &Later::Fire);
  }
  ~Later() {
    ::KillTimer(nullptr, id_);
    pending() = nullptr;
  }

 private:
  static std::function<void()>& pending() {
    static std::function<void()> action;
    return action;
  }
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    if (auto action = std::exchange(pending(), nullptr)) action();
  }
  UINT_PTR id_ = 0;
};

HWND OpenMenuWindow() {
  HWND menu = ::FindWindowW(L"#32768", nullptr);
  return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}

MenuVisit Visit() {
  MenuVisit visit;
  visit.window = OpenMenuWindow();
  if (!visit.window) return visit;
  ::GetWindowRect(visit.window, &visit.rect);
  visit.hooked = ::GetPropW(visit.window, kMenuOldProcProperty) != nullptr;
  PumpMessages();  // let it paint
  ::UpdateWindow(visit.window);
  WindowDc screen(nullptr);
  visit.corner = ::GetPixel(screen.get(), visit.rect.left, visit.rect.top + 3);
  visit.firstItem = ::GetPixel(screen.get(), (visit.rect.left + visit.rect.right) / 2, visit.rect.top + 8);
  return visit;
}

void Choose(HWND menu, int downs) {
  for (int i = 0; i < downs; ++i) ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

void Click(POINT at) {
  ::SetCursorPos(at.x, at.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, clicks, sizeof(INPUT));
}

MenuStyle Style(int width96) {
  return {SkinFont::Create({.face = L"Arial", .height96 = 14}, DpiScale(96)), width96, DpiScale(96)};
}

class PopupMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    ParkPointer();
    hook = MenuFrameHook::Install();
    ASSERT_TRUE(hook);
    ::SetForegroundWindow(parent.hwnd());
  }
  void TearDown() override { ParkPointer(); }

  RecordingParent parent{480, 330, true};
  std::unique_ptr<MenuFrameHook> hook;
};

TEST_F(PopupMenus, AMenuHasItsFixedWidthAndReturnsTheChosenCommand) {
  PopupMenu menu(Style(165));
  menu.AddItem(1001, L"Windows Media player");
  menu.AddSeparator();
  menu.AddItem(1002, L"iTunes", true);
  menu.AddItem(1003, L"VLC Media Player", false, false);
  menu.AddItem(1004, L"Winamp");
  MenuVisit visit;
  UINT chosen;
  {
    Later look(300, [&] {
      visit = Visit();
      if (visit.window) Choose(visit.window, 4);  // the separator is skipped
    });
    chosen = menu.Track(parent.hwnd(), POINT{100, 100});
  }
  ASSERT_NE(visit.window, nullptr) << "no menu window was seen";
  EXPECT_EQ(chosen, 1004u);
  EXPECT_EQ(visit.rect.right - visit.rect.left, 165);
  EXPECT_EQ(visit.rect.left, 100);
  EXPECT_EQ(visit.rect.top, 100);
  EXPECT_TRUE(visit.hooked);
  EXPECT_EQ(visit.corner, skin_colours::kEdge);  // the frame is the theme's, not the system's
  EXPECT_EQ(visit.firstItem, skin_colours::kBody);
  EXPECT_FALSE(::IsWindow(visit.window) && ::IsWindowVisible(visit.window));
}

TEST_F(PopupMenus, EscapeReturnsNothingAndSubmenusBelongToTheirMenu) {
  PopupMenu menu(Style(140));
  PopupMenu& profile = menu.AddSubmenu(L"Profile");
  profile.AddItem(1016, L"Profile Cycle");
  profile.AddItem(1017, L"Profile Up");
  menu.AddItem(1001, L"Click");
  EXPECT_EQ(menu.itemCount(), 2);
  EXPECT_EQ(profile.itemCount(), 2);
  UINT chosen;
  {
    Later cancel(300, [] {
      if (HWND window = OpenMenuWindow()) ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    chosen = menu.Track(parent.hwnd(), POINT{50, 50});
  }
  EXPECT_EQ(chosen, 0u);
  EXPECT_EQ(PopupMenu(Style(140)).Track(parent.hwnd(), POINT{0, 0}), 0u);  // an empty menu never opens
}

TEST_F(PopupMenus, ALazySubmenuIsFilledWhenItOpensAndOnlyThen) {
  PopupMenu menu(Style(176));
  int fills = 0;
  menu.AddLazySubmenu(L"World of Warcraft", [&](PopupMenu& set) {
    ++fills;
    set.AddItem(11100, L"Edit Macro...");
    set.AddSeparator();
    set.AddItem(1100, L"Pull");
  });
  menu.AddLazySubmenu(L"Never opened", [&](PopupMenu&) { ++fills; });
  menu.AddItem(1001, L"Click");
  EXPECT_EQ(fills, 0);
  UINT chosen;
  {
    Later walk(300, [] {
      if (HWND window = OpenMenuWindow()) {
        ::PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);   // onto the first submenu
        ::PostMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);  // open it: its first item is selected
        ::PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);   // past the separator to "Pull"
        ::PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
      }
    });
    chosen = menu.Track(parent.hwnd(), POINT{60, 60});
  }
  EXPECT_EQ(chosen, 1100u);
  EXPECT_EQ(fills, 1);
}

class ComboTest : public PopupMenus {
 protected:
  bool CreateCombo() {
    SkinButtonSetup setup;
    setup.parent = parent.hwnd();
    setup.placement = *ParseLayoutString("LIST_TIMER,115,86,186,20,");
    setup.label = L"Timer 1";
    return combo.Create(setup, {}, Style(165), [this](PopupMenu& menu) {
      ++openings;
      menu.AddItem(1000, L"Timer 1");
      menu.AddItem(1001, L"Timer 2");
    });
  }
  POINT ComboCentre() const {
    RECT r;
    ::GetWindowRect(combo.hwnd(), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  SkinCombo combo;
  int openings = 0;
};

TEST_F(ComboTest, AClickOpensTheMenuBelowAndTheChoiceGoesToTheParent) {
  ASSERT_TRUE(CreateCombo());
  MenuVisit visit;
  bool openLook = false;
  {
    Later choose(300, [&] {
      visit = Visit();
      openLook = combo.menuOpen() && combo.look() == SkinState::kPressed;
      if (visit.window) Choose(visit.window, 2);
    });
    ::SendMessageW(combo.hwnd(), BM_CLICK, 0, 0);
  }
  ASSERT_NE(visit.window, nullptr);
  RECT button;
  ::GetWindowRect(combo.hwnd(), &button);
  EXPECT_EQ(visit.rect.left, button.left);
  EXPECT_EQ(visit.rect.top, button.bottom);
  EXPECT_TRUE(openLook);
  EXPECT_EQ(combo.lastChoice(), 1001u);
  EXPECT_FALSE(combo.menuOpen());
  PumpMessages();
  std::vector<RecordedMessage> commands = parent.Of(WM_COMMAND);
  ASSERT_GE(commands.size(), 2u);  // the button's own BN_CLICKED, then the choice
  EXPECT_EQ(commands.back().wParam, MAKEWPARAM(1001, 0));
  EXPECT_EQ(commands.back().lParam, 0);
}

TEST_F(ComboTest, ClickingTheComboWhileItsMenuIsOpenClosesIt) {
  ASSERT_TRUE(CreateCombo());
  bool opened = false;
  {
    Later clickAgain(300, [&] {
      opened = OpenMenuWindow() != nullptr;
      Click(ComboCentre());
    });
    ::SendMessageW(combo.hwnd(), BM_CLICK, 0, 0);
  }
  ASSERT_TRUE(opened);
  // Whatever the system does with the closing click, no menu comes back.
  bool reopened = false;
  {
    Later check(400, [&] {
      reopened = OpenMenuWindow() != nullptr;
      if (HWND window = OpenMenuWindow()) ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    PumpMessages(600);
  }
  EXPECT_FALSE(reopened);
  EXPECT_EQ(openings, 1);
  EXPECT_EQ(combo.lastChoice(), 0u);
  // The next click opens it again.
  {
    Later cancel(300, [] {
      if (HWND window = OpenMenuWindow()) ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    ParkPointer();
    ::SendMessageW(combo.hwnd(), BM_CLICK, 0, 0);
  }
  EXPECT_EQ(openings, 2);
}

}  // namespace
}  // namespace orvix
