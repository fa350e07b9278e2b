#include "KeyboardCapture_win.h"

namespace orvix {
namespace {

KeyboardCapture* current = nullptr;  // the capture whose window gets the keys
HWND currentTarget = nullptr;

}  // namespace

KeyboardCapture::KeyboardCapture(HWND target) : target_(target) {
  hook_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardCapture::Procedure, ::GetModuleHandleW(nullptr), 0);
  if (!hook_) return;
  previous_ = current;
  current = this;
  currentTarget = target_;
}

KeyboardCapture::~KeyboardCapture() {
  if (!hook_) return;
  ::UnhookWindowsHookEx(hook_);
  if (current == this) {
    current = previous_;
    currentTarget = previous_ ? previous_->target_ : nullptr;
  }
}

LRESULT CALLBACK KeyboardCapture::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && currentTarget) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (!(key.flags & LLKHF_INJECTED)) {
      const bool release = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
      ::PostMessageW(currentTarget, WM_OPT_CAPTURED_KEY, key.vkCode, release ? kCapturedRelease : 0);
      return 1;
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace orvix
