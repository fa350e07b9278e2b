// An animated picture in a child window: an animated GIF plays in an endless loop, a
// single-frame file (JPEG, PNG, a still GIF) is shown as it is. The frames are decoded up
// front; a player thread only waits each frame's delay on a stop event and asks the window
// to repaint. Stopping, and the window's destruction, set the event and join the thread
// before the frames are freed. A missing or damaged file shows nothing.
#pragma once

#include <atomic>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "SkinControl_win.h"
#include "SkinImages_win.h"
#include "WinHandles.h"

namespace orvix {

struct AnimatedPictureSetup : SkinControlSetup {
  AnimatedPictureSetup() { tabStop = false; }
  // Frames are drawn at their own size scaled by the DPI and centred; with `stretch` they
  // fill the control.
  bool stretch = false;
};

class AnimatedPicture : public SkinControl {
 public:
  AnimatedPicture() = default;
  ~AnimatedPicture() override;

  // `background` is the dialog's art under the picture (null: plain graphite).
  bool Create(const AnimatedPictureSetup& setup, std::shared_ptr<const SkinBitmap> background);

  // Loads a file (a path in the system's code page) and plays it; false, and nothing shown,
  // when it cannot be read.
  bool Open(std::string_view path);
  void Play();
  void Stop();
  void Clear();

  bool playing() const { return player_.joinable(); }
  std::size_t frameCount() const { return frames_.size(); }
  std::size_t currentFrame() const { return current_.load(); }
  // How many frames the player has advanced since the last Open (for tests and checks).
  std::size_t framesShown() const { return advanced_.load(); }
  const std::vector<int>& delaysMs() const { return delaysMs_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PlayerLoop();
  void Paint(HDC dc, const RECT& client) const;

  bool stretch_ = false;
  std::shared_ptr<const SkinBitmap> background_;
  std::vector<SkinBitmap> frames_;
  std::vector<int> delaysMs_;
  std::atomic<std::size_t> current_{0};
  std::atomic<std::size_t> advanced_{0};
  KernelHandle stop_;
  std::thread player_;
};

}  // namespace orvix
