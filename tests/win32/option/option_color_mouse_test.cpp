#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "OptionWithMouse_win.h"

namespace orvix::test {
namespace {

// The light line of the current profile in the mouse's dump: "light: on 1, choice 1, flow
// 0, effect 2, speed 2, colour 255 (12,200,99)".
std::string CurrentLight(const std::string& dump) {
  const auto current = dump.find("(current):");
  if (current == std::string::npos) return "";
  const auto light = dump.find("light: ", current);
  if (light == std::string::npos) return "";
  return dump.substr(light, dump.find('\n', light) - light);
}

class OptionColorWithMouse : public OptionWithMouse {
 protected:
  HWND PageButton(const std::wstring& label) {
    HWND found = nullptr;
    for (HWND page = ::GetWindow(program_->window(), GW_CHILD); page && !found; page = ::GetWindow(page, GW_HWNDNEXT))
      found = ChildButton(page, label);
    return found;
  }
  bool ClickOnPage(const std::wstring& label) {
    const HWND button = PageButton(label);
    return button && ::PostMessageW(button, BM_CLICK, 0, 0);
  }
  int NumberBoxes() {
    const HWND page = ::GetParent(PageButton(L"All light Off"));
    int count = 0;
    for (HWND box = nullptr; (box = ::FindWindowExW(page, box, L"OrvixSkinNumberBox", nullptr)) != nullptr;) ++count;
    return count;
  }
  // Types into the page's red (0), green (1) or blue (2) box and presses Enter.
  bool Type(int box, const wchar_t* text) {
    const HWND page = ::GetParent(PageButton(L"All light Off"));
    HWND found = nullptr;
    for (int i = 0; i <= box; ++i) found = ::FindWindowExW(page, found, L"OrvixSkinNumberBox", nullptr);
    const HWND edit = found ? ::FindWindowExW(found, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit) return false;
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  }
};

}  // namespace

TEST_F(OptionColorWithMouse, ALightSetOnTheLightingPageAndAppliedIsInTheMouse) {
  ASSERT_GE(Dump().profile, 0) << Mouse("dump").output;
  ASSERT_TRUE(program_->Click(L"Color"));
  // The page makes its controls when first shown; this process may look in between.
  ASSERT_TRUE(PumpUntil([&] { return PageButton(L"All light Off") && PageButton(L"color8") && NumberBoxes() == 3; },
                        10000));
  PumpFor(300);

  // A palette colour, breathing.
  ASSERT_TRUE(ClickOnPage(L"Breathing"));
  ASSERT_TRUE(ClickOnPage(L"color8"));
  PumpFor(300);
  ASSERT_TRUE(program_->Click(L"Apply"));
  EXPECT_TRUE(PumpUntil([&] { return CurrentLight(Mouse("dump").output).find("effect 2") != std::string::npos &&
                                     CurrentLight(Mouse("dump").output).find("colour 7 (255,0,0)") != std::string::npos; },
                        15000))
      << CurrentLight(Mouse("dump").output);
  ASSERT_TRUE(WaitUntilIdle());

  // A custom colour, steady: the device gets 255 for "custom" and the colour typed.
  ASSERT_TRUE(ClickOnPage(L"Full lightened"));
  ASSERT_TRUE(ClickOnPage(L"Choose a custom color"));
  // The page shows the profile again after the choice; typing starts after that.
  ASSERT_TRUE(PumpUntil([&] { return ::SendMessageW(PageButton(L"Choose a custom color"), BM_GETCHECK, 0, 0) == 1; },
                        5000));
  // One box after the other, as a person types: each Enter makes the page show the profile
  // again, which would replace a text typed into the next box before the Enter was taken.
  for (const auto& [box, text] : {std::pair{0, L"12"}, std::pair{1, L"200"}, std::pair{2, L"99"}}) {
    ASSERT_TRUE(Type(box, text));
    PumpFor(500);
  }
  ASSERT_TRUE(program_->Click(L"Apply"));
  EXPECT_TRUE(PumpUntil([&] { return CurrentLight(Mouse("dump").output).find("effect 1") != std::string::npos &&
                                     CurrentLight(Mouse("dump").output).find("colour 255 (12,200,99)") != std::string::npos; },
                        15000))
      << CurrentLight(Mouse("dump").output);
  ASSERT_TRUE(WaitUntilIdle());
}

}  // namespace orvix::test
