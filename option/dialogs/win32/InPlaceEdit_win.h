// An edit field opened over a row of a list to change its text in place: Enter or leaving
// the field commits, Escape cancels. Its owner hears of the end once, after the field is
// gone, so it may rebuild the list at once.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "SkinFont_win.h"

namespace orvix {

class InPlaceEdit {
 public:
  // committed: true for Enter or focus loss, with the text typed.
  using Finished = std::function<void(bool committed, const std::string& text)>;

  InPlaceEdit() = default;
  InPlaceEdit(const InPlaceEdit&) = delete;
  InPlaceEdit& operator=(const InPlaceEdit&) = delete;
  ~InPlaceEdit();

  // Opens over row `row` of `list` with `text` selected, at most `maxLength` characters.
  void Open(HWND list, int row, const std::string& text, int maxLength, const FontRef& font, Finished finished);
  bool open() const { return edit_ != nullptr; }
  // Ends it as if the user had pressed Enter.
  void Commit() { Finish(true); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR data);
  void Finish(bool committed);

  HWND edit_ = nullptr;
  HWND list_ = nullptr;
  Finished finished_;
};

}  // namespace orvix
