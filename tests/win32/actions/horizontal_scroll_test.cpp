#include <gtest/gtest.h>

#include <vector>

#include "actions/HorizontalScroll_win.h"

namespace orvix::test {
namespace {

std::vector<WPARAM> scrolls;

LRESULT CALLBACK Recording(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HSCROLL) scrolls.push_back(wParam);
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

}  // namespace

TEST(HorizontalScroll, APlainWindowWithAScrollBarGetsTiltSpeedLineSteps) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &Recording;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "OrvixScrollTestWindow";
  ::RegisterClassA(&wc);
  HWND window = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "scroll test", WS_POPUP | WS_VISIBLE | WS_HSCROLL,
                                  100, 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  ::SetCursorPos(250, 200);
  Pump();
  ASSERT_EQ(::WindowFromPoint({250, 200}), window);

  scrolls.clear();
  HorizontalScroll(+1, 3, window);
  Pump();
  EXPECT_EQ(scrolls, (std::vector<WPARAM>{SB_LINELEFT, SB_LINELEFT, SB_LINELEFT}));

  scrolls.clear();
  HorizontalScroll(-1, 2, window);
  Pump();
  EXPECT_EQ(scrolls, (std::vector<WPARAM>{SB_LINERIGHT, SB_LINERIGHT}));

  scrolls.clear();
  HorizontalScroll(+1, 0, window);  // TiltSpeed 0: nothing
  Pump();
  EXPECT_TRUE(scrolls.empty());
  ::DestroyWindow(window);
}

}  // namespace orvix::test
