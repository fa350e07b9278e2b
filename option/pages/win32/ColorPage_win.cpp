#include "ColorPage_win.h"

#include <string>

#include "LayoutString.h"
#include "LayoutTable.h"
#include "PageColorLayout.h"
#include "Slider_win.h"
#include "WideText_win.h"
#include "pages/color/ColorPageTexts.h"

namespace orvix {
namespace {

using namespace color_page;

constexpr UINT kIgnoredMessage = 1792;
constexpr int kSpeedSliderId = 8;  // the effect speed's slider (no control of this page sends it)

// Control identifiers; the number boxes' are the ones their notifications carry.
constexpr int kModeId = 100;
constexpr int kFlowId = 110;
constexpr int kEffectId = 120;
constexpr int kSourceId = 130;
constexpr int kCustomButtonId = 140;
constexpr int kCustomSwatchId = 141;
constexpr int kStripId = 142;
constexpr int kBreathingId = 143;
constexpr int kPaletteId = 200;
constexpr int kRedBoxId = 500;
constexpr const char* kChannelRoles[] = {"number.red", "number.green", "number.blue"};
constexpr const char* kChannelTitleRoles[] = {"title.red", "title.green", "title.blue"};
constexpr int kChannelTitleTexts[] = {kTextLabelRed, kTextLabelGreen, kTextLabelBlue};
constexpr int kEffectLabels[] = {kTextLabelAllLightOff, kTextLabelFullLightened, kTextLabelBreathing};
constexpr int kEffectQuickHelp[] = {kTextQuickHelpAllLightOff, kTextQuickHelpFullLightened, kTextQuickHelpBreathing};
// The section captions start right of the art's accent tick.
constexpr int kTitleIndent96 = 10;

ControlPlacement PlacementOf(std::string_view role) {
  if (const LayoutLine* line = FindLayoutRole(kPageColorLayout, role))
    if (auto placement = ParseLayoutString(line->layout)) return *placement;
  return {};
}

std::string Role(const char* kind, int index) { return std::string(kind) + "." + std::to_string(index); }

COLORREF ColourOf(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

bool Within(int id, int first, int count) { return id >= first && id < first + count; }

}  // namespace

CColorPage::~CColorPage() = default;

ProfileRecord* CColorPage::Profile() const { return CurrentProfileRecord(host().Working().config); }

std::shared_ptr<const SkinBitmap> CColorPage::Under(const ControlPlacement& placement) const {
  return images().Cut(SkinState::kNormal, host().Dpi().Scale(placement));
}

SkinButtonSetup CColorPage::ButtonSetup(const std::string& role, int id) const {
  SkinButtonSetup setup;
  setup.parent = hwnd();
  setup.placement = PlacementOf(role);
  setup.dpi = host().Dpi();
  setup.id = id;
  setup.quickHelp = host().QuickHelp();
  setup.label = WideFromUtf8(setup.placement.name);
  setup.kind = ButtonKind::kCheck;
  setup.toggleOnClick = false;  // the page selects, from the working copy
  return setup;
}

// ---- controls -------------------------------------------------------------------------

bool CColorPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  result = 0;
  switch (message) {
    case WM_SHOWWINDOW:
      // The controls are cut from the page's pictures, which are read when the page is
      // first shown: the program starts faster with one page.
      if (wParam && !created_) CreateControls();
      return false;
    case WM_COMMAND:
      if (lParam && (HIWORD(wParam) == BN_CLICKED)) {
        OnButton(LOWORD(wParam));
        return true;
      }
      return false;
    case kNumberBoxNotification: {
      const int box = static_cast<int>(lParam) - kRedBoxId;
      if (!Within(box, 0, 3)) return true;
      if (ProfileRecord* profile = Profile())
        Follow(SetCustomChannel(*profile, static_cast<Channel>(box), static_cast<int>(wParam)));
      return true;
    }
    case kColourPickedMessage:
      if (ProfileRecord* profile = Profile()) {
        const auto colour = static_cast<COLORREF>(wParam);
        Follow(TakePickedColour(*profile, {GetRValue(colour), GetGValue(colour), GetBValue(colour)}));
      }
      return true;
    case kSliderNotification:
      if (lParam == kSpeedSliderId)
        if (ProfileRecord* profile = Profile()) profile->LightEffectSpeed = static_cast<int>(wParam);
      return true;
    case kIgnoredMessage:
      return true;
    default:
      return false;
  }
}

void CColorPage::CreateControls() {
  created_ = true;
  const DpiScale& dpi = host().Dpi();
  colourSelect_ = dpi.Scale(PlacementOf("art.select"));

  const FontRef choiceFont = host().Font(13, FW_SEMIBOLD);
  const auto makeChoices = [&](auto& buttons, const char* kind, int firstId) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      SkinButtonSetup setup = ButtonSetup(Role(kind, static_cast<int>(i)), firstId + static_cast<int>(i));
      setup.font = choiceFont;
      buttons[i].Create(setup, ButtonImages::Cut(images(), dpi.Scale(setup.placement)));
    }
  };
  makeChoices(modes_, "mode", kModeId);
  makeChoices(flows_, "flow", kFlowId);
  makeChoices(effects_, "effect", kEffectId);
  makeChoices(sources_, "source", kSourceId);

  for (int m = 0; m < kPaletteColours; ++m) {
    SkinButtonSetup setup = ButtonSetup(Role("palette", m), kPaletteId + m);
    setup.drawLabel = false;
    palette_[static_cast<std::size_t>(m)].Create(setup, ButtonImages::Cut(images(), dpi.Scale(setup.placement)));
  }

  // The button first, so that it lies over the swatch at the same place.
  SkinButtonSetup custom = ButtonSetup("custom.button", kCustomButtonId);
  custom.drawLabel = false;
  customButton_.Create(custom, ButtonImages::Cut(images(), dpi.Scale(custom.placement)));
  SkinControlSetup swatch;
  swatch.parent = hwnd();
  swatch.placement = PlacementOf("swatch.custom");
  swatch.dpi = dpi;
  swatch.id = kCustomSwatchId;
  swatch.quickHelp = host().QuickHelp();
  swatch.tabStop = false;
  customSwatch_.Create(swatch, Under(swatch.placement));
  ::SetWindowPos(customSwatch_.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  for (int c = 0; c < 3; ++c) {
    NumberBoxSetup box;
    box.parent = hwnd();
    box.placement = PlacementOf(kChannelRoles[c]);
    box.dpi = dpi;
    box.id = kRedBoxId + c;
    box.quickHelp = host().QuickHelp();
    box.minimum = 0;
    box.maximum = kChannelMaximum;
    box.font = host().Font(13);
    channels_[static_cast<std::size_t>(c)].Create(box, Under(box.placement));
  }

  SkinControlSetup strip;
  strip.parent = hwnd();
  strip.placement = PlacementOf("strip.custom");
  strip.placement.toolTip = "Create Custom Color";  // its quick help until the language's text comes
  strip.dpi = dpi;
  strip.id = kStripId;
  strip.quickHelp = host().QuickHelp();
  strip_.Create(strip, Under(strip.placement), LoadSkinPicture(host().InstallFolder(), "colour_strip", dpi),
                LoadSkinPicture(host().InstallFolder(), "colour_strip_marker", dpi));

  AnimatedPictureSetup picture;
  picture.parent = hwnd();
  picture.placement = PlacementOf("picture.breathing");
  picture.dpi = dpi;
  picture.id = kBreathingId;
  if (breathing_.Create(picture, Under(picture.placement)) &&
      breathing_.Open(host().InstallFolder() + "Gif\\Breathing_Animation.gif"))
    breathing_.Play();

  const auto makeLabel = [&](SkinLabel& label, const char* role, int indent96, UINT format, COLORREF colour) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(role);
    setup.placement.left += indent96;
    setup.placement.toolTip.clear();
    setup.dpi = dpi;
    setup.format = format | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    setup.colour = colour;
    label.Create(setup, Under(setup.placement));
  };
  makeLabel(effectTitle_, "title.effect", kTitleIndent96, DT_LEFT, RGB(230, 233, 238));
  makeLabel(colourTitle_, "title.colour", kTitleIndent96, DT_LEFT, RGB(230, 233, 238));
  for (int c = 0; c < 3; ++c)
    makeLabel(channelTitles_[static_cast<std::size_t>(c)], kChannelTitleRoles[c], 0, DT_CENTER, RGB(154, 161, 171));

  OnRelabel(host().Texts());
  OnRefresh();
}

// ---- showing the profile --------------------------------------------------------------

void CColorPage::OnRefresh() {
  if (!created_) return;
  const ProfileRecord* profile = Profile();
  if (!profile) return;
  const View view = ViewOf(*profile);
  for (int m = 0; m < kPaletteColours; ++m) palette_[static_cast<std::size_t>(m)].SetChecked(m == view.selectedPalette);
  for (int k = 0; k < kEffectTypes; ++k) effects_[static_cast<std::size_t>(k)].SetChecked(k == view.effectType);
  for (int l = 0; l < kColourSources; ++l) sources_[static_cast<std::size_t>(l)].SetChecked(l == view.colourSource);
  channels_[0].SetValue(view.custom.red);
  channels_[1].SetValue(view.custom.green);
  channels_[2].SetValue(view.custom.blue);
  const COLORREF custom = ColourOf(view.custom);
  customSwatch_.SetColour(custom);
  customButton_.SetColour(custom);
  customButton_.SetChecked(view.colourSource == 1);
}

void CColorPage::OnRelabel(const LanguageLibrary& texts) {
  if (!created_) return;
  const FontRef choiceFont = host().Font(13, FW_SEMIBOLD);
  for (int k = 0; k < 3; ++k) {
    auto& effect = effects_[static_cast<std::size_t>(k)];
    effect.SetFont(choiceFont);
    effect.SetLabel(texts.Text(kEffectLabels[k]));
    effect.SetQuickHelp(texts.Text(kEffectQuickHelp[k]));
  }
  sources_[0].SetFont(choiceFont);
  sources_[0].SetLabel(texts.Text(kTextLabelSingleColour));
  sources_[0].SetQuickHelp(texts.Text(kTextQuickHelpPaletteColour));
  sources_[1].SetFont(choiceFont);
  sources_[1].SetLabel(texts.Text(kTextLabelCustomColourChoice));
  sources_[1].SetQuickHelp(texts.Text(kTextQuickHelpCustomColour));
  for (auto& button : palette_) button.SetQuickHelp(texts.Text(kTextQuickHelpPaletteColour));

  const std::wstring customHelp = texts.Text(kTextQuickHelpCustomColour);
  customButton_.SetLabel(texts.Text(kTextLabelCustomColour));
  customButton_.SetQuickHelp(customHelp);
  customSwatch_.SetQuickHelp(customHelp);
  strip_.SetQuickHelp(customHelp);
  const FontRef smallFont = host().Font(11);
  for (int c = 0; c < 3; ++c) {
    channels_[static_cast<std::size_t>(c)].SetQuickHelp(customHelp);
    channelTitles_[static_cast<std::size_t>(c)].SetFont(smallFont);
    channelTitles_[static_cast<std::size_t>(c)].SetText(texts.Text(kChannelTitleTexts[c]));
  }
  const FontRef titleFont = host().Font(14, FW_BOLD);
  effectTitle_.SetFont(titleFont);
  effectTitle_.SetText(texts.Text(kTextLabelEffectTitle));
  colourTitle_.SetFont(titleFont);
  colourTitle_.SetText(texts.Text(kTextLabelColourTitle));
}

// ---- edits ----------------------------------------------------------------------------

void CColorPage::Follow(const Reaction& reaction) {
  if (reaction.refresh) OnRefresh();
  if (reaction.slotColours) ::PostMessageW(host().Frame(), WM_OPT_SLOT_COLORS_CHANGED, 0, 0);
}

void CColorPage::OnButton(int id) {
  ProfileRecord* profile = Profile();
  if (!profile) return;
  // The effect-mode and flow choices show their choice only when clicked: refresh leaves
  // them as they are.
  const auto select = [](auto& buttons, int chosen) {
    for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i].SetChecked(static_cast<int>(i) == chosen);
  };
  if (Within(id, kModeId, kEffectModes)) {
    const Reaction reaction = ChooseEffectMode(*profile, id - kModeId);
    if (reaction.changed) select(modes_, id - kModeId);
    Follow(reaction);
  } else if (Within(id, kFlowId, kFlows)) {
    const Reaction reaction = ChooseFlow(*profile, id - kFlowId);
    if (reaction.changed) select(flows_, id - kFlowId);
    Follow(reaction);
  } else if (Within(id, kEffectId, kEffectTypes)) {
    Follow(ChooseEffectType(*profile, id - kEffectId));
  } else if (Within(id, kSourceId, kColourSources)) {
    Follow(ChooseColourSource(*profile, id - kSourceId));
  } else if (Within(id, kPaletteId, kPaletteColours)) {
    Follow(ChoosePaletteColour(*profile, id - kPaletteId));
  } else if (id == kCustomButtonId) {
    Follow(ChooseCustomColour(*profile));
  }
}

}  // namespace orvix
