// A skinned child pane of a dialog: a modeless child dialog at a placement of its parent,
// painted from its own state pictures, with its controls placed by its own layout table.
// The macro manager's two editors are panes that take turns in one place.
#pragma once

#include <windows.h>

#include <memory>

#include "ControlMaker_win.h"
#include "FormDialog_win.h"

namespace orvix {

class SkinPane {
 public:
  SkinPane(const SkinPane&) = delete;
  SkinPane& operator=(const SkinPane&) = delete;
  virtual ~SkinPane();

  // The pane's window at `placement` of `parent` (96-DPI units), hidden, its controls
  // made by Build.
  bool Create(HWND parent, const ControlPlacement& placement);
  HWND hwnd() const { return hwnd_; }
  void Show(bool visible);
  bool visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }

 protected:
  // `art` names the pane's pictures in "Skin\"; the table's "dialog" line gives its size.
  SkinPane(const FormDialogSetup& setup, const char* art, LayoutPlacements layout);

  virtual void Build() = 0;
  // A click of one of its buttons (BN_CLICKED), or another command (sender null).
  virtual void OnCommand(HWND sender, WORD id, WORD code) = 0;
  // Any other message; true when handled, with `result` the dialog's answer.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
  // Drawn over the pane's background while it paints.
  virtual void OnPaintOver(HDC dc) { (void)dc; }

  const ControlMaker& maker() const { return maker_; }
  const FormDialogSetup& setup() const { return setup_; }
  const DpiScale& dpi() const { return setup_.dpi; }
  const SkinImages& images() const { return *images_; }
  std::wstring Text(int id) const { return setup_.texts ? setup_.texts->Text(id) : std::wstring(); }
  const FontRef& textFont() const { return maker_.textFont; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  const FormDialogSetup setup_;
  const char* art_;
  LayoutPlacements layout_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<SkinImages> images_;
  ControlMaker maker_;
  BrushHandle fieldBrush_;
};

}  // namespace orvix
