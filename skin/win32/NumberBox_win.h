// The spin field: a numeric edit with up and down arrows, a minimum and a maximum. Typing
// follows the spin field's rules at once; Enter, leaving the field, the arrows (buttons,
// keys, wheel) commit, and a committed value that changed is posted to the parent:
// `notifyMessage` with the value in wParam and the control identifier in lParam.
#pragma once

#include <memory>

#include "NumberBoxRules.h"
#include "SkinControl_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"

namespace orvix {

inline constexpr UINT kNumberBoxNotification = 1114;

struct NumberBoxSetup : SkinControlSetup {
  int minimum = 0;
  int maximum = 100;
  int step = 1;
  int value = 0;
  FontRef font;
  UINT notifyMessage = kNumberBoxNotification;
};

class NumberBox : public SkinControl {
 public:
  NumberBox();
  ~NumberBox() override;

  // `background` is the dialog's art under the box (null: plain graphite).
  bool Create(const NumberBoxSetup& setup, std::shared_ptr<const SkinBitmap> background);

  // The committed value.
  int value() const { return value_; }
  // Shows a value (clamped to the range) without notifying the parent.
  void SetValue(int value);
  std::wstring text() const;
  HWND edit() const { return edit_; }
  const NumberBoxRules& rules() const { return rules_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  enum class Arrow { kNone, kUp, kDown };

  static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
  LRESULT OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnTextChanged();
  void Commit();
  void Step(int steps);
  void ShowText(const std::string& text);
  void Publish(int value);
  void Layout();
  RECT ArrowRect(Arrow arrow) const;
  Arrow ArrowAt(POINT point) const;
  void Paint(HDC dc, const RECT& client) const;
  void OnWheel(WPARAM wParam);

  NumberBoxRules rules_;
  int value_ = 0;
  UINT notifyMessage_ = kNumberBoxNotification;
  HWND edit_ = nullptr;
  FontRef font_;
  std::shared_ptr<const SkinBitmap> background_;
  BrushHandle fieldBrush_;
  bool settingText_ = false;
  Arrow pressed_ = Arrow::kNone;
  int wheelDelta_ = 0;
};

}  // namespace orvix
