// The spin field and the slider as windows: what typing leaves in the field, what is
// committed and posted, how a drag and the keys move the thumb.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NumberBox_win.h"
#include "SkinTestWindows_win.h"
#include "Slider_win.h"

namespace orvix {
namespace {

class SpinAndSlider : public ::testing::Test {
 protected:
  void SetUp() override {
    ParkPointer();
    ASSERT_NE(parent.hwnd(), nullptr);
  }

  // The values the parent was posted with `message`, in order.
  std::vector<int> Posted(UINT message) {
    PumpMessages();
    std::vector<int> values;
    for (const RecordedMessage& m : parent.Of(message)) values.push_back(static_cast<int>(m.wParam));
    return values;
  }

  bool CreateSeconds(NumberBox& box) {
    NumberBoxSetup setup;
    setup.parent = parent.hwnd();
    setup.placement = *ParseLayoutString("EDIT_SPIN,115,163,45,19,");
    setup.id = 400;
    setup.minimum = 15;
    setup.maximum = 999;
    setup.value = 30;
    return box.Create(setup, nullptr);
  }

  RecordingParent parent;
};

TEST_F(SpinAndSlider, TypingFollowsTheRulesAtOnce) {
  NumberBox box;
  ASSERT_TRUE(CreateSeconds(box));
  EXPECT_EQ(box.text(), L"30");
  ::SetWindowTextW(box.edit(), L"0042");
  EXPECT_EQ(box.text(), L"42");
  ::SetWindowTextW(box.edit(), L"4x");
  EXPECT_EQ(box.text(), L"4");  // below the minimum while typing is fine
  ::SetWindowTextW(box.edit(), L"0");
  EXPECT_EQ(box.text(), L"15");
  // The field holds at most three characters; what is pasted over the maximum is the maximum.
  ::SendMessageW(box.edit(), EM_LIMITTEXT, 20, 0);
  ::SetWindowTextW(box.edit(), L"99999999999999");
  EXPECT_EQ(box.text(), L"999");
  // Typing alone commits nothing.
  EXPECT_EQ(box.value(), 30);
  EXPECT_TRUE(Posted(kNumberBoxNotification).empty());
}

TEST_F(SpinAndSlider, EnterCommitsRaisedToTheMinimumAndPostsChangesOnly) {
  NumberBox box;
  ASSERT_TRUE(CreateSeconds(box));
  ::SetWindowTextW(box.edit(), L"7");
  ::SendMessageW(box.edit(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(box.value(), 15);
  EXPECT_EQ(box.text(), L"15");
  ::SendMessageW(box.edit(), WM_KEYDOWN, VK_RETURN, 0);  // unchanged: nothing new posted
  ::SetWindowTextW(box.edit(), L"120");
  ::SendMessageW(box.edit(), WM_KILLFOCUS, 0, 0);  // leaving the field commits too
  EXPECT_EQ(Posted(kNumberBoxNotification), (std::vector<int>{15, 120}));
  EXPECT_EQ(parent.Of(kNumberBoxNotification).back().lParam, 400);
  // Enter is the field's own: the dialog must not take it for its default button.
  MSG enter{box.edit(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  LRESULT code = ::SendMessageW(box.edit(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter));
  EXPECT_TRUE(code & DLGC_WANTMESSAGE);
}

TEST_F(SpinAndSlider, ArrowsStepOnTheGridAndStopAtTheEnds) {
  NumberBoxSetup setup;
  setup.parent = parent.hwnd();
  setup.placement = *ParseLayoutString("DPI,317,15,44,17,");
  setup.id = 501;
  setup.minimum = 200;
  setup.maximum = 8200;
  setup.step = 200;
  setup.value = 8000;
  NumberBox dpi;
  ASSERT_TRUE(dpi.Create(setup, nullptr));
  ::SendMessageW(dpi.edit(), WM_KEYDOWN, VK_UP, 0);
  ::SendMessageW(dpi.edit(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(dpi.value(), 8200);
  dpi.SetValue(450);  // set by the page: no notice
  ::SendMessageW(dpi.edit(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(dpi.text(), L"400");
  // The down arrow drawn at the bottom right of the field.
  RECT client;
  ::GetClientRect(dpi.hwnd(), &client);
  ::SendMessageW(dpi.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 2, client.bottom - 2));
  ::SendMessageW(dpi.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(client.right - 2, client.bottom - 2));
  EXPECT_EQ(dpi.value(), 200);
  ::SendMessageW(dpi.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Posted(kNumberBoxNotification), (std::vector<int>{8200, 400, 200}));
  // A disabled box disables its field.
  dpi.Enable(false);
  EXPECT_FALSE(::IsWindowEnabled(dpi.edit()));
}

TEST_F(SpinAndSlider, ANegativeRangeTakesItsSign) {
  NumberBoxSetup setup;
  setup.parent = parent.hwnd();
  setup.placement = *ParseLayoutString("Sensitivity,311,42,45,19,");
  setup.minimum = -5;
  setup.maximum = 5;
  NumberBox box;
  ASSERT_TRUE(box.Create(setup, nullptr));
  ::SetWindowTextW(box.edit(), L"--3");
  EXPECT_EQ(box.text(), L"-3");
  ::SendMessageW(box.edit(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(box.value(), -3);
  ::SetWindowTextW(box.edit(), L"-9");
  ::SendMessageW(box.edit(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(box.value(), -5);
}

TEST_F(SpinAndSlider, DraggingTheThumbSnapsAndPostsWhileDraggingAndOnRelease) {
  SliderSetup setup;
  setup.parent = parent.hwnd();
  setup.placement = *ParseLayoutString("SENSITIVITY,23,50,266,25,");
  setup.id = 300;
  setup.minimum = 1;
  setup.maximum = 11;
  setup.value = 1;
  setup.thumbWidth96 = 16;  // 250 pixels of travel, 25 per value
  Slider slider;
  ASSERT_TRUE(slider.Create(setup, nullptr));
  EXPECT_EQ(slider.scale().ThumbLeft(11), 250);
  ::SendMessageW(slider.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 12));  // on the thumb
  EXPECT_TRUE(slider.dragging());
  ::SendMessageW(slider.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8 + 20, 12));  // 20 px: nearer to 2
  ::SendMessageW(slider.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8 + 30, 12));  // still 2
  ::SendMessageW(slider.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8 + 1000, 12));
  ::SendMessageW(slider.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(8 + 1000, 12));
  EXPECT_FALSE(slider.dragging());
  EXPECT_EQ(slider.value(), 11);
  EXPECT_EQ(Posted(kSliderNotification), (std::vector<int>{2, 11, 11}));
  EXPECT_EQ(parent.Of(kSliderNotification).front().lParam, 300);
}

TEST_F(SpinAndSlider, APressOnTheTrackMovesTheThumbThereAndKeysStepIt) {
  SliderSetup setup;
  setup.parent = parent.hwnd();
  setup.placement = *ParseLayoutString("Sound Volume,506,115,102,20,");
  setup.id = 200;
  setup.minimum = 0;
  setup.maximum = 4;
  setup.value = 4;
  setup.thumbWidth96 = 22;  // 80 pixels of travel, 20 per value
  Slider volume;
  ASSERT_TRUE(volume.Create(setup, nullptr));
  ::SendMessageW(volume.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(11 + 40, 10));
  ::SendMessageW(volume.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(11 + 40, 10));
  EXPECT_EQ(volume.value(), 2);
  ::SendMessageW(volume.hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
  ::SendMessageW(volume.hwnd(), WM_KEYDOWN, VK_END, 0);
  ::SendMessageW(volume.hwnd(), WM_KEYDOWN, VK_RIGHT, 0);  // at the end: no change, no notice
  ::SendMessageW(volume.hwnd(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Posted(kSliderNotification), (std::vector<int>{2, 2, 3, 4, 0}));
  EXPECT_EQ(::SendMessageW(volume.hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
  volume.SetValue(3);  // set by the page: no notice
  EXPECT_EQ(Posted(kSliderNotification).size(), 5u);
}

}  // namespace
}  // namespace orvix
