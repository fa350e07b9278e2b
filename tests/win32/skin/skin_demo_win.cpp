// A small dialog made of the skin toolkit's controls in all their looks, for looking at
// them: buttons normal, hover, pressed, disabled and selected, a slider, a spin field, the
// quick-help line, an animated picture and an open drop-down menu.
//   skin_demo.exe [--dpi N] [--seconds N]
// It draws from the generated test art in "skin-art\" beside it and ends after the given
// time (20 s by default).
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "AnimatedPicture_win.h"
#include "CaptionDrag_win.h"
#include "GdiplusSession_win.h"
#include "MenuFrameHook_win.h"
#include "NumberBox_win.h"
#include "SkinCombo_win.h"
#include "SkinLabel_win.h"
#include "SkinTestWindows_win.h"
#include "Slider_win.h"
#include "WindowDpi_win.h"
#include "WindowRegion_win.h"

namespace orvix {
namespace {

class DemoDialog : public Window {
 public:
  DemoDialog(const DpiScale& dpi) : dpi_(dpi), images_(SkinImages::Load(TestArtFolder(), "demo", dpi, 480, 330)) {}

  bool Open() {
    if (!Create({.className = "OrvixSkinDemo",
                 .title = "Orvix One skin demo",
                 .style = WS_POPUP | WS_CLIPCHILDREN,
                 .x = 60,
                 .y = 60,
                 .width = images_.width(),
                 .height = images_.height()}))
      return false;
    ApplyWindowRegion(hwnd(), RegionFromBitmap(images_.Image(SkinState::kNormal).handle()), false);
    BuildControls();
    ::ShowWindow(hwnd(), SW_SHOW);
    return true;
  }

  void ShowLooks() {
    pressed_.Enable(true);
    ::SendMessageW(pressed_.hwnd(), BM_SETSTATE, TRUE, 0);
    RECT r;
    ::GetWindowRect(hover_.hwnd(), &r);
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  void OpenMenu() { ::PostMessageW(combo_.hwnd(), BM_CLICK, 0, 0); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd(), &ps);
        images_.Image(SkinState::kNormal).Draw(dc, 0, 0);
        ::EndPaint(hwnd(), &ps);
        return 0;
      }
      case WM_LBUTTONDOWN:
        BeginCaptionDrag(hwnd(), lParam);
        return 0;
      case kSliderNotification:
        if (static_cast<int>(lParam) == 300) dpiBox_.SetValue(static_cast<int>(wParam) * 200);
        return 0;
      case WM_DESTROY:
        ::PostQuitMessage(0);
        break;
      default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

 private:
  template <typename Setup>
  Setup Place(const char* layout, int id = 0) {
    Setup setup;
    setup.parent = hwnd();
    setup.placement = *ParseLayoutString(layout);
    setup.dpi = dpi_;
    setup.id = id;
    setup.quickHelp = [this](std::wstring_view text) { quickHelp_.SetText(text); };
    return setup;
  }

  void Button(SkinButton& button, const char* layout, const wchar_t* label, ButtonKind kind = ButtonKind::kPush) {
    auto setup = Place<SkinButtonSetup>(layout);
    setup.label = label;
    setup.font = font_;
    setup.kind = kind;
    setup.toggleOnClick = false;
    button.Create(setup, ButtonImages::Cut(images_, dpi_.Scale(setup.placement)));
  }

  void BuildControls() {
    font_ = SkinFont::Create({.face = L"Arial", .height96 = 14}, dpi_);
    auto titleFont = SkinFont::Create({.face = L"Arial", .height96 = 17, .weight = FW_BOLD}, dpi_);

    auto title = Place<SkinLabelSetup>("Title,16,10,300,24,");
    title.text = L"Orvix One \x2014 skin toolkit";
    title.font = titleFont;
    title_.Create(title, images_.Cut(SkinState::kNormal, dpi_.Scale(title.placement)));

    Button(normal_, "Normal,20,60,110,28,A button in its normal look", L"Normal");
    Button(hover_, "Hover,140,60,110,28,The pointer is over this button", L"Hover");
    Button(pressed_, "Pressed,260,60,110,28,Held down", L"Pressed");
    Button(disabled_, "Disabled,380,60,80,28,", L"Disabled");
    disabled_.Enable(false);
    Button(selected_, "Selected,20,250,130,26,A tab in its selected look", L"Selected tab", ButtonKind::kCheck);
    selected_.SetChecked(true);
    Button(ok_, "OK,340,290,60,26,Save and close", L"OK");
    Button(cancel_, "Cancel,404,290,60,26,Close without saving", L"Cancel");

    auto help = Place<SkinLabelSetup>("Quick help,22,106,436,24,");
    help.font = font_;
    help.colour = RGB(200, 205, 212);
    help.text = L"Point at a control to read what it does.";
    quickHelp_.Create(help, images_.Cut(SkinState::kNormal, dpi_.Scale(help.placement)));

    auto slider = Place<SliderSetup>("DPI level,20,150,200,25,Drag to choose the DPI level", 300);
    slider.minimum = 1;
    slider.maximum = 41;
    slider.value = 16;
    slider_.Create(slider, images_.Cut(SkinState::kNormal, dpi_.Scale(slider.placement)));

    auto spin = Place<NumberBoxSetup>("DPI,232,153,56,19,Type a DPI value", 400);
    spin.minimum = 200;
    spin.maximum = 8200;
    spin.step = 200;
    spin.value = 3200;
    spin.font = font_;
    dpiBox_.Create(spin, images_.Cut(SkinState::kNormal, dpi_.Scale(spin.placement)));

    auto sliderLabel = Place<SkinLabelSetup>("Caption,300,150,160,24,");
    sliderLabel.text = L"DPI level and value";
    sliderLabel.font = font_;
    sliderLabel.colour = RGB(115, 115, 115);
    caption_.Create(sliderLabel, images_.Cut(SkinState::kNormal, dpi_.Scale(sliderLabel.placement)));

    auto progress = Place<AnimatedPictureSetup>("Progress bar,20,200,128,15,");
    picture_.Create(progress, images_.Cut(SkinState::kNormal, dpi_.Scale(progress.placement)));
    picture_.Open(TestArtFolder() + "Gif\\demo_progress.gif");

    auto combo = Place<SkinButtonSetup>("LIST_TIMER,20,290,120,26,Choose a timer");
    combo.label = L"Timer 1";
    combo.font = font_;
    MenuStyle style{font_, 165, dpi_};
    combo_.Create(combo, ButtonImages::Cut(images_, dpi_.Scale(combo.placement)), style, [](PopupMenu& menu) {
      menu.AddItem(1000, L"Timer 1", true);
      menu.AddItem(1001, L"Timer 2");
      menu.AddItem(1002, L"Tea (3 minutes)");
      menu.AddSeparator();
      PopupMenu& more = menu.AddSubmenu(L"Edit/Delete Timer");
      more.AddItem(501, L"Edit/Delete Timer");
      menu.AddItem(502, L"Stop Timer", false, false);
    });
  }

  DpiScale dpi_;
  SkinImages images_;
  FontRef font_;
  SkinLabel title_, quickHelp_, caption_;
  SkinButton normal_, hover_, pressed_, disabled_, selected_, ok_, cancel_;
  SkinCombo combo_;
  Slider slider_;
  NumberBox dpiBox_;
  AnimatedPicture picture_;
};

DemoDialog* demo = nullptr;

void CALLBACK Step(HWND, UINT, UINT_PTR id, DWORD) {
  static int step = 0;
  ++step;
  if (step == 1) demo->ShowLooks();
  if (step == 2) demo->OpenMenu();
  if (step == 3) {
    // Highlight the first item of the open menu.
    if (HWND menu = ::FindWindowW(L"#32768", nullptr)) ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::KillTimer(nullptr, id);
  }
}

void CALLBACK End(HWND, UINT, UINT_PTR, DWORD) {
  ::EndMenu();
  ::PostQuitMessage(0);
}

int Argument(const char* name, int fallback) {
  for (int i = 1; i + 1 < __argc; ++i)
    if (std::strcmp(__argv[i], name) == 0) return std::atoi(__argv[i + 1]);
  return fallback;
}

}  // namespace
}  // namespace orvix

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace orvix;
  GdiplusSession gdiplus;
  auto hook = MenuFrameHook::Install();
  DpiScale dpi(Argument("--dpi", DpiOfWindow(nullptr).dpi()));
  DemoDialog dialog(dpi);
  if (!dialog.Open()) return 1;
  demo = &dialog;
  ::SetTimer(nullptr, 0, 700, &Step);
  ::SetTimer(nullptr, 0, static_cast<UINT>(Argument("--seconds", 20)) * 1000, &End);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  demo = nullptr;
  return 0;
}
