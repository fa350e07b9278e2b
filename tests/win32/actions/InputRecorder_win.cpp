#include "InputRecorder_win.h"

#include <cstdio>

namespace orvix::test {

InputRecorder* InputRecorder::current_ = nullptr;

InputRecorder::InputRecorder() {
  current_ = this;
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  keyboard_ = ::SetWindowsHookExA(WH_KEYBOARD_LL, &InputRecorder::Keyboard, instance, 0);
  mouse_ = ::SetWindowsHookExA(WH_MOUSE_LL, &InputRecorder::Mouse, instance, 0);
}

InputRecorder::~InputRecorder() {
  if (keyboard_) ::UnhookWindowsHookEx(keyboard_);
  if (mouse_) ::UnhookWindowsHookEx(mouse_);
  current_ = nullptr;
}

double InputRecorder::NowMs() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

LRESULT CALLBACK InputRecorder::Keyboard(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && current_) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    char name[16];
    std::snprintf(name, sizeof name, "%02lX%c", k->vkCode, (k->flags & LLKHF_UP) ? '-' : '+');
    current_->events_.push_back({name, NowMs()});
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK InputRecorder::Mouse(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && current_) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    const char* name = nullptr;
    char xname[8];
    switch (wParam) {
      case WM_LBUTTONDOWN: name = "L+"; break;
      case WM_LBUTTONUP: name = "L-"; break;
      case WM_RBUTTONDOWN: name = "R+"; break;
      case WM_RBUTTONUP: name = "R-"; break;
      case WM_MBUTTONDOWN: name = "M+"; break;
      case WM_MBUTTONUP: name = "M-"; break;
      case WM_XBUTTONDOWN:
      case WM_XBUTTONUP:
        std::snprintf(xname, sizeof xname, "XB%d%c", HIWORD(m->mouseData), wParam == WM_XBUTTONDOWN ? '+' : '-');
        name = xname;
        break;
      default: break;
    }
    if (name) current_->events_.push_back({name, NowMs()});
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<std::string> InputRecorder::Names() const {
  std::vector<std::string> names;
  for (const RecordedInput& e : events_) names.push_back(e.name);
  return names;
}

}  // namespace orvix::test
