#include "CalibrationWizard_win.h"

#include <array>

#include "CalibrationFailureLayout.h"
#include "CalibrationFinishLayout.h"
#include "CalibrationMeasureLayout.h"
#include "CalibrationPage_win.h"
#include "CalibrationStartLayout.h"
#include "CalibrationWizardLayout.h"
#include "FrameCloseGuard_win.h"
#include "GdiHandles_win.h"
#include "Messages.h"
#include "SkinButton_win.h"
#include "SkinLabel_win.h"
#include "SkinPopup_win.h"
#include "dialogs/CalibrationWizardModel.h"

namespace orvix {
namespace {

constexpr UINT_PTR kMeasureTimer = 1;
constexpr COLORREF kCurrentStepColour = RGB(28, 196, 255);
constexpr COLORREF kOtherStepColour = RGB(110, 117, 128);

const LayoutPlacements kLayout(kCalibrationWizardLayout);
constexpr const char* kStepRoles[] = {"title.first", "title.second", "title.finish"};

class Wizard final : public SkinPopup {
 public:
  explicit Wizard(const CalibrationWizardSetup& setup)
      : SkinPopup(setup.installFolder, "calibration_wizard", setup.dpi, kLayout.Dialog().Width(),
                  kLayout.Dialog().Height()),
        setup_(setup) {}

  void Cancel() {
    if (hwnd()) Close(IDCANCEL);
  }
  bool done() const { return done_; }
  FrameCloseGuard* guard = nullptr;

 private:
  enum PageIndex { kStartPage, kMeasuringPage, kFailurePage, kFinishPage, kPageCount };

  void Build() override {
    RECT owner{};
    const HWND parent = ::GetParent(hwnd());
    ::GetWindowRect(parent ? parent : ::GetDesktopWindow(), &owner);
    ::SetWindowPos(hwnd(), HWND_TOP, owner.left + (owner.right - owner.left - images().width()) / 2,
                   owner.top + (owner.bottom - owner.top - images().height()) / 2, 0, 0, SWP_NOSIZE);
    Label(title_, "title", setup_.heading, setup_.titleFont, RGB(255, 255, 255),
          DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Label(intro_, "message", setup_.intro, setup_.textFont, RGB(200, 206, 214), DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    const std::wstring* stepTexts[] = {&setup_.stepFirst, &setup_.stepSecond, &setup_.stepFinish};
    for (std::size_t i = 0; i < steps_.size(); ++i)
      Label(steps_[i], kStepRoles[i], *stepTexts[i], setup_.stepFont, kOtherStepColour,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Button(cancel_, "cancel", setup_.cancel, true);
    Button(exit_, "exit", L"", false);
    MakePages();
    ShowStep();
    ::SetFocus(pages_[kStartPage].button());
    // The monitor looks for this exact title; given last, so whoever finds the window
    // finds it whole.
    ::SetWindowTextA(hwnd(), kCalibrationWindowTitle);
    if (guard && guard->closeRequested()) Close(IDCANCEL);
  }

  void MakePages() {
    const PixelRect place = dpi().Scale(kLayout.Of("art.page"));
    const std::string animation = installFolder() + "Gif\\ProgressbarAnimation.gif";
    struct PageSpec {
      const char* art;
      LayoutPlacements layout;
      const std::wstring* text;
      const std::wstring* button;
    };
    const std::wstring none;
    const PageSpec specs[kPageCount] = {
        {"calibration_start", LayoutPlacements(kCalibrationStartLayout), &setup_.startText, &setup_.start},
        {"calibration_measure", LayoutPlacements(kCalibrationMeasureLayout), &setup_.measuringText, &none},
        {"calibration_failure", LayoutPlacements(kCalibrationFailureLayout), &setup_.failureText, &setup_.retry},
        {"calibration_finish", LayoutPlacements(kCalibrationFinishLayout), &setup_.finishText,
         &setup_.continueLabel},
    };
    for (int i = 0; i < kPageCount; ++i) {
      CalibrationPageSetup page;
      page.wizard = hwnd();
      page.rect = place;
      page.installFolder = installFolder();
      page.dpi = dpi();
      page.art = specs[i].art;
      page.layout = specs[i].layout;
      page.text = *specs[i].text;
      page.buttonLabel = *specs[i].button;
      page.textFont = setup_.textFont;
      page.buttonFont = setup_.stepFont;
      page.animation = animation;
      pages_[i].Create(page);
    }
  }

  void Button(SkinButton& button, std::string_view role, const std::wstring& label, bool drawLabel) {
    SkinButtonSetup setup;
    setup.parent = hwnd();
    setup.placement = kLayout.Of(role);
    setup.dpi = dpi();
    setup.label = label;
    setup.drawLabel = drawLabel;
    setup.font = setup_.textFont;
    button.Create(setup, ButtonImages::Cut(images(), dpi().Scale(setup.placement)));
  }

  void Label(SkinLabel& label, std::string_view role, const std::wstring& text, const FontRef& font,
             COLORREF colour, UINT format) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = kLayout.Of(role);
    setup.dpi = dpi();
    setup.text = text;
    setup.font = font;
    setup.colour = colour;
    setup.format = format;
    label.Create(setup, images().Cut(SkinState::kNormal, dpi().Scale(setup.placement)));
  }

  // The highlighted step label and the one page that shows.
  void ShowStep() {
    for (int i = 0; i < static_cast<int>(steps_.size()); ++i)
      steps_[i].SetColour(i == model_.step() ? kCurrentStepColour : kOtherStepColour);
    const PageIndex shown = [&] {
      switch (model_.page()) {
        case WizardPage::kStart: return kStartPage;
        case WizardPage::kMeasuring: return kMeasuringPage;
        case WizardPage::kFailure: return kFailurePage;
        case WizardPage::kFinish: return kFinishPage;
      }
      return kStartPage;
    }();
    for (int i = 0; i < kPageCount; ++i)
      if (i != shown) pages_[i].Show(false);
    pages_[shown].Show(true);
    if (pages_[shown].button()) ::SetFocus(pages_[shown].button());
    ::InvalidateRect(hwnd(), nullptr, FALSE);
  }

  void Do(const WizardActions& actions) {
    for (int i = 0; i < actions.sensorImages; ++i) Post(MonitorMessage::kSensorImage, 0);
    if (actions.evaluate) Post(MonitorMessage::kCalibrationMode, 1);
    if (actions.startTimer) ::SetTimer(hwnd(), kMeasureTimer, CalibrationWizardModel::kTickMs, nullptr);
    if (actions.stopTimer) ::KillTimer(hwnd(), kMeasureTimer);
  }

  void Post(MonitorMessage message, LPARAM lParam) {
    if (setup_.post) setup_.post(message, lParam);
  }

  void OnCommand(HWND sender, WORD id) override {
    if (!sender) {
      if (id == IDCANCEL) Close(IDCANCEL);
      return;  // Enter finishes nothing: every step is a button of its own
    }
    if (sender == cancel_.hwnd() || sender == exit_.hwnd()) return Close(IDCANCEL);
    if (sender == pages_[kStartPage].button()) {
      Do(model_.Start());
      return ShowStep();
    }
    if (sender == pages_[kFailurePage].button()) {
      Do(model_.Retry());
      return ShowStep();
    }
    if (sender == pages_[kFinishPage].button() && model_.page() == WizardPage::kFinish) {
      done_ = true;
      Close(IDOK);
    }
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_TIMER:
        if (wParam != kMeasureTimer) return false;
        Do(model_.Tick());
        return true;
      case WM_CAL_IMAGE_READY:
        LoadSensorImage();
        return true;
      case WM_CAL_STEP:
        model_.OnStep(static_cast<long>(lParam));
        ShowStep();
        return true;
      case WM_DESTROY:
        ::KillTimer(hwnd(), kMeasureTimer);
        return false;
      default:
        return false;
    }
  }

  // The monitor wrote a new image: read it again, the previous one goes.
  void LoadSensorImage() {
    const std::string path = installFolder() + "Wave\\sensorImage.bmp";
    BitmapHandle image(static_cast<HBITMAP>(
        ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    for (CalibrationPage& page : pages_) page.SetSensorImage(image.get());
    sensorImage_ = std::move(image);
  }

  void Close(INT_PTR result) {
    ::KillTimer(hwnd(), kMeasureTimer);
    End(result);
  }

  const CalibrationWizardSetup& setup_;
  CalibrationWizardModel model_;
  bool done_ = false;
  SkinLabel title_, intro_;
  std::array<SkinLabel, 3> steps_;
  SkinButton cancel_, exit_;
  BitmapHandle sensorImage_;  // before the pages, which only borrow it: they go first
  std::array<CalibrationPage, kPageCount> pages_;
};

}  // namespace

bool CalibrationWizard::Run(HWND owner, const CalibrationWizardSetup& setup) {
  Wizard wizard(setup);
  FrameCloseGuard guard(owner, [&wizard] { wizard.Cancel(); });
  wizard.guard = &guard;
  wizard.RunModal(owner);
  return wizard.done() && !guard.closeRequested();
}

}  // namespace orvix
