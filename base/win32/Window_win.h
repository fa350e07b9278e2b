// A window bound to a C++ object: the object is attached at WM_NCCREATE through
// lpCreateParams and every message reaches its HandleMessage.
#pragma once

#include <windows.h>

namespace orvix {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() { Destroy(); }

  HWND hwnd() const { return hwnd_; }
  void Destroy() {
    if (hwnd_) ::DestroyWindow(hwnd_);
  }

 protected:
  struct CreateParams {
    const char* className;
    const char* title;
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
  };

  // Registers the class on first use (no cursor, brush or icon) and creates the window.
  bool Create(const CreateParams& p) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    if (!::GetClassInfoExA(instance, p.className, &wc)) {
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = &Window::Procedure;
      wc.hInstance = instance;
      wc.lpszClassName = p.className;
      if (!::RegisterClassExA(&wc)) return false;
    }
    return ::CreateWindowExA(p.exStyle, p.className, p.title, p.style, p.x, p.y, p.width, p.height, p.parent,
                             nullptr, instance, this) != nullptr;
  }

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
  }
  // Called when the window is gone (after WM_NCDESTROY).
  virtual void OnWindowGone() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self;
    if (message == WM_NCCREATE) {
      self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      self->hwnd_ = hwnd;
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      self->OnWindowGone();
    }
    return result;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace orvix
