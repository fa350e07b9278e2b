// Skinned texts.
#include "SkinLabel_win.h"

#include <algorithm>

#include "PaintBuffer_win.h"
#include "SkinColours_win.h"

namespace orvix {

SkinLabel::~SkinLabel() { DestroyControl(); }

bool SkinLabel::Create(const SkinLabelSetup& setup, std::shared_ptr<const SkinBitmap> background) {
  background_ = std::move(background);
  font_ = setup.font;
  colour_ = setup.colour;
  format_ = setup.format | DT_NOPREFIX;
  // SS_NOTIFY: the label takes the pointer (for its quick help) instead of passing it on.
  return CreateControl(setup, L"Static", setup.text, SS_LEFT | SS_NOTIFY);
}

void SkinLabel::SetText(std::wstring_view text) {
  if (hwnd()) ::SetWindowTextW(hwnd(), std::wstring(text).c_str());
}

std::wstring SkinLabel::text() const {
  if (!hwnd()) return {};
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd())) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void SkinLabel::SetColour(COLORREF colour) {
  if (colour_ == colour) return;
  colour_ = colour;
  Repaint();
}

void SkinLabel::SetFont(FontRef font) {
  font_ = std::move(font);
  Repaint();
}

void SkinLabel::Paint(HDC dc, const RECT& client) const {
  if (background_) {
    background_->DrawScaled(dc, client);
  } else {
    BrushHandle fill(::CreateSolidBrush(skin_colours::kStandInNormal));
    ::FillRect(dc, &client, fill.get());
  }
  std::wstring shown = text();
  if (shown.empty()) return;
  SelectedObject font(dc, FontOrDefault(font_));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, colour_);
  RECT area = client;
  // A wrapped line measured to fit exactly may still be drawn a pixel wider: keep a margin
  // so its last letter is never cut off at the edge.
  if (format_ & DT_WORDBREAK) area.right -= std::max(1, dpi().Scale(2));
  ::DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &area, format_);
}

LRESULT SkinLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = HandlePainting(message, wParam, [this](HDC dc, const RECT& client) { Paint(dc, client); }))
    return *painted;
  switch (message) {
    case WM_SETTEXT: {
      LRESULT result = CallClass(message, wParam, lParam);
      Repaint();
      return result;
    }
    default:
      return CallClass(message, wParam, lParam);
  }
}

}  // namespace orvix
