// How the skinned dialogs and panes make their controls: each at its role's placement in
// the window's layout table, its looks cut from the window's state pictures, its text in
// the window's fonts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "DpiScale.h"
#include "LayoutPlacements_win.h"
#include "NumberBox_win.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"
#include "SkinLabel_win.h"

namespace orvix {

struct ControlMaker {
  HWND parent = nullptr;
  const SkinImages* images = nullptr;
  DpiScale dpi;
  LayoutPlacements layout;
  FontRef titleFont, textFont;

  ControlPlacement PlacementOf(std::string_view role) const { return layout.Of(role); }
  PixelRect RectOf(std::string_view role) const { return dpi.Scale(layout.Of(role)); }

  void Label(SkinLabel& label, std::string_view role, const std::wstring& text, bool title = false,
             UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX) const;
  void Button(SkinButton& button, std::string_view role, const std::wstring& label, bool drawLabel = true,
              ButtonKind kind = ButtonKind::kPush) const;
  // An edit field of at most `maxLength` characters, in the ANSI code page as the records
  // keep their texts; a longer `text` (a record from elsewhere) shows whole.
  HWND Field(std::string_view role, const std::string& text, int maxLength, DWORD style = 0) const;
  void Number(NumberBox& box, std::string_view role, int minimum, int maximum, int value) const;
  // An owner-drawn list box with fixed rows of `rowHeight96`; its parent draws the rows.
  HWND List(std::string_view role, int id, int rowHeight96) const;
};

// An ANSI field's text.
std::string FieldText(HWND field);

}  // namespace orvix
