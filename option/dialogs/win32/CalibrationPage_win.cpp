#include "CalibrationPage_win.h"

#include <algorithm>
#include <cstdlib>

#include "GdiHandles_win.h"
#include "PaintBuffer_win.h"

namespace orvix {
namespace {

constexpr wchar_t kPageClass[] = L"OrvixOneCalibrationPage";

bool RegisterPageClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ::DefWindowProcW;  // replaced per window below
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kPageClass;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

bool HasRole(const LayoutPlacements& layout, std::string_view role) { return !layout.Of(role).name.empty(); }

}  // namespace

CalibrationPage::~CalibrationPage() {
  animation_.Stop();
  if (hwnd_ && ::IsWindow(hwnd_)) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool CalibrationPage::Create(const CalibrationPageSetup& setup) {
  if (!RegisterPageClass()) return false;
  wizard_ = setup.wizard;
  const PixelRect& r = setup.rect;
  hwnd_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPCHILDREN, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, setup.wizard, nullptr, ::GetModuleHandleW(nullptr),
                            nullptr);
  if (!hwnd_) return false;
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CalibrationPage::Procedure));

  const ControlPlacement size = setup.layout.Dialog();
  images_ = std::make_unique<SkinImages>(
      SkinImages::Load(setup.installFolder, setup.art, setup.dpi, size.Width(), size.Height()));

  if (HasRole(setup.layout, "message")) {
    SkinLabelSetup label;
    label.parent = hwnd_;
    label.placement = setup.layout.Of("message");
    label.dpi = setup.dpi;
    label.text = setup.text;
    label.font = setup.textFont;
    label.colour = RGB(214, 219, 226);
    label.format = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
    text_.Create(label, images_->Cut(SkinState::kNormal, setup.dpi.Scale(label.placement)));
  }
  if (HasRole(setup.layout, "button")) {
    SkinButtonSetup button;
    button.parent = hwnd_;
    button.placement = setup.layout.Of("button");
    button.dpi = setup.dpi;
    button.label = setup.buttonLabel;
    button.font = setup.buttonFont;
    button_.Create(button, ButtonImages::Cut(*images_, setup.dpi.Scale(button.placement)));
  }
  if (HasRole(setup.layout, "art.image")) {
    hasImage_ = true;
    imageRect_ = setup.dpi.Scale(setup.layout.Of("art.image"));
  }
  if (HasRole(setup.layout, "art.progress") && !setup.animation.empty()) {
    AnimatedPictureSetup picture;
    picture.parent = hwnd_;
    picture.placement = setup.layout.Of("art.progress");
    picture.dpi = setup.dpi;
    picture.stretch = true;
    animation_.Create(picture, images_->Cut(SkinState::kNormal, setup.dpi.Scale(picture.placement)));
    hasAnimation_ = animation_.Open(setup.animation);
    animation_.Stop();
  }
  return true;
}

void CalibrationPage::Show(bool visible) {
  if (!hwnd_) return;
  // The animation plays only while its page shows.
  if (hasAnimation_) visible ? animation_.Play() : animation_.Stop();
  ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

void CalibrationPage::SetSensorImage(HBITMAP image) {
  sensorImage_ = image;
  if (hwnd_ && hasImage_) {
    const RECT r{imageRect_.left, imageRect_.top, imageRect_.right, imageRect_.bottom};
    ::InvalidateRect(hwnd_, &r, FALSE);
  }
}

void CalibrationPage::Paint() {
  PAINTSTRUCT ps;
  const HDC screen = ::BeginPaint(hwnd_, &ps);
  {
    PaintBuffer buffer(screen, ps.rcPaint);
    const HDC dc = buffer.dc();
    images_->Image(SkinState::kNormal).Draw(dc, 0, 0);
    BITMAP info{};
    if (hasImage_ && sensorImage_ && ::GetObjectW(sensorImage_, sizeof info, &info) && info.bmWidth > 0) {
      // The sensor's picture is square; the file pads its rows, so the width may be larger.
      const int side = std::min<int>(info.bmWidth, std::abs(info.bmHeight));
      const int inset = std::max(1, (imageRect_.right - imageRect_.left) / 60);
      const MemoryDc source(::CreateCompatibleDC(dc));
      if (source) {
        const SelectedObject selected(source.get(), sensorImage_);
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, imageRect_.left + inset, imageRect_.top + inset, imageRect_.right - imageRect_.left - 2 * inset,
                     imageRect_.bottom - imageRect_.top - 2 * inset, source.get(), 0, 0, side, side, SRCCOPY);
      }
    }
  }
  ::EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK CalibrationPage::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* page = reinterpret_cast<CalibrationPage*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!page) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      page->Paint();
      return 0;
    case WM_COMMAND:
      // The wizard answers its pages' buttons.
      return ::SendMessageW(page->wizard_, WM_COMMAND, wParam, lParam);
    case WM_LBUTTONDOWN:
      ::PostMessageW(page->wizard_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace orvix
