#include "MainPage_win.h"

#include <algorithm>

#include "LayoutString.h"
#include "LayoutTable.h"
#include "PageMainLayout.h"
#include "TextFormat.h"
#include "WideText_win.h"
#include "pages/main/MainPageTexts.h"

namespace orvix {
namespace {

constexpr COLORREF kTitleColour = RGB(0x64, 0xd8, 0xff);
// The longest double-click time Windows keeps; a record value outside 1..5000 is not one
// that Windows could have.
constexpr int kLongestDoubleClickMs = 5000;

ControlPlacement PagePlacement(std::string_view role) {
  if (const LayoutLine* line = FindLayoutRole(kPageMainLayout, role))
    if (auto placement = ParseLayoutString(line->layout)) {
      placement->toolTip.clear();
      return *placement;
    }
  return {};
}

constexpr const char* kTitleRoles[] = {"title.sensitivity", "title.scroll", "title.tilt", "title.dpi",
                                       "title.doubleclick"};
constexpr int kTitleTexts[] = {kTextLabelSensitivity, kTextLabelScrollSpeed, kTextLabelTiltSpeed,
                               kTextLabelDpiLevels, kTextLabelDoubleClickSpeed};

}  // namespace

CMainPage::~CMainPage() { RestoreDoubleClickTime(); }

void CMainPage::MakeFonts() {
  titleFont_ = host().Font(14, FW_BOLD);
  labelFont_ = host().Font(13);
  rowFont_ = host().Font(11, FW_SEMIBOLD);
  presetFont_ = host().Font(9);
  if (!numberFont_) numberFont_ = host().Font(12);  // digits only: any script's font has them
}

void CMainPage::OnCreate() {
  MakeFonts();
  for (int i = 0; i < kTitleCount; ++i) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = PagePlacement(kTitleRoles[i]);
    setup.dpi = host().Dpi();
    setup.font = titleFont_;
    setup.colour = kTitleColour;
    setup.format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    titles_[i].Create(setup, images().Cut(SkinState::kNormal, host().Dpi().Scale(setup.placement)));
  }
  CreateSliders();
  CreateButtons();
  CreateRows();
}

void CMainPage::CreateSliders() {
  const DpiScale& dpi = host().Dpi();
  struct Made {
    Slider* slider;
    const char* role;
    int id, minimum, maximum;
  };
  const Made sliders[] = {
      {&sensitivity_, "slider.sensitivity", kSensitivitySliderId, kSensitivityMinimum, kSensitivityMaximum},
      {&scrollSpeed_, "slider.scroll", kScrollSpeedSliderId, kSpeedMinimum, kSpeedMaximum},
      {&tiltSpeed_, "slider.tilt", kTiltSliderId, kSpeedMinimum, kSpeedMaximum},
      {&doubleClick_, "slider.doubleclick", kDoubleClickSliderId, 1, 11},
  };
  for (const Made& made : sliders) {
    SliderSetup setup;
    setup.parent = hwnd();
    setup.placement = PagePlacement(made.role);
    setup.dpi = dpi;
    setup.id = made.id;
    setup.quickHelp = host().QuickHelp();
    setup.minimum = made.minimum;
    setup.maximum = made.maximum;
    setup.value = made.minimum;
    made.slider->Create(setup, images().Cut(SkinState::kNormal, dpi.Scale(setup.placement)));
  }
  NumberBoxSetup number;
  number.parent = hwnd();
  number.placement = PagePlacement("number.sensitivity");
  number.dpi = dpi;
  number.id = kSensitivityNumberId;
  number.quickHelp = host().QuickHelp();
  number.minimum = kSensitivityMinimum - kSensitivityNumberOffset;
  number.maximum = kSensitivityMaximum - kSensitivityNumberOffset;
  number.font = numberFont_;
  sensitivityNumber_.Create(number, images().Cut(SkinState::kNormal, dpi.Scale(number.placement)));
}

void CMainPage::CreateButtons() {
  const DpiScale& dpi = host().Dpi();
  auto setupOf = [&](const char* role) {
    SkinButtonSetup setup;
    setup.parent = hwnd();
    setup.placement = PagePlacement(role);
    setup.dpi = dpi;
    setup.quickHelp = host().QuickHelp();
    setup.label = WideFromUtf8(setup.placement.name);
    setup.font = labelFont_;
    return setup;
  };
  for (auto [button, role] : {std::pair{&linesPerNotch_, "choice.lines"}, {&onePagePerNotch_, "choice.page"}}) {
    SkinButtonSetup setup = setupOf(role);
    setup.kind = ButtonKind::kCheck;
    setup.toggleOnClick = false;  // the page moves the choice
    button->Create(setup, ButtonImages::Cut(images(), dpi.Scale(setup.placement)));
  }
  const SkinButtonSetup test = setupOf("test");
  test_.Create(test, ButtonImages::Cut(images(), dpi.Scale(test.placement)), host().InstallFolder());
}

void CMainPage::CreateRows() {
  const std::shared_ptr<const SkinImages> art = DpiLevelRow::LoadArt(host().InstallFolder(), host().Dpi());
  for (int i = 0; i < kDpiLevels; ++i) {
    DpiLevelRow::Setup setup;
    setup.page = hwnd();
    setup.placement = PagePlacement("row." + std::to_string(i + 1));
    setup.dpi = host().Dpi();
    setup.rowId = kFirstDpiRowId + i;
    setup.art = art;
    setup.quickHelp = host().QuickHelp();
    setup.labelFont = rowFont_;
    setup.presetFont = presetFont_;
    setup.numberFont = numberFont_;
    rows_[static_cast<std::size_t>(i)].Create(setup);
  }
}

void CMainPage::OnRefresh() {
  const MainPageView view = ViewOf(Profile());
  sensitivity_.SetValue(view.sensitivity);
  sensitivityNumber_.SetValue(view.sensitivityNumber);
  scrollSpeed_.SetValue(view.scrollSpeed);
  tiltSpeed_.SetValue(view.tiltSpeed);
  doubleClick_.SetValue(view.doubleClickPosition);
  linesPerNotch_.SetChecked(view.scrollChoice == ScrollChoice::kLinesPerNotch);
  onePagePerNotch_.SetChecked(view.scrollChoice == ScrollChoice::kOnePagePerNotch);
  for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i].Show(view.rows[i].level, view.rows[i].enabled, view.rows[i].active);
}

void CMainPage::OnRelabel(const LanguageLibrary& texts) {
  MakeFonts();
  for (int i = 0; i < kTitleCount; ++i) {
    titles_[i].SetFont(titleFont_);
    titles_[i].SetText(texts.Text(kTitleTexts[i]));
  }
  sensitivity_.SetQuickHelp(texts.Text(kTextQuickHelpSensitivitySlider));
  sensitivityNumber_.SetQuickHelp(texts.Text(kTextQuickHelpSensitivityNumber));
  scrollSpeed_.SetQuickHelp(texts.Text(kTextQuickHelpScrollSpeed));
  linesPerNotch_.SetQuickHelp(texts.Text(kTextQuickHelpScrollSpeed));
  linesPerNotch_.SetLabel(texts.Text(kTextLabelLinesPerNotch));
  onePagePerNotch_.SetQuickHelp(texts.Text(kTextQuickHelpOnePage));
  onePagePerNotch_.SetLabel(texts.Text(kTextLabelOnePagePerNotch));
  for (MainPageButton* choice : {&linesPerNotch_, &onePagePerNotch_}) choice->SetLabelFont(labelFont_);
  tiltSpeed_.SetQuickHelp(texts.Text(kTextQuickHelpTiltSpeed));
  doubleClick_.SetQuickHelp(texts.Text(kTextQuickHelpDoubleClick));
  test_.SetQuickHelp(texts.Text(kTextLabelDoubleClickTest));
  test_.SetLabel(texts.Text(kTextLabelDoubleClickTest));
  const std::wstring rowHelp = texts.Text(kTextQuickHelpDpiRow);
  const std::wstring enable = texts.Text(kTextLabelEnableLevel);
  for (int i = 0; i < kDpiLevels; ++i) {
    DpiLevelRow& row = rows_[static_cast<std::size_t>(i)];
    row.SetFonts(rowFont_, presetFont_);
    row.Relabel(rowHelp, FormatWithNumber(texts.Text(kTextLabelDpiLevel), i + 1), enable);
  }
}

void CMainPage::React(const PageReaction& reaction) {
  if (reaction.doubleClickMs) SetDoubleClickTime(*reaction.doubleClickMs);
  if (reaction.changed) OnRefresh();
}

void CMainPage::SetDoubleClickTime(int ms) {
  if (!systemDoubleClickTime_) systemDoubleClickTime_ = ::GetDoubleClickTime();
  ::SetDoubleClickTime(static_cast<UINT>(ms));
}

void CMainPage::RestoreDoubleClickTime() {
  if (!systemDoubleClickTime_) return;
  // What the monitor last put into effect: an applied change stays, an unapplied one goes.
  const int applied = EditedProfile(host().Applied().config).DbleClickSpeed;
  const bool plausible = applied > 0 && applied <= kLongestDoubleClickMs;
  ::SetDoubleClickTime(plausible ? static_cast<UINT>(applied) : *systemDoubleClickTime_);
  systemDoubleClickTime_.reset();
}

bool CMainPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  result = 0;
  switch (message) {
    case kSliderNotification:
      React(OnSliderMoved(Profile(), static_cast<int>(lParam), static_cast<int>(wParam)));
      return true;
    case kNumberBoxNotification:
      React(OnNumberBoxChanged(Profile(), static_cast<int>(lParam), static_cast<int>(wParam)));
      return true;
    case WM_OPT_DPI_ROW:
      React(OnDpiRowNotice(Profile(), wParam, lParam));
      // The row that was made active keeps its look even when nothing changed.
      OnRefresh();
      return true;
    case WM_COMMAND:
      if (lParam && HIWORD(wParam) == BN_CLICKED) {
        const HWND sender = reinterpret_cast<HWND>(lParam);
        if (sender == linesPerNotch_.hwnd()) React(OnScrollChoice(Profile(), ScrollChoice::kLinesPerNotch));
        if (sender == onePagePerNotch_.hwnd()) React(OnScrollChoice(Profile(), ScrollChoice::kOnePagePerNotch));
        // A choice clicked again stays chosen.
        OnRefresh();
        return true;
      }
      break;
    default:
      break;
  }
  return false;
}

}  // namespace orvix
