// The small skinned dialogs that collect a value (a timer, a shortcut, a program, a media
// player, a profile's name and programs): a SkinPopup placed over its owner, with its
// controls placed by the dialog's layout table and its texts in the interface language.
#pragma once

#include <windows.h>

#include <string>

#include "DpiScale.h"
#include "GdiHandles_win.h"
#include "LanguageLibrary_win.h"
#include "ControlMaker_win.h"
#include "LayoutPlacements_win.h"
#include "NumberBox_win.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinLabel_win.h"
#include "SkinPopup_win.h"

namespace orvix {

// What every form dialog is opened with.
struct FormDialogSetup {
  std::string installFolder;
  DpiScale dpi;
  const LanguageLibrary* texts = nullptr;
  int language = 1;  // the interface language, for its fonts
};

class FormDialog : public SkinPopup {
 protected:
  // `art` names the dialog's pictures in "Skin\"; the table's "dialog" line gives its size.
  FormDialog(const FormDialogSetup& setup, const char* art, LayoutPlacements layout);

  // Centres the dialog over its owner, gives it `title` as window text, makes the fonts.
  void Prepare(const char* title);
  void Prepare(const std::wstring& title);
  std::wstring Text(int id) const { return setup_.texts ? setup_.texts->Text(id) : std::wstring(); }
  ControlPlacement PlacementOf(std::string_view role) const { return layout_.Of(role); }

  void Label(SkinLabel& label, std::string_view role, const std::wstring& text, bool title = false,
             UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX) {
    maker_.Label(label, role, text, title, format);
  }
  void Button(SkinButton& button, std::string_view role, const std::wstring& label, bool drawLabel = true,
              ButtonKind kind = ButtonKind::kPush) {
    maker_.Button(button, role, label, drawLabel, kind);
  }
  HWND Field(std::string_view role, const std::string& text, int maxLength, DWORD style = 0) {
    return maker_.Field(role, text, maxLength, style);
  }
  void Number(NumberBox& box, std::string_view role, int minimum, int maximum, int value) {
    maker_.Number(box, role, minimum, maximum, value);
  }
  // The maker of this dialog's controls (valid after Prepare).
  const ControlMaker& maker() const { return maker_; }

  // OK, Cancel and Exit from the "ok", "cancel" and "exit" roles.
  void StandardButtons();
  void EnableStandardButtons(bool enabled);
  bool IsOk(HWND sender, WORD id) const { return (sender && sender == ok_.hwnd()) || (!sender && id == IDOK); }
  bool IsCancel(HWND sender, WORD id) const {
    return (sender && (sender == cancel_.hwnd() || sender == exit_.hwnd())) || (!sender && id == IDCANCEL);
  }

  // A notice with OK / a question with Yes and No over this dialog; true for Yes.
  void Notice(int titleId, const std::wstring& message);
  bool Ask(int titleId, const std::wstring& question);

  // The fields' colours.
  HBRUSH OnControlColour(HDC dc, HWND control) override;

  const FormDialogSetup& setup() const { return setup_; }
  const FontRef& textFont() const { return textFont_; }

 private:
  void PlaceAndMakeFonts();
  ControlMaker Maker() const;

  const FormDialogSetup setup_;
  LayoutPlacements layout_;
  FontRef titleFont_, textFont_;
  BrushHandle fieldBrush_;
  ControlMaker maker_;
  SkinButton ok_, cancel_, exit_;
};

}  // namespace orvix
