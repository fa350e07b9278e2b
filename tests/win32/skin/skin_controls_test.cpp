// Skinned buttons and labels as real windows: their class, text, clicks, looks and quick
// help; the caption drag of frameless dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaptionDrag_win.h"
#include "SkinButton_win.h"
#include "SkinLabel_win.h"
#include "SkinTestWindows_win.h"

namespace orvix {
namespace {

constexpr COLORREF kNormal = RGB(40, 60, 90);
constexpr COLORREF kHover = RGB(60, 110, 160);
constexpr COLORREF kPressed = RGB(10, 140, 60);
constexpr COLORREF kDisabled = RGB(90, 90, 90);

class SkinControls : public ::testing::Test {
 protected:
  void SetUp() override {
    ParkPointer();
    ASSERT_NE(parent.hwnd(), nullptr);
    images = SkinImages::Load(TestArtFolder(), "solid", DpiScale(96), 200, 100);
    ASSERT_EQ(images->SourcePercent(SkinState::kPressed), 100) << "the generated test art is missing";
  }

  SkinButtonSetup Setup(const char* layout, int id) const {
    SkinButtonSetup setup;
    setup.parent = parent.hwnd();
    setup.placement = *ParseLayoutString(layout);
    setup.id = id;
    setup.label = L"Apply";
    setup.quickHelp = [this](std::wstring_view text) { told.emplace_back(text); };
    return setup;
  }

  // The colour the button shows near its corner, away from the label and the focus mark.
  static COLORREF ShownColour(const SkinButton& button) {
    std::optional<SkinBitmap> shown = PrintClient(button.hwnd());
    return shown ? shown->PixelAt(1, 1) : CLR_INVALID;
  }

  RecordingParent parent;
  std::optional<SkinImages> images;
  mutable std::vector<std::wstring> told;
};

TEST_F(SkinControls, AButtonIsARealButtonWindowWithItsLabelAsText) {
  SkinButton button;
  ASSERT_TRUE(button.Create(Setup("Apply,10,10,72,30,Apply the setting to the device", 77),
                            ButtonImages::Cut(*images, {10, 10, 82, 40})));
  char className[32] = {};
  ::GetClassNameA(button.hwnd(), className, sizeof className);
  EXPECT_STREQ(className, "Button");
  EXPECT_EQ(::GetWindowLongW(button.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  char text[32] = {};
  ::SendMessageA(button.hwnd(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Apply");
  EXPECT_EQ(::GetDlgCtrlID(button.hwnd()), 77);
  EXPECT_EQ(button.toolTip(), L"Apply the setting to the device");
  RECT r;
  ::GetWindowRect(button.hwnd(), &r);
  EXPECT_EQ(r.right - r.left, 72);
  EXPECT_EQ(r.bottom - r.top, 30);
}

TEST_F(SkinControls, AClickReachesTheParentAsBnClickedADisabledButtonSendsNothing) {
  SkinButton button;
  ASSERT_TRUE(button.Create(Setup("OK,10,10,58,30,", 5), ButtonImages::Cut(*images, {10, 10, 68, 40})));
  ::SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
  PumpMessages();
  std::vector<RecordedMessage> commands = parent.Of(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(LOWORD(commands[0].wParam), 5);
  EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
  EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), button.hwnd());

  parent.Clear();
  button.Enable(false);
  EXPECT_EQ(ShownColour(button), kDisabled);
  ::SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
  ::SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  ::SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  PumpMessages();
  EXPECT_TRUE(parent.Of(WM_COMMAND).empty());
}

TEST_F(SkinControls, ThePressedLookShowsWhileHeldAndAReleaseOutsideClicksNothing) {
  SkinButton button;
  ASSERT_TRUE(button.Create(Setup("Main,10,10,100,40,", 1), ButtonImages::Cut(*images, {10, 10, 110, 50})));
  EXPECT_EQ(ShownColour(button), kNormal);
  ::SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(button.look(), SkinState::kPressed);
  EXPECT_EQ(ShownColour(button), kPressed);
  // Dragged off the button while held: no longer pressed, and releasing there is no click.
  ::SendMessageW(button.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 5));
  EXPECT_NE(button.look(), SkinState::kPressed);
  ::SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(300, 5));
  PumpMessages();
  EXPECT_TRUE(parent.Of(WM_COMMAND).empty());
}

TEST_F(SkinControls, TheCheckVariantTogglesItsLookBeforeTheParentHears) {
  SkinButtonSetup setup = Setup("Sound,10,10,40,20,", 9);
  setup.kind = ButtonKind::kCheck;
  SkinButton box;
  ASSERT_TRUE(box.Create(setup, ButtonImages::Cut(*images, {10, 10, 50, 30})));
  EXPECT_EQ(::SendMessageW(box.hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  // The parent reads the state while it handles the click.
  struct CheckReader : RecordingParent {
    HWND box = nullptr;
    std::vector<LRESULT> seen;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_COMMAND) seen.push_back(::SendMessageW(box, BM_GETCHECK, 0, 0));
      return RecordingParent::HandleMessage(message, wParam, lParam);
    }
  };
  CheckReader reader;
  reader.box = box.hwnd();
  ::SetParent(box.hwnd(), reader.hwnd());

  ::SendMessageW(box.hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.checked());
  EXPECT_EQ(ShownColour(box), kPressed);
  ::SendMessageW(box.hwnd(), BM_CLICK, 0, 0);
  EXPECT_FALSE(box.checked());
  EXPECT_EQ(ShownColour(box), kNormal);
  EXPECT_EQ(reader.seen, (std::vector<LRESULT>{BST_CHECKED, BST_UNCHECKED}));

  // BM_SETCHECK from outside shows the "on" look too.
  ::SendMessageW(box.hwnd(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(ShownColour(box), kPressed);
  ::SetParent(box.hwnd(), parent.hwnd());
}

TEST_F(SkinControls, ATabIsSelectedByItsParentNotByItsOwnClick) {
  SkinButtonSetup setup = Setup("Color,446,79,129,37,Color Setting", 3);
  setup.kind = ButtonKind::kCheck;
  setup.toggleOnClick = false;
  SkinButton tab;
  ASSERT_TRUE(tab.Create(setup, ButtonImages::Cut(*images, {0, 0, 129, 37})));
  ::SendMessageW(tab.hwnd(), BM_CLICK, 0, 0);
  EXPECT_FALSE(tab.checked());
  tab.SetChecked(true);
  EXPECT_EQ(ShownColour(tab), kPressed);
  ::SendMessageW(tab.hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(tab.checked());
  PumpMessages();
  EXPECT_EQ(parent.Of(WM_COMMAND).size(), 2u);
}

TEST_F(SkinControls, HoverShowsItsLookAndTellsTheQuickHelpLineOnceEachWay) {
  SkinButtonSetup setup = Setup("Load,10,10,110,25,Load a new profile for the selected profile slot", 4);
  setup.hoverMessage = 1124;
  SkinButton button;
  ASSERT_TRUE(button.Create(setup, ButtonImages::Cut(*images, {10, 10, 120, 35})));
  ::SendMessageW(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  ::SendMessageW(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 4));
  EXPECT_EQ(ShownColour(button), kHover);
  button.SetQuickHelp(L"Laden");  // the language library's text, while the pointer is inside
  ::SendMessageW(button.hwnd(), WM_MOUSELEAVE, 0, 0);  // the pointer is parked far away
  EXPECT_EQ(ShownColour(button), kNormal);
  EXPECT_EQ(told, (std::vector<std::wstring>{L"Load a new profile for the selected profile slot", L"Laden", L""}));
  PumpMessages();
  std::vector<RecordedMessage> hovers = parent.Of(1124);
  ASSERT_EQ(hovers.size(), 2u);
  EXPECT_EQ(hovers[0].wParam, 1u);
  EXPECT_EQ(hovers[1].wParam, 0u);
  EXPECT_EQ(hovers[1].lParam, 4);
}

TEST_F(SkinControls, OwnPicturesReplaceTheCutOnesAndMissingLooksShowTheNormalOne) {
  SkinButton flag;
  ButtonImages own;
  own.looks[StateIndex(SkinState::kNormal)] = std::make_shared<const SkinBitmap>(*SkinBitmap::Filled(32, 17, kHover));
  own.looks[StateIndex(SkinState::kPressed)] = std::make_shared<const SkinBitmap>(*SkinBitmap::Filled(32, 17, kPressed));
  SkinButtonSetup setup = Setup("button language,12, 570,32,17,Select language", 8);
  setup.drawLabel = false;
  ASSERT_TRUE(flag.Create(setup, std::move(own)));
  EXPECT_EQ(ShownColour(flag), kHover);
  flag.Enable(false);  // no disabled picture: the normal one
  EXPECT_EQ(ShownColour(flag), kHover);
  flag.Enable(true);
  flag.SetImages(ButtonImages::Cut(*images, {0, 0, 32, 17}));
  EXPECT_EQ(ShownColour(flag), kNormal);
}

TEST_F(SkinControls, ALabelKeepsItsTextAndDrawsItInItsColour) {
  SkinLabelSetup setup;
  setup.parent = parent.hwnd();
  setup.placement = *ParseLayoutString("Profile 1 name,31,  514,101,21,Profile assigned to profile slot #1");
  setup.text = L"MMMM";
  setup.font = SkinFont::Create({.face = L"Arial", .height96 = 20, .weight = FW_BOLD}, DpiScale(96));
  setup.colour = RGB(255, 255, 255);
  SkinLabel label;
  ASSERT_TRUE(label.Create(setup, images->Cut(SkinState::kNormal, {0, 0, 101, 21})));
  char className[32] = {};
  ::GetClassNameA(label.hwnd(), className, sizeof className);
  EXPECT_STREQ(className, "Static");
  ::SetWindowTextW(label.hwnd(), L"WWWW");
  EXPECT_EQ(label.text(), L"WWWW");

  auto count = [&](COLORREF colour) {
    std::optional<SkinBitmap> shown = PrintClient(label.hwnd());
    int n = 0;
    for (int y = 0; shown && y < shown->height(); ++y)
      for (int x = 0; x < shown->width(); ++x) n += shown->PixelAt(x, y) == colour;
    return n;
  };
  EXPECT_GT(count(RGB(255, 255, 255)), 20);
  EXPECT_GT(count(kNormal), 500);  // the art around the text
  label.SetColour(RGB(115, 115, 115));
  EXPECT_EQ(count(RGB(255, 255, 255)), 0);
  EXPECT_GT(count(RGB(115, 115, 115)), 20);
  label.SetText(L"");
  EXPECT_EQ(count(RGB(115, 115, 115)), 0);
}

TEST_F(SkinControls, APressOnTheBackgroundBecomesACaptionDrag) {
  ::SetWindowPos(parent.hwnd(), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpMessages();
  ASSERT_TRUE(BeginCaptionDrag(parent.hwnd(), MAKELPARAM(10, 20)));
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, parent.hwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(HTCAPTION));
  POINT expected{10, 20};
  ::ClientToScreen(parent.hwnd(), &expected);
  EXPECT_EQ(static_cast<short>(LOWORD(msg.lParam)), expected.x);
  EXPECT_EQ(static_cast<short>(HIWORD(msg.lParam)), expected.y);
}

}  // namespace
}  // namespace orvix
