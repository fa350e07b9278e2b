#include "DoubleClickTest_win.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "ProcAddress_win.h"
#include "WideText_win.h"

namespace orvix {
namespace {

constexpr UINT_PTR kClipSubclassId = 0x44434C50;  // "DCLP"

// The clip passes the pointer through to the picture under it, so that double clicks still
// reach the button while it plays.
LRESULT CALLBACK ClipProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, &ClipProcedure, kClipSubclassId);
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool DoubleClickTest::Create(SkinButtonSetup setup, ButtonImages images, const std::string& installFolder) {
  setup.drawLabel = false;
  setup.reportDoubleClicks = true;
  clipPath_ = WideFromAnsi(installFolder + kClipFile);
  soundPath_ = WideFromAnsi(installFolder + kSoundFile);
  const std::wstring picturePath = WideFromAnsi(installFolder + kPictureFile);
  picture_.reset(static_cast<HBITMAP>(
      ::LoadImageW(nullptr, picturePath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (picture_ && ::GetObjectW(picture_.get(), sizeof info, &info)) pictureSize_ = {info.bmWidth, info.bmHeight};
  if (!SkinButton::Create(setup, std::move(images))) return false;
  // The button's painting leaves the clip alone.
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, ::GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_CLIPCHILDREN);
  return true;
}

void DoubleClickTest::PaintExtras(HDC dc, const RECT& client, SkinState state) const {
  if (state == SkinState::kNormal) {
    // The page's resting picture is the bare panel: the frame at rest is drawn here.
    const BrushHandle edge(::CreateSolidBrush(RGB(0x36, 0x3c, 0x45)));
    ::FrameRect(dc, &client, edge.get());
  }
  if (!picture_ || pictureSize_.cx <= 0 || pictureSize_.cy <= 0) return;
  MemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject selected(source.get(), picture_.get());
  // Inside the one-pixel frame that the pictures of the other states light.
  const int inset = dpi().Scale(1);
  const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
  ::StretchBlt(dc, client.left + inset, client.top + inset, client.right - client.left - 2 * inset,
               client.bottom - client.top - 2 * inset, source.get(), 0, 0, pictureSize_.cx, pictureSize_.cy, SRCCOPY);
  ::SetStretchBltMode(dc, oldMode);
}

void DoubleClickTest::Play() {
  if (!clip_) {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const int inset = dpi().Scale(1);
    clip_ = ::CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_CHILD | ACS_CENTER, inset, inset,
                              client.right - 2 * inset, client.bottom - 2 * inset, hwnd(), nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
    if (clip_) ::SetWindowSubclass(clip_, &ClipProcedure, kClipSubclassId, 0);
  }
  if (clip_ && !clipOpen_)
    clipOpen_ = ::SendMessageW(clip_, ACM_OPENW, 0, reinterpret_cast<LPARAM>(clipPath_.c_str())) != 0;
  if (clipOpen_) {
    ::ShowWindow(clip_, SW_SHOWNA);
    ::SendMessageW(clip_, ACM_PLAY, 1, MAKELPARAM(0, 0xFFFF));  // once, first to last frame
  }
  PlaySoundFile();
}

void DoubleClickTest::PlaySoundFile() {
  // winmm is bound at run time: the program needs it for this one sound only.
  if (!winmm_) winmm_.reset(::LoadLibraryW(L"winmm.dll"));
  using PlaySoundFn = BOOL WINAPI(LPCWSTR, HMODULE, DWORD);
  if (auto* play = ProcAddress<PlaySoundFn>(winmm_.get(), "PlaySoundW"))
    play(soundPath_.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

LRESULT DoubleClickTest::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      if (enabled()) Play();
      break;
    case WM_COMMAND:
      // The clip has run: the picture shows again.
      if (clip_ && reinterpret_cast<HWND>(lParam) == clip_ && HIWORD(wParam) == ACN_STOP) {
        ::ShowWindow(clip_, SW_HIDE);
        return 0;
      }
      break;
    case WM_DESTROY:
      if (clip_) ::SendMessageW(clip_, ACM_STOP, 0, 0);
      // A sound still playing ends with the picture.
      if (winmm_) {
        using PlaySoundFn = BOOL WINAPI(LPCWSTR, HMODULE, DWORD);
        if (auto* play = ProcAddress<PlaySoundFn>(winmm_.get(), "PlaySoundW")) play(nullptr, nullptr, 0);
      }
      clip_ = nullptr;
      clipOpen_ = false;
      break;
    default:
      break;
  }
  return SkinButton::OnMessage(message, wParam, lParam);
}

}  // namespace orvix
