// Animated pictures.
#include "AnimatedPicture_win.h"

#include <algorithm>

#include "FrameTiming.h"
#include "PaintBuffer_win.h"
#include "PictureDecoder_win.h"
#include "SkinClasses_win.h"
#include "SkinColours_win.h"
#include "WideText_win.h"

namespace orvix {
namespace {

// Posted by the player: the UI thread invalidates, the player never waits on it.
constexpr UINT kFrameMessage = WM_USER + 0x101;

}  // namespace

AnimatedPicture::~AnimatedPicture() {
  Stop();
  DestroyControl();
}

bool AnimatedPicture::Create(const AnimatedPictureSetup& setup, std::shared_ptr<const SkinBitmap> background) {
  stretch_ = setup.stretch;
  background_ = std::move(background);
  stop_.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stop_) return false;
  return CreateControl(setup, kPictureClass, L"", 0);
}

bool AnimatedPicture::Open(std::string_view path) {
  Clear();
  const DpiScale scale = dpi();
  const RECT client{0, 0, rect().Width(), rect().Height()};
  std::optional<DecodedPicture> picture = DecodePictureFile(
      WideFromAnsi(path),
      [&](SIZE natural) {
        if (stretch_) return SIZE{std::max(1L, client.right), std::max(1L, client.bottom)};
        return SIZE{std::max(1, scale.Scale(natural.cx)), std::max(1, scale.Scale(natural.cy))};
      },
      PictureBackground::kKeepAlpha, kMaxPictureFrames);
  if (!picture) return false;
  frames_ = std::move(picture->frames);
  delaysMs_ = std::move(picture->delaysMs);
  Repaint();
  Play();
  return true;
}

void AnimatedPicture::Play() {
  if (playing() || frames_.size() < 2 || !stop_ || !hwnd()) return;
  ::ResetEvent(stop_.get());
  player_ = std::thread([this] { PlayerLoop(); });
}

void AnimatedPicture::Stop() {
  if (!player_.joinable()) return;
  ::SetEvent(stop_.get());
  player_.join();
}

void AnimatedPicture::Clear() {
  Stop();
  frames_.clear();
  delaysMs_.clear();
  current_ = 0;
  advanced_ = 0;
  Repaint();
}

void AnimatedPicture::PlayerLoop() {
  // Only what stays fixed while the thread runs is read here: the delays, the frame count,
  // the event and the window handle. Stop() joins before any of them changes.
  const HWND window = hwnd();
  std::size_t frame = current_.load();
  while (::WaitForSingleObject(stop_.get(), static_cast<DWORD>(delaysMs_[frame])) == WAIT_TIMEOUT) {
    frame = NextFrame(frame, frames_.size());
    current_.store(frame);
    ++advanced_;
    ::PostMessageW(window, kFrameMessage, 0, 0);
  }
}

void AnimatedPicture::Paint(HDC dc, const RECT& client) const {
  if (background_) {
    background_->DrawScaled(dc, client);
  } else {
    BrushHandle fill(::CreateSolidBrush(skin_colours::kStandInNormal));
    ::FillRect(dc, &client, fill.get());
  }
  const std::size_t frame = current_.load();
  if (frame >= frames_.size()) return;
  const SkinBitmap& picture = frames_[frame];
  if (stretch_) {
    picture.DrawScaled(dc, client);
    return;
  }
  const int x = (client.right - client.left - picture.width()) / 2;
  const int y = (client.bottom - client.top - picture.height()) / 2;
  picture.Draw(dc, client.left + x, client.top + y);
}

LRESULT AnimatedPicture::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = HandlePainting(message, wParam, [this](HDC dc, const RECT& client) { Paint(dc, client); }))
    return *painted;
  switch (message) {
    case kFrameMessage:
      Repaint();
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // a picture takes no clicks: a press on it drags the dialog
    case WM_DESTROY:
      // The window goes: the player stops and is joined while everything it reads is alive.
      Stop();
      break;
    default:
      break;
  }
  return CallClass(message, wParam, lParam);
}

}  // namespace orvix
