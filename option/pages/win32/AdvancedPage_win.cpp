#include "AdvancedPage_win.h"

#include <algorithm>

#include "CalibrationAcceptLayout.h"
#include "CalibrationWizard_win.h"
#include "CountdownDialog_win.h"
#include "CountdownLayout.h"
#include "LayoutPlacements_win.h"
#include "NoticeDialog_win.h"
#include "PageAdvancedLayout.h"
#include "TextIds.h"
#include "WideText_win.h"
#include "dialogs/Countdown.h"
#include "pages/advanced/AdvancedPageTexts.h"

namespace orvix {
namespace {

using advanced::Field;

const LayoutPlacements kLayout(kPageAdvancedLayout);

// Control identifiers, as the sliders and number boxes report them.
constexpr int kSliderX = 300;
constexpr int kSliderY = 301;
constexpr int kSliderVolume = 200;
constexpr int kSliderPointerSpeed = 302;
constexpr int kBoxX = 400;
constexpr int kBoxY = 401;

constexpr const char* kSwitchRoles[] = {"check.xysync",      "check.soundprofile", "check.sounddpi",
                                        "check.soundsens",   "check.volumeupdown", "check.soundtrophy"};
constexpr Field kSwitchFields[] = {Field::kXYSynchronous,    Field::kSoundProfile, Field::kSoundDpi,
                                   Field::kSoundSensitivity, Field::kVolumeUpDown, Field::kSoundTrophy};
constexpr int kSwitchTexts[][2] = {
    {advanced::kTextLabelXYSeparate, advanced::kTextHelpXYSeparate},
    {advanced::kTextLabelSoundProfile, advanced::kTextHelpSoundProfile},
    {advanced::kTextLabelSoundDpi, advanced::kTextHelpSoundDpi},
    {advanced::kTextLabelSoundSensitivity, advanced::kTextHelpSoundSensitivity},
    {advanced::kTextLabelSoundVolumeKeys, advanced::kTextHelpSoundVolumeKeys},
    {advanced::kTextLabelSoundTrophy, advanced::kTextHelpSoundTrophy},
};
constexpr const char* kPollingRoles[] = {"choice.poll0", "choice.poll1", "choice.poll2", "choice.poll3"};
// Lift-off levels 0..3: off, extra low, low, normal.
constexpr const char* kLiftRoles[] = {"choice.lift0", "choice.lift1", "choice.lift2", "choice.lift3"};
constexpr int kLiftTexts[][2] = {
    {advanced::kTextLabelLiftOff, advanced::kTextHelpLiftOff},
    {advanced::kTextLabelLiftExtraLow, advanced::kTextHelpLiftExtraLow},
    {advanced::kTextLabelLiftLow, advanced::kTextHelpLiftLow},
    {advanced::kTextLabelLiftNormal, advanced::kTextHelpLiftNormal},
};
// Headings: role and text (0: the layout's own, "X" and "Y").
constexpr std::pair<const char*, int> kTitles[] = {
    {"title.sens", advanced::kTextTitleSensitivity}, {"title.xaxis", 0},
    {"title.yaxis", 0},                               {"title.sound", advanced::kTextTitleSound},
    {"title.volume", advanced::kTextLabelVolume},     {"title.track", advanced::kTextTitleTracking},
    {"title.psc", advanced::kTextTitlePsc},           {"title.liftoff", advanced::kTextTitleLiftOff},
    {"title.pointer", advanced::kTextTitlePointer},   {"title.speed", advanced::kTextLabelPointerSpeed},
    {"title.polling", advanced::kTextTitlePolling},
};
// The group headings are brighter than the labels beside single controls.
bool IsGroupTitle(int i) { return i == 0 || i == 3 || i == 5 || i == 8; }
constexpr COLORREF kGroupTitleColour = RGB(28, 196, 255);
constexpr COLORREF kTitleColour = RGB(176, 183, 193);

}  // namespace

ProfileRecord& CAdvancedPage::Profile() { return advanced::EditedProfile(host().Working().config); }

// ---- controls -------------------------------------------------------------------------

void CAdvancedPage::MakeButton(AdvancedButton& button, std::string_view role, ButtonKind kind, bool toggles) {
  SkinButtonSetup setup;
  setup.parent = hwnd();
  setup.placement = kLayout.Of(role);
  setup.dpi = host().Dpi();
  setup.quickHelp = host().QuickHelp();
  setup.label = WideFromUtf8(setup.placement.name);
  setup.font = host().Font(13);
  setup.kind = kind;
  // Check boxes turn themselves on and off; the page selects one of a row of choices.
  setup.toggleOnClick = toggles;
  button.Create(setup, ButtonImages::Cut(images(), host().Dpi().Scale(setup.placement)));
}

void CAdvancedPage::MakeSlider(Slider& slider, std::string_view role, int id, int minimum, int maximum) {
  SliderSetup setup;
  setup.parent = hwnd();
  setup.placement = kLayout.Of(role);
  setup.dpi = host().Dpi();
  setup.quickHelp = host().QuickHelp();
  setup.id = id;
  setup.minimum = minimum;
  setup.maximum = maximum;
  setup.value = minimum;
  slider.Create(setup, images().Cut(SkinState::kNormal, host().Dpi().Scale(setup.placement)));
}

void CAdvancedPage::MakeNumberBox(NumberBox& box, std::string_view role, int id) {
  NumberBoxSetup setup;
  setup.parent = hwnd();
  setup.placement = kLayout.Of(role);
  setup.dpi = host().Dpi();
  setup.quickHelp = host().QuickHelp();
  setup.id = id;
  setup.minimum = advanced::BoxOfSensitivity(advanced::kSensitivityLowest);
  setup.maximum = advanced::BoxOfSensitivity(advanced::kSensitivityHighest);
  setup.font = host().Font(13);
  box.Create(setup, images().Cut(SkinState::kNormal, host().Dpi().Scale(setup.placement)));
}

void CAdvancedPage::OnCreate() {
  for (std::size_t i = 0; i < titles_.size(); ++i) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = kLayout.Of(kTitles[i].first);
    setup.dpi = host().Dpi();
    setup.text = WideFromUtf8(setup.placement.name);
    setup.font = host().Font(IsGroupTitle(static_cast<int>(i)) ? 13 : 12, IsGroupTitle(static_cast<int>(i)) ? FW_BOLD : FW_NORMAL);
    setup.colour = IsGroupTitle(static_cast<int>(i)) ? kGroupTitleColour : kTitleColour;
    setup.format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    titles_[i].Create(setup, images().Cut(SkinState::kNormal, host().Dpi().Scale(setup.placement)));
  }
  for (std::size_t i = 0; i < switches_.size(); ++i) {
    switches_[i].field = kSwitchFields[i];
    MakeButton(switches_[i].button, kSwitchRoles[i], ButtonKind::kCheck, true);
  }
  MakeButton(acceleration_, "check.acceleration", ButtonKind::kCheck, true);
  MakeButton(trails_, "check.trails", ButtonKind::kCheck, true);
  MakeSlider(sensitivityX_, "slider.x", kSliderX, advanced::kSensitivityLowest, advanced::kSensitivityHighest);
  MakeSlider(sensitivityY_, "slider.y", kSliderY, advanced::kSensitivityLowest, advanced::kSensitivityHighest);
  MakeSlider(volume_, "slider.volume", kSliderVolume, 0, 4);
  MakeSlider(pointerSpeed_, "slider.speed", kSliderPointerSpeed, 1, advanced::kPointerPositions);
  MakeNumberBox(boxX_, "number.x", kBoxX);
  MakeNumberBox(boxY_, "number.y", kBoxY);
  for (std::size_t i = 0; i < polling_.size(); ++i) MakeButton(polling_[i], kPollingRoles[i], ButtonKind::kCheck, false);
  for (std::size_t i = 0; i < liftOff_.size(); ++i) MakeButton(liftOff_[i], kLiftRoles[i], ButtonKind::kCheck, false);
  MakeButton(pscOn_, "choice.pscon", ButtonKind::kCheck, false);
  MakeButton(pscOff_, "choice.pscoff", ButtonKind::kCheck, false);
  MakeButton(recalibrate_, "button.recalibrate", ButtonKind::kPush, false);
  MakeButton(reset_, "button.reset", ButtonKind::kPush, false);
}

// ---- showing the working copy ---------------------------------------------------------

void CAdvancedPage::OnRefresh() {
  if (!hwnd()) return;
  const ProfileRecord& profile = Profile();
  for (Switch& control : switches_) control.button.SetChecked(advanced::Get(profile, control.field) == 1);
  acceleration_.SetChecked(profile.AccelerationFlag == 1);
  trails_.SetChecked(profile.MouseTrails != 0);
  sensitivityX_.SetValue(advanced::ClampedSensitivity(profile.Sensitivity_X));
  sensitivityY_.SetValue(advanced::ClampedSensitivity(profile.Sensitivity_Y));
  boxX_.SetValue(advanced::BoxOfSensitivity(profile.Sensitivity_X));
  boxY_.SetValue(advanced::BoxOfSensitivity(profile.Sensitivity_Y));
  volume_.SetValue(profile.SoundVolume);
  pointerSpeed_.SetValue(advanced::PositionOfMouseSpeed(profile.MouseSpeed));
  for (int i = 0; i < static_cast<int>(polling_.size()); ++i) polling_[i].SetChecked(profile.PollingRate == i);
  ShowTrackingLooks();
}

void CAdvancedPage::ShowTrackingLooks() {
  const ConfigRecord& config = host().Working().config;
  for (int i = 0; i < static_cast<int>(liftOff_.size()); ++i) liftOff_[i].SetChecked(config.LiftOnFlag == i);
  const bool on = config.TrackControlFlag == advanced::kPscOn;
  pscOn_.SetChecked(on);
  pscOff_.SetChecked(!on);
  recalibrate_.Enable(on);
}

void CAdvancedPage::OnRelabel(const LanguageLibrary& texts) {
  const FontRef label = host().Font(13);
  for (std::size_t i = 0; i < titles_.size(); ++i) {
    const bool group = IsGroupTitle(static_cast<int>(i));
    titles_[i].SetFont(host().Font(group ? 13 : 12, group ? FW_BOLD : FW_NORMAL));
    if (kTitles[i].second) titles_[i].SetText(texts.Text(kTitles[i].second));
  }
  auto set = [&](AdvancedButton& button, int labelText, int helpText) {
    button.SetLabelFont(label);
    if (labelText) button.SetLabel(texts.Text(labelText));
    button.SetQuickHelp(texts.Text(helpText));
  };
  for (std::size_t i = 0; i < switches_.size(); ++i) set(switches_[i].button, kSwitchTexts[i][0], kSwitchTexts[i][1]);
  set(acceleration_, advanced::kTextLabelAcceleration, advanced::kTextHelpAcceleration);
  set(trails_, advanced::kTextLabelTrails, advanced::kTextHelpTrails);
  for (AdvancedButton& choice : polling_) set(choice, 0, advanced::kTextHelpPolling);
  for (std::size_t i = 0; i < liftOff_.size(); ++i) set(liftOff_[i], kLiftTexts[i][0], kLiftTexts[i][1]);
  set(pscOn_, advanced::kTextLabelPscOn, advanced::kTextHelpPscOn);
  set(pscOff_, advanced::kTextLabelPscOff, advanced::kTextHelpPscOff);
  set(recalibrate_, advanced::kTextLabelRecalibrate, advanced::kTextHelpRecalibrate);
  set(reset_, advanced::kTextLabelReset, advanced::kTextHelpReset);
  sensitivityX_.SetQuickHelp(texts.Text(advanced::kTextHelpAxisX));
  boxX_.SetQuickHelp(texts.Text(advanced::kTextHelpAxisX));
  sensitivityY_.SetQuickHelp(texts.Text(advanced::kTextHelpAxisY));
  boxY_.SetQuickHelp(texts.Text(advanced::kTextHelpAxisY));
  volume_.SetQuickHelp(texts.Text(advanced::kTextHelpVolume));
  pointerSpeed_.SetQuickHelp(texts.Text(advanced::kTextHelpPointerSpeed));
}

// ---- the user's changes ---------------------------------------------------------------

bool CAdvancedPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_COMMAND:
      if (!lParam || HIWORD(wParam) != BN_CLICKED) return false;
      OnClicked(reinterpret_cast<HWND>(lParam));
      result = 0;
      return true;
    case kSliderNotification:
      OnSlider(static_cast<int>(lParam), static_cast<int>(wParam));
      return true;
    case kNumberBoxNotification:
      OnNumberBox(static_cast<int>(lParam), static_cast<int>(wParam));
      return true;
    default:
      return false;
  }
}

void CAdvancedPage::OnClicked(HWND sender) {
  for (Switch& control : switches_)
    if (sender == control.button.hwnd()) return OnSwitch(control);
  if (sender == acceleration_.hwnd()) {
    const bool on = acceleration_.checked();
    Profile().AccelerationFlag = on ? 1 : 0;
    Profile().Acceleration = on ? advanced::kAccelerationOn : 0;
    return;
  }
  if (sender == trails_.hwnd()) {
    Profile().MouseTrails = trails_.checked() ? advanced::kTrailsOn : 0;
    return;
  }
  for (int i = 0; i < static_cast<int>(polling_.size()); ++i) {
    if (sender != polling_[i].hwnd()) continue;
    Profile().PollingRate = i;
    for (int k = 0; k < static_cast<int>(polling_.size()); ++k) polling_[k].SetChecked(k == i);
    return;
  }
  // The device-side flows open modal dialogs; a click that waited in the queue meanwhile
  // does not start a second one.
  if (inFlow_) return ShowTrackingLooks();
  for (int i = 0; i < static_cast<int>(liftOff_.size()); ++i)
    if (sender == liftOff_[i].hwnd()) return ChooseLiftOff(i);
  if (sender == pscOn_.hwnd()) return ChoosePscOn();
  if (sender == pscOff_.hwnd()) return ChoosePscOff();
  if (sender == recalibrate_.hwnd()) return Recalibrate();
  if (sender == reset_.hwnd()) return FactoryReset();
}

void CAdvancedPage::OnSwitch(Switch& control) {
  advanced::Set(Profile(), control.field, control.button.checked() ? 1 : 0);
}

void CAdvancedPage::OnSlider(int id, int value) {
  ProfileRecord& profile = Profile();
  switch (id) {
    case kSliderX:
      if (value != profile.Sensitivity_X) profile.Sensitivity_X = advanced::ClampedSensitivity(value);
      boxX_.SetValue(advanced::BoxOfSensitivity(value));
      break;
    case kSliderY:
      if (value != profile.Sensitivity_Y) profile.Sensitivity_Y = advanced::ClampedSensitivity(value);
      boxY_.SetValue(advanced::BoxOfSensitivity(value));
      break;
    case kSliderVolume:
      profile.SoundVolume = std::clamp(value, 0, 4);
      break;
    case kSliderPointerSpeed:
      profile.MouseSpeed = advanced::MouseSpeedOfPosition(value);
      break;
    default:
      break;
  }
}

void CAdvancedPage::OnNumberBox(int id, int value) {
  ProfileRecord& profile = Profile();
  const int sensitivity = advanced::SensitivityOfBox(value);
  if (id == kBoxX) {
    if (sensitivity != profile.Sensitivity_X) profile.Sensitivity_X = sensitivity;
    sensitivityX_.SetValue(sensitivity);
  } else if (id == kBoxY) {
    if (sensitivity != profile.Sensitivity_Y) profile.Sensitivity_Y = sensitivity;
    sensitivityY_.SetValue(sensitivity);
  }
}

// ---- lift-off and calibration ---------------------------------------------------------

bool CAdvancedPage::AcceptWithin(int seconds, int titleText, int questionText) {
  const LanguageLibrary& texts = host().Texts();
  CountdownSetup setup;
  setup.installFolder = host().InstallFolder();
  setup.dpi = host().Dpi();
  const bool liftOff = seconds == kLiftOffAcceptSeconds;
  setup.art = liftOff ? "countdown" : "calibration_accept";
  setup.layout = liftOff ? LayoutPlacements(kCountdownLayout) : LayoutPlacements(kCalibrationAcceptLayout);
  setup.seconds = seconds;
  setup.windowTitle = texts.Text(titleText);
  setup.message = texts.Text(questionText);
  setup.secondsPattern = texts.Text(advanced::kTextSecondsLeft);
  setup.accept = texts.Text(advanced::kTextButtonAccept);
  setup.cancel = texts.Text(advanced::kTextButtonCancel);
  setup.titleFont = host().Font(14, FW_BOLD);
  setup.textFont = host().Font(14);
  return CountdownDialog::Run(host().Frame(), setup);
}

void CAdvancedPage::ChooseLiftOff(int level) {
  using Trial = advanced::LiftOffTrial;
  const Trial::Start start = liftOffTrial_.Choose(host().Working().config, level, host().MonitorPresent());
  ShowTrackingLooks();
  if (start != Trial::Start::kTry) return;
  // The device tries the level at once; the user has the countdown to keep it.
  if (!host().TransferTracking(MonitorMessage::kTrackingReport, Trial::kTryRequest)) return;
  inFlow_ = true;
  const bool accepted = AcceptWithin(kLiftOffAcceptSeconds, advanced::kTextLiftOffTitle, advanced::kTextLiftOffQuestion);
  inFlow_ = false;
  const int request = liftOffTrial_.Finish(host().Working().config, accepted);
  if (accepted)
    host().PostToMonitor(MonitorMessage::kTrackingReport, 0, request);
  else
    host().TransferTracking(MonitorMessage::kTrackingReport, request);
  ShowTrackingLooks();
}

void CAdvancedPage::ChoosePscOn() {
  switch (advanced::ChoosePscOn(host().Working().config, host().MonitorPresent())) {
    case advanced::PscOnStep::kNothing:
      break;
    case advanced::PscOnStep::kRefused: {
      // Nothing can be measured without the monitor: the function stays off.
      const LanguageLibrary& texts = host().Texts();
      NoticeDialog::Show(host().Frame(),
                         {host().InstallFolder(), host().Dpi(), texts.Text(advanced::kTextCalibrationTitle),
                          texts.Text(advanced::kTextNoticeCalibrationNeedsMonitor), texts.Text(advanced::kTextButtonOk),
                          {}, host().Working().config.QuickHelpLan});
      break;
    }
    case advanced::PscOnStep::kRunCalibration:
      host().Working().config.TrackControlFlag = advanced::kPscOn;
      ShowTrackingLooks();
      RunCalibration(advanced::CalibrationStart::kFromSwitch);
      break;
  }
  ShowTrackingLooks();
}

void CAdvancedPage::ChoosePscOff() {
  ConfigRecord& config = host().Working().config;
  if (config.TrackControlFlag != advanced::kPscOff) {
    config.TrackControlFlag = advanced::kPscOff;
    if (host().MonitorPresent()) host().TransferTracking(MonitorMessage::kCalibrationMode, 4);
  }
  ShowTrackingLooks();
}

void CAdvancedPage::Recalibrate() {
  if (host().Working().config.TrackControlFlag != advanced::kPscOn) return ShowTrackingLooks();
  if (!RunCalibration(advanced::CalibrationStart::kFromButton)) ShowTrackingLooks();
}

bool CAdvancedPage::RunCalibration(advanced::CalibrationStart start) {
  if (!host().MonitorPresent() || !host().TransferTracking()) return false;
  const LanguageLibrary& texts = host().Texts();
  CalibrationWizardSetup setup;
  setup.installFolder = host().InstallFolder();
  setup.dpi = host().Dpi();
  setup.heading = texts.Text(advanced::kTextCalibrationTitle);
  setup.intro = texts.Text(advanced::kTextWizardIntro);
  setup.stepFirst = texts.Text(advanced::kTextWizardStepFirst);
  setup.stepSecond = texts.Text(advanced::kTextWizardStepSecond);
  setup.stepFinish = texts.Text(advanced::kTextWizardStepFinish);
  setup.startText = texts.Text(advanced::kTextWizardStartText);
  setup.measuringText = texts.Text(advanced::kTextWizardMeasuringText);
  setup.failureText = texts.Text(advanced::kTextWizardFailureText);
  setup.finishText = texts.Text(advanced::kTextWizardFinishText);
  setup.start = texts.Text(advanced::kTextWizardStart);
  setup.retry = texts.Text(advanced::kTextWizardRetry);
  setup.continueLabel = texts.Text(advanced::kTextWizardContinue);
  setup.cancel = texts.Text(advanced::kTextButtonCancel);
  setup.titleFont = host().Font(14, FW_BOLD);
  setup.textFont = host().Font(14);
  setup.stepFont = host().Font(14, FW_SEMIBOLD);
  setup.post = [this](MonitorMessage message, LPARAM lParam) { host().PostToMonitor(message, 0, lParam); };

  inFlow_ = true;
  const bool done = CalibrationWizard::Run(host().Frame(), setup);
  const bool kept = done && AcceptWithin(kCalibrationAcceptSeconds, advanced::kTextCalibrationTitle,
                                         advanced::kTextCalibrationQuestion);
  inFlow_ = false;
  const advanced::CalibrationEnd end = advanced::EndOfCalibration(done, kept, start);
  if (end.switchOff) {
    host().Working().config.TrackControlFlag = advanced::kPscOff;
    host().TransferTracking(MonitorMessage::kCalibrationMode, end.mode);
  } else {
    host().PostToMonitor(MonitorMessage::kCalibrationMode, 0, end.mode);
  }
  return end.accepted;
}

// ---- factory reset --------------------------------------------------------------------

void CAdvancedPage::FactoryReset() {
  const LanguageLibrary& texts = host().Texts();
  const int answer = NoticeDialog::Show(
      host().Frame(), {host().InstallFolder(), host().Dpi(), texts.Text(kTextNoticeTitle),
                       texts.Text(advanced::kTextResetQuestion), texts.Text(advanced::kTextButtonOk),
                       texts.Text(advanced::kTextButtonCancel), host().Working().config.QuickHelpLan});
  if (answer == NoticeDialog::kFirstButton) host().FactoryReset();
}

}  // namespace orvix
