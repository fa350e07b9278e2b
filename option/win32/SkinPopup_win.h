// A skinned pop-up of the configuration program (a notice, a question, the language
// chooser): a modal dialog drawn from its own state pictures, shaped by their white
// outside, whose subclass makes its controls and answers their clicks.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "DpiScale.h"
#include "SkinImages_win.h"

namespace orvix {

class SkinPopup {
 public:
  SkinPopup(const SkinPopup&) = delete;
  SkinPopup& operator=(const SkinPopup&) = delete;
  virtual ~SkinPopup() = default;

  // Shows the pop-up over `owner` until End; returns what End was given, or 0 when the
  // pop-up could not be made.
  INT_PTR RunModal(HWND owner);

 protected:
  // `art` names the pictures in "Skin\", `width96` and `height96` the pop-up's layout size.
  SkinPopup(std::string installFolder, const char* art, const DpiScale& dpi, int width96, int height96)
      : installFolder_(std::move(installFolder)), art_(art), dpi_(dpi), width96_(width96), height96_(height96) {}

  // The pop-up's window exists and has its pictures and size: make the controls, place it.
  virtual void Build() = 0;
  // A click of one of its buttons, or IDOK/IDCANCEL from the keyboard (sender null).
  virtual void OnCommand(HWND sender, WORD id) = 0;
  // A press on the background; the default moves the pop-up as a caption would.
  virtual void OnBackgroundPress();
  // Any other message; true when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    (void)message, (void)wParam, (void)lParam;
    return false;
  }

  // WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC of a child: the brush for its background, or
  // null for the system's.
  virtual HBRUSH OnControlColour(HDC dc, HWND control) {
    (void)dc, (void)control;
    return nullptr;
  }

  void End(INT_PTR result);
  HWND hwnd() const { return hwnd_; }
  const SkinImages& images() const { return *images_; }
  const DpiScale& dpi() const { return dpi_; }
  const std::string& installFolder() const { return installFolder_; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  std::string installFolder_;
  const char* art_;
  DpiScale dpi_;
  int width96_, height96_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<SkinImages> images_;
};

}  // namespace orvix
