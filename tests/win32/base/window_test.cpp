#include <gtest/gtest.h>

#include <vector>

#include "Window_win.h"

namespace orvix {
namespace {

class RecordingWindow : public Window {
 public:
  bool Open() { return Create({.className = "OrvixTestWindow", .title = "orvix test window"}); }
  std::vector<UINT> seen;
  bool gone = false;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_USER + 7) seen.push_back(static_cast<UINT>(wParam));
    return Window::HandleMessage(message, wParam, lParam);
  }
  void OnWindowGone() override { gone = true; }
};

}  // namespace

TEST(Window, MessagesReachTheObjectUntilTheWindowIsGone) {
  RecordingWindow window;
  ASSERT_TRUE(window.Open());
  ASSERT_NE(window.hwnd(), nullptr);
  ::SendMessageA(window.hwnd(), WM_USER + 7, 42, 0);
  EXPECT_EQ(window.seen, std::vector<UINT>{42});
  window.Destroy();
  EXPECT_TRUE(window.gone);
  EXPECT_EQ(window.hwnd(), nullptr);
}

}  // namespace orvix
