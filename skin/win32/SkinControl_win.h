// What every skinned control shares: a real child window placed from its layout string at
// the window's DPI, bound to its C++ object by a subclass; the quick-help text told to the
// dialog's sink when the pointer enters (and "" when it leaves); the balloon tool tip of the
// layout string. The object owns the window: destroying either one ends both cleanly.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ButtonLook.h"
#include "DpiScale.h"
#include "LayoutString.h"
#include "ToolTip_win.h"

namespace orvix {

// Told the quick-help text of the control the pointer entered, and "" when it leaves.
using QuickHelpSink = std::function<void(std::wstring_view text)>;

struct SkinControlSetup {
  HWND parent = nullptr;
  ControlPlacement placement;  // 96-DPI units, the parent's client coordinates
  DpiScale dpi;
  int id = 0;  // the control identifier its notifications carry
  QuickHelpSink quickHelp;
  // When not 0, posted to the parent on entering (wParam 1) and leaving (wParam 0), lParam
  // the control identifier.
  UINT hoverMessage = 0;
  bool visible = true;
  bool tabStop = true;
};

class SkinControl {
 public:
  SkinControl(const SkinControl&) = delete;
  SkinControl& operator=(const SkinControl&) = delete;
  virtual ~SkinControl();

  HWND hwnd() const { return hwnd_; }
  int id() const { return id_; }
  // The control's rectangle in the parent's client pixels at its DPI.
  const PixelRect& rect() const { return rect_; }
  const DpiScale& dpi() const { return dpi_; }

  // The quick-help text starts as the layout string's tool-tip; the language library
  // replaces it. The balloon tool tip keeps the layout string's text unless set here.
  void SetQuickHelp(std::wstring_view text);
  const std::wstring& quickHelp() const { return quickHelp_; }
  void SetToolTip(std::wstring_view text);
  const std::wstring& toolTip() const { return toolTip_.text(); }

  void Show(bool visible);
  void Enable(bool enabled);
  bool enabled() const;
  bool hot() const { return hover_.inside(); }

  void DestroyControl();

 protected:
  SkinControl() = default;

  // Creates the window of `className` at the placement's rectangle and binds it.
  bool CreateControl(const SkinControlSetup& setup, const wchar_t* className, std::wstring_view text, DWORD style,
                     DWORD exStyle = 0);

  // Every message of the window; the default passes it on to the window's class.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnHoverChanged() {}
  LRESULT CallClass(UINT message, WPARAM wParam, LPARAM lParam);
  // A child window of the control (the number box's edit) passes its WM_MOUSEMOVE and
  // WM_MOUSELEAVE here: the pointer over a child is still over the control.
  void TrackChildPointer(HWND child, UINT message);
  void Repaint() const;
  // WM_ERASEBKGND, WM_PAINT and WM_PRINTCLIENT of a control that paints its whole client
  // area with `paint` (through a buffer on screen); nullopt for any other message.
  std::optional<LRESULT> HandlePainting(UINT message, WPARAM wParam,
                                        const std::function<void(HDC, const RECT&)>& paint);
  void NotifyParent(UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR subclassId, DWORD_PTR self);
  void OnPointerMove(HWND over);
  void OnPointerLeft();
  bool PointerWithin() const;

  HWND hwnd_ = nullptr;
  HWND parent_ = nullptr;
  int id_ = 0;
  PixelRect rect_;
  DpiScale dpi_;
  std::wstring quickHelp_;
  QuickHelpSink quickHelpSink_;
  UINT hoverMessage_ = 0;
  PointerHover hover_;
  ToolTip toolTip_;
};

}  // namespace orvix
