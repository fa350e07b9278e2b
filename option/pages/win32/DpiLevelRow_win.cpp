#include "DpiLevelRow_win.h"

#include "DpiLevelRowLayout.h"
#include "LayoutTable.h"

namespace orvix {
namespace {

constexpr int kRowWidth96 = 375;
constexpr int kRowHeight96 = 39;
constexpr int kPresetFirstId = 201;
constexpr int kStripId = 101;
constexpr int kCheckId = 102;
constexpr COLORREF kPresetText = RGB(200, 206, 214);

ControlPlacement RowPlacement(std::string_view role) {
  if (const LayoutLine* line = FindLayoutRole(kDpiLevelRowLayout, role))
    if (auto placement = ParseLayoutString(line->layout)) return *placement;
  return {};
}

}  // namespace

DpiLevelRow::~DpiLevelRow() = default;

std::shared_ptr<const SkinImages> DpiLevelRow::LoadArt(std::string_view installFolder, const DpiScale& dpi) {
  return std::make_shared<const SkinImages>(SkinImages::Load(installFolder, "dpi_level_row", dpi, kRowWidth96, kRowHeight96));
}

bool DpiLevelRow::Create(const Setup& setup) {
  page_ = setup.page;
  rowId_ = setup.rowId;
  dpi_ = setup.dpi;
  const PixelRect r = dpi_.Scale(setup.placement);
  if (!Window::Create({"OrvixDpiLevelRow", "DPI", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                       r.left, r.top, r.Width(), r.bottom - r.top, setup.page}))
    return false;
  ::SetWindowLongPtrW(hwnd(), GWLP_ID, rowId_);
  images_ = setup.art;
  if (!images_) return false;
  CreateControls(setup);
  ShowState();
  return true;
}

void DpiLevelRow::CreateControls(const Setup& setup) {
  const SkinImages& art = *images_;
  auto base = [&](std::string_view role, int id) {
    SkinControlSetup control;
    control.parent = hwnd();
    control.placement = RowPlacement(role);
    control.placement.toolTip.clear();
    control.dpi = dpi_;
    control.id = id;
    control.quickHelp = setup.quickHelp;
    return control;
  };
  {
    SkinButtonSetup strip;
    static_cast<SkinControlSetup&>(strip) = base("strip", kStripId);
    strip.kind = ButtonKind::kCheck;
    strip.font = setup.labelFont;
    strip_.Create(strip, ButtonImages::Cut(art, dpi_.Scale(strip.placement)));
  }
  {
    SkinButtonSetup check;
    static_cast<SkinControlSetup&>(check) = base("check", kCheckId);
    check.label = L"Enable";
    check_.Create(check, ButtonImages::Cut(art, dpi_.Scale(check.placement)));
  }
  {
    SliderSetup slider;
    static_cast<SkinControlSetup&>(slider) = base("slider", kSliderId);
    slider.minimum = kDpiLevelMinimum;
    slider.maximum = kDpiLevelMaximum;
    slider.value = state_.sliderLevel();
    slider_.Create(slider, art.Cut(SkinState::kNormal, dpi_.Scale(slider.placement)));
  }
  {
    NumberBoxSetup number;
    static_cast<SkinControlSetup&>(number) = base("number", kNumberId);
    number.minimum = kDpiMinimum;
    number.maximum = kDpiMaximum;
    number.step = kDpiPerLevel;
    number.value = state_.numberDpi();
    number.font = setup.numberFont;
    number_.Create(number, art.Cut(SkinState::kNormal, dpi_.Scale(number.placement)));
  }
  for (std::size_t k = 0; k < presets_.size(); ++k) {
    SkinButtonSetup preset;
    static_cast<SkinControlSetup&>(preset) = base("preset." + std::to_string(k + 1), kPresetFirstId + static_cast<int>(k));
    preset.label = std::to_wstring(DpiOfLevel(kDpiPresetLevels[k]));
    preset.font = setup.presetFont;
    preset.textColour = kPresetText;
    preset.tabStop = false;
    presets_[k].Create(preset, ButtonImages::Cut(art, dpi_.Scale(preset.placement)));
  }
}

void DpiLevelRow::Show(int level, bool enabled, bool active) {
  state_.Show(level, enabled, active);
  ShowState();
}

void DpiLevelRow::ShowState() {
  slider_.SetValue(state_.sliderLevel());
  number_.SetValue(state_.numberDpi());
  check_.SetChecked(state_.enabled());
  strip_.SetChecked(state_.active());
  const bool levelControls = state_.levelControlsEnabled();
  strip_.Enable(levelControls);
  slider_.Enable(levelControls);
  number_.Enable(levelControls);
  for (SkinButton& preset : presets_) preset.Enable(levelControls);
  check_.Enable(state_.checkBoxEnabled());
}

void DpiLevelRow::Relabel(std::wstring_view quickHelp, std::wstring_view stripLabel, std::wstring_view checkLabel) {
  for (SkinControl* control : std::initializer_list<SkinControl*>{&strip_, &check_, &slider_, &number_})
    control->SetQuickHelp(quickHelp);
  for (SkinButton& preset : presets_) preset.SetQuickHelp(quickHelp);
  strip_.SetLabel(stripLabel);
  check_.SetLabel(checkLabel);
}

void DpiLevelRow::SetFonts(FontRef labelFont, FontRef presetFont) {
  strip_.SetLabelFont(std::move(labelFont));
  for (SkinButton& preset : presets_) preset.SetFont(presetFont);
}

void DpiLevelRow::Tell(const std::optional<DpiRowNotice>& notice) {
  if (!notice) return;
  ::PostMessageW(page_, WM_OPT_DPI_ROW, PackDpiRowNotice(*notice), rowId_);
}

void DpiLevelRow::OnCommand(HWND sender) {
  if (sender == strip_.hwnd()) return Tell(state_.OnStripPressed(strip_.checked()));
  if (sender == check_.hwnd()) {
    const DpiRowNotice notice = state_.OnEnableToggled(check_.checked());
    ShowState();
    return Tell(notice);
  }
  for (std::size_t k = 0; k < presets_.size(); ++k) {
    if (sender != presets_[k].hwnd()) continue;
    const auto notice = state_.OnPreset(static_cast<int>(k));
    ShowState();
    return Tell(notice);
  }
}

void DpiLevelRow::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = ::BeginPaint(hwnd(), &ps);
  if (images_) images_->Image(SkinState::kNormal).Draw(dc, 0, 0);
  ::EndPaint(hwnd(), &ps);
}

LRESULT DpiLevelRow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      // The row's background drags the main dialog as the page's does.
      ::PostMessageW(::GetAncestor(hwnd(), GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return 0;
    case WM_COMMAND:
      if (lParam && HIWORD(wParam) == BN_CLICKED) OnCommand(reinterpret_cast<HWND>(lParam));
      return 0;
    case kSliderNotification:
      if (lParam == kSliderId) {
        const auto notice = state_.OnSliderMoved(static_cast<int>(wParam));
        if (notice) number_.SetValue(state_.numberDpi());
        Tell(notice);
      }
      return 0;
    case kNumberBoxNotification:
      if (lParam == kNumberId) {
        const auto notice = state_.OnNumberChanged(static_cast<int>(wParam));
        if (notice) slider_.SetValue(state_.sliderLevel());
        // The box shows the level's own DPI: 1100 typed is level 5, shown as 1000.
        number_.SetValue(state_.numberDpi());
        Tell(notice);
      }
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace orvix
