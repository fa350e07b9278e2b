#include "KeyboardCapture_win.h"

namespace orvix {
namespace {

constexpr int kTimeShift = 8;
constexpr DWORD kTimeMask = 0xFFFFFF;

HHOOK hook = nullptr;                 // installed while any capture exists
KeyboardCapture* newest = nullptr;    // the capture whose window gets the keys
HWND newestTarget = nullptr;
HWND idleWindow = nullptr;
UINT idleMessage = 0;

}  // namespace

CapturedKey DecodeCapturedKey(WPARAM wParam, LPARAM lParam) {
  CapturedKey key;
  key.virtualKey = static_cast<int>(wParam & 0xFF);
  key.release = (lParam & kCapturedRelease) != 0;
  const DWORD stamp = static_cast<DWORD>(static_cast<ULONG_PTR>(lParam) >> kTimeShift) & kTimeMask;
  const DWORD now = ::GetTickCount();
  key.timeMs = now - ((now - stamp) & kTimeMask);
  return key;
}

KeyboardCapture::KeyboardCapture(HWND target) : target_(target) {
  if (!hook) hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardCapture::Procedure, ::GetModuleHandleW(nullptr), 0);
  if (!hook) return;
  active_ = true;
  previous_ = newest;
  newest = this;
  newestTarget = target_;
}

KeyboardCapture::~KeyboardCapture() {
  if (!active_) return;
  // Captures end in any order: unlink this one wherever it is in the chain.
  if (newest == this) {
    newest = previous_;
  } else {
    for (KeyboardCapture* c = newest; c; c = c->previous_)
      if (c->previous_ == this) {
        c->previous_ = previous_;
        break;
      }
  }
  newestTarget = newest ? newest->target_ : nullptr;
  if (!newest && hook) {
    ::UnhookWindowsHookEx(hook);
    hook = nullptr;
    if (idleWindow) ::PostMessageW(idleWindow, idleMessage, 0, 0);
  }
}

bool KeyboardCapture::Active() { return newest != nullptr; }

void KeyboardCapture::NotifyWhenIdle(HWND window, UINT message) {
  idleWindow = window;
  idleMessage = message;
}

LRESULT CALLBACK KeyboardCapture::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && newestTarget) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (!(key.flags & LLKHF_INJECTED)) {
      const bool release = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
      const LPARAM message = (release ? kCapturedRelease : 0) |
                             static_cast<LPARAM>(static_cast<ULONG_PTR>(key.time & kTimeMask) << kTimeShift);
      ::PostMessageW(newestTarget, WM_OPT_CAPTURED_KEY, key.vkCode, message);
      return 1;
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace orvix
