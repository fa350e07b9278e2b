#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "OptionFixtures_win.h"

namespace orvix::test {
namespace {

constexpr int kSlot = 1;  // the current profile of the stand-in's block

// The lighting page's controls, found as a person finds them: by their labels, and the
// unlabelled ones by their kind in the order the page lays them out.
class ColorPageTest : public WithStandIn {
 protected:
  // Starts the program and opens the Color tab.
  bool OpenPage() {
    if (!Start() || !program_->Click(L"Color")) return false;
    // The page makes its controls when first shown, and this process may look in between:
    // the number boxes come after every button.
    return PumpUntil([&] { return (page_ = PageOf(L"All light Off")) != nullptr && ::IsWindowVisible(page_) &&
                                  Controls(L"OrvixSkinNumberBox").size() == 3; }, 10000);
  }
  HWND PageOf(const std::wstring& label) const {
    HWND found = nullptr;
    EachChild(program_->window(), [&](HWND child) {
      if (!found && ClassOf(child) == L"Button" && WindowText(child) == label) found = ::GetParent(child);
    });
    return found;
  }
  static BOOL CALLBACK VisitChild(HWND child, LPARAM visit) {
    (*reinterpret_cast<const std::function<void(HWND)>*>(visit))(child);
    return TRUE;
  }
  static void EachChild(HWND parent, const std::function<void(HWND)>& visit) {
    ::EnumChildWindows(parent, &VisitChild, reinterpret_cast<LPARAM>(&visit));
  }
  static std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
  }
  // The page's own children of a class (in the page's order), with a label when given.
  std::vector<HWND> Controls(const wchar_t* className, const std::wstring& label = L"") const {
    std::vector<HWND> found;
    for (HWND child = ::GetWindow(page_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      if (ClassOf(child) == className && (label.empty() || WindowText(child) == label)) found.push_back(child);
    return found;
  }
  HWND Button(const std::wstring& label) const {
    const auto found = Controls(L"Button", label);
    return found.size() == 1 ? found[0] : nullptr;
  }
  // Palette buttons 0..32: the 16 that show, then the 17 of zero size.
  HWND Palette(int index) const {
    std::vector<HWND> colours;
    const std::wstring prefix = L"color";
    for (HWND button : Controls(L"Button")) {
      const std::wstring text = WindowText(button);
      if (text.size() > prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin())) colours.push_back(button);
    }
    return index < static_cast<int>(colours.size()) ? colours[static_cast<std::size_t>(index)] : nullptr;
  }
  // A click as the button reports it; a button of zero size cannot be clicked by the pointer.
  bool Press(HWND button) const {
    return button && ::PostMessageW(page_, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                                    reinterpret_cast<LPARAM>(button));
  }
  bool Click(const std::wstring& label) const {
    const HWND button = Button(label);
    return button && ::PostMessageW(button, BM_CLICK, 0, 0);
  }
  // Types into the red (0), green (1) or blue (2) box and presses Enter.
  bool Type(int box, const wchar_t* text) const {
    const auto boxes = Controls(L"OrvixSkinNumberBox");
    if (boxes.size() != 3) return false;
    const HWND edit = ::FindWindowExW(boxes[static_cast<std::size_t>(box)], nullptr, L"Edit", nullptr);
    if (!edit) return false;
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  }
  std::wstring BoxText(int box) const {
    const auto boxes = Controls(L"OrvixSkinNumberBox");
    if (boxes.size() != 3) return L"";
    return WindowText(::FindWindowExW(boxes[static_cast<std::size_t>(box)], nullptr, L"Edit", nullptr));
  }
  HWND Strip() const {
    const auto found = Controls(L"OrvixSkinPicture", L"Custom Color Window");
    return found.size() == 1 ? found[0] : nullptr;
  }
  // Applies and returns the current profile as handed to the monitor.
  const ProfileRecord* Applied() {
    PumpFor(300);  // the notifications that the page posted itself come first
    monitor_->Clear();
    if (!program_->Click(L"Apply") || !monitor_->WaitFor(WM_MON_APPLY_ALL, 10000)) return nullptr;
    const ReceivedMessage* apply = monitor_->Last(WM_MON_APPLY_ALL);
    flags_ = SetFlags(apply->block->flags);
    return &apply->block->config.profiles[kSlot];
  }
  // A screen pixel of a window's client point.
  static COLORREF ScreenPixel(HWND window, POINT point) {
    ::ClientToScreen(window, &point);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return pixel;
  }
  // The middle of the current slot's colour swatch ("Profile 2 Color,167,514,23,23,").
  COLORREF SlotSwatchPixel() const { return ScreenPixel(program_->window(), {167 + 11, 514 + 11}); }

  HWND page_ = nullptr;
  std::string flags_;
};

// The bytes in which a profile differs from the one the test started with, once the
// fields a case expects to change are set to their expected values in `expected`.
std::string Difference(const ProfileRecord& got, const ProfileRecord& expected) {
  const auto* a = reinterpret_cast<const unsigned char*>(&got);
  const auto* b = reinterpret_cast<const unsigned char*>(&expected);
  std::string ranges;
  for (std::size_t i = 0; i < sizeof got; ++i)
    if (a[i] != b[i]) ranges += std::to_string(i) + " ";
  return ranges;
}

void ExpectPaletteColour7(int useColorForAll, ProfileRecord& expected) {
  expected.UseColorForAll = useColorForAll;
  for (int e = 0; e < (useColorForAll == 1 ? 4 : 1); ++e) {
    expected.LightInfo[e].paletteIndex = 7;
    expected.LightInfo[e].red = 255;
    expected.LightInfo[e].green = 0;
    expected.LightInfo[e].blue = 0;
  }
}

}  // namespace

TEST_F(ColorPageTest, APaletteColourGoesIntoAllFourEntriesOrOnlyTheFirstAndEndsTheCustomColour) {
  for (int useColorForAll : {1, 0}) {
    SCOPED_TRACE("UseColorForAll " + std::to_string(useColorForAll));
    monitor_->Change([&](SharedDataBlock& block) {
      ProfileRecord& p = block.config.profiles[kSlot];
      p.UseColorForAll = useColorForAll;
      for (LightEntry& entry : p.LightInfo) entry = {3, 1, 1, 2, 3};
      p.LightInfo[2].on = 0;  // an on flag of its own, which the page must keep
    });
    ProfileRecord expected = monitor_->Block()->config.profiles[kSlot];
    ASSERT_TRUE(OpenPage());
    ASSERT_TRUE(Click(L"Choose a custom color"));
    ASSERT_TRUE(PumpUntil([&] { return ::SendMessageW(Button(L"Choose a custom color"), BM_GETCHECK, 0, 0) == 1; },
                          5000));
    ASSERT_TRUE(::PostMessageW(Palette(7), BM_CLICK, 0, 0));
    ASSERT_TRUE(PumpUntil([&] { return ::SendMessageW(Palette(7), BM_GETCHECK, 0, 0) == 1; }, 5000));
    EXPECT_EQ(::SendMessageW(Button(L"Choose a single color"), BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(Palette(0), BM_GETCHECK, 0, 0), 0) << "two colours look selected";

    const ProfileRecord* applied = Applied();
    ASSERT_NE(applied, nullptr);
    ExpectPaletteColour7(useColorForAll, expected);
    EXPECT_EQ(Difference(*applied, expected), "");
    EXPECT_EQ(flags_, "settings[1]=1");
    ASSERT_TRUE(program_->Click(L"Cancel"));
    ASSERT_TRUE(program_->WaitForExit(10000));
  }
}

TEST_F(ColorPageTest, EffectsBoxesAndZeroSizeChoicesWriteTheirFieldsAndTheSwatchFollows) {
  ProfileRecord expected = monitor_->Block()->config.profiles[kSlot];
  ASSERT_TRUE(OpenPage());
  const COLORREF before = SlotSwatchPixel();
  EXPECT_EQ(before, RGB(5, 144, 254)) << "the slot's palette colour 0 before any edit";

  ASSERT_TRUE(Click(L"All light Off"));
  EXPECT_TRUE(PumpUntil([&] { return SlotSwatchPixel() == RGB(0, 0, 0); }, 5000))
      << std::hex << "swatch shows " << SlotSwatchPixel();
  // The page shows the profile again after the choice; typing starts after that.
  ASSERT_TRUE(PumpUntil([&] { return ::SendMessageW(Button(L"All light Off"), BM_GETCHECK, 0, 0) == 1; }, 5000));
  expected.LightEffectType = 0;

  // Typed past the range, the box shows and writes its maximum.
  ASSERT_TRUE(Type(0, L"300"));
  EXPECT_TRUE(PumpUntil([&] { return BoxText(0) == L"255"; }, 5000)) << "shows " << testing::PrintToString(BoxText(0));
  ASSERT_TRUE(Type(2, L"40"));
  expected.CustomLightInfo[0].red = 255;
  expected.CustomLightInfo[0].blue = 40;

  // The choices that do not show still work.
  ASSERT_TRUE(Press(Button(L"Random multi color")));
  ASSERT_TRUE(Press(Button(L"Flow direction Left")));
  ASSERT_TRUE(Press(Palette(20)));
  expected.LightEffectMode = 3;
  expected.LightColorFlow = 4;
  expected.LightInfo[0].paletteIndex = 20;
  expected.LightInfo[0].red = 100;
  expected.LightInfo[0].green = 100;
  expected.LightInfo[0].blue = 250;
  ASSERT_TRUE(Press(Button(L"Heartbeat")));
  expected.LightEffectType = 4;

  const ProfileRecord* applied = Applied();
  ASSERT_NE(applied, nullptr);
  EXPECT_EQ(Difference(*applied, expected), "");
  EXPECT_EQ(flags_, "settings[1]=1");
  // Lit again, the swatch shows the display colour of palette 20.
  EXPECT_TRUE(PumpUntil([&] { return SlotSwatchPixel() == RGB(100, 158, 240); }, 5000))
      << std::hex << "swatch shows " << SlotSwatchPixel();
}

TEST_F(ColorPageTest, TheStripPicksFromItsOwnPictureAndWhiteMovesOnlyTheMarker) {
  ProfileRecord expected = monitor_->Block()->config.profiles[kSlot];
  ASSERT_TRUE(OpenPage());
  const HWND strip = Strip();
  ASSERT_NE(strip, nullptr);
  ASSERT_TRUE(Click(L"Choose a custom color"));
  expected.LtChoseType = 1;
  ASSERT_TRUE(PumpUntil([&] { return ::SendMessageW(Button(L"Choose a custom color"), BM_GETCHECK, 0, 0) == 1; },
                        5000));

  // What the strip shows at the point, before anything covers it.
  const POINT point{120, 12};
  const COLORREF shown = ScreenPixel(strip, point);
  ASSERT_NE(shown, RGB(255, 255, 255));
  // A window over the strip: a colour read from the screen would be its grey.
  RECT area;
  ::GetWindowRect(strip, &area);
  const HWND cover = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"Static", L"",
                                       WS_POPUP | WS_VISIBLE, area.left, area.top, area.right - area.left,
                                       area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(cover, nullptr);
  PumpFor(200);
  ASSERT_NE(ScreenPixel(strip, point), shown) << "the cover does not hide the strip";
  ::PostMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  ::PostMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  PumpFor(300);
  ::DestroyWindow(cover);
  EXPECT_TRUE(PumpUntil([&] { return BoxText(0) == std::to_wstring(GetRValue(shown)); }, 5000))
      << "red box shows " << testing::PrintToString(BoxText(0)) << ", the strip " << GetRValue(shown);
  EXPECT_EQ(BoxText(1), std::to_wstring(GetGValue(shown)));
  EXPECT_EQ(BoxText(2), std::to_wstring(GetBValue(shown)));
  expected.CustomLightInfo[0].red = GetRValue(shown);
  expected.CustomLightInfo[0].green = GetGValue(shown);
  expected.CustomLightInfo[0].blue = GetBValue(shown);
  // The slot swatch follows the picked colour at once.
  EXPECT_TRUE(PumpUntil([&] { return SlotSwatchPixel() == shown; }, 5000)) << std::hex << SlotSwatchPixel();

  // The white end of the strip: the marker comes, the colour stays.
  const POINT white{4, 12};  // within reach of the area's left edge
  const POINT ring{1, 12};  // on the marker's ring once it stands at the area's left end
  const COLORREF bezel = ScreenPixel(strip, ring);
  ::PostMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(white.x, white.y));
  ::PostMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(white.x, white.y));
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(strip, ring) != bezel; }, 5000))
      << "the marker did not come to the white end";
  PumpFor(200);
  EXPECT_EQ(BoxText(0), std::to_wstring(GetRValue(shown))) << "white became the custom colour";

  const ProfileRecord* applied = Applied();
  ASSERT_NE(applied, nullptr);
  EXPECT_EQ(Difference(*applied, expected), "");
  EXPECT_EQ(flags_, "settings[1]=1");
}

}  // namespace orvix::test
