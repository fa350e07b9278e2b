// The double-click test of the main page: a button showing a picture, stretched to it. A
// double click, as Windows counts one by its double-click time, plays a short clip once in
// an animation control made over the picture on the first one, and a sound without the
// system's default sound. A single click does nothing. Missing files leave it blank or
// silent.
#pragma once

#include <string>

#include "GdiHandles_win.h"
#include "SkinButton_win.h"
#include "WinHandles.h"

namespace orvix {

class DoubleClickTest final : public SkinButton {
 public:
  // The files, relative to the install folder.
  static constexpr const char* kPictureFile = "wave\\double_click.bmp";
  static constexpr const char* kClipFile = "wave\\double_click.avi";
  static constexpr const char* kSoundFile = "wave\\double_click.wav";

  // `installFolder` ends with a backslash.
  bool Create(SkinButtonSetup setup, ButtonImages images, const std::string& installFolder);
  // The animation control, once a double click made it.
  HWND clip() const { return clip_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintExtras(HDC dc, const RECT& client, SkinState state) const override;

 private:
  void Play();
  void PlaySoundFile();

  std::wstring clipPath_, soundPath_;
  BitmapHandle picture_;
  SIZE pictureSize_{};
  HWND clip_ = nullptr;  // a child of the button, destroyed with it
  bool clipOpen_ = false;
  ModuleHandle winmm_;   // PlaySound's library, bound on the first double click
};

}  // namespace orvix
