#include "ButtonPage_win.h"

#include <string>
#include <vector>

#include "dialogs/AssignmentDialogTexts.h"
#include "ButtonMenuWindow_win.h"
#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "KeyNames.h"
#include "KeyboardLayout_win.h"
#include "LanguageTable.h"
#include "LayoutString.h"
#include "LayoutTable.h"
#include "MacroManagerDialog_win.h"
#include "MediaPlayerDialog_win.h"
#include "NoticeDialog_win.h"
#include "PageButtonsLayout.h"
#include "ProgramPathDialog_win.h"
#include "ShortcutDialog_win.h"
#include "SkinImages_win.h"
#include "TextIds.h"
#include "TimerDialogs_win.h"
#include "WideText_win.h"
#include "pages/buttons/ButtonPageTexts.h"
#include "pages/buttons/MediaPlayers.h"
#include "pages/buttons/ShortcutChoice.h"

namespace orvix {
namespace {

using namespace button_page;

// The hover notice the slot buttons post (wParam 1 entering, 0 leaving; lParam the id).
constexpr UINT kSlotHoverMessage = 1124;
constexpr int kManagerId = 300;
constexpr int kRightHandId = 301;
constexpr int kLeftHandId = 302;
constexpr int kArrowWidth96 = 16;  // the drop-down part at a slot button's right end
constexpr int kTitleIndent96 = 10;  // right of the art's accent tick
constexpr COLORREF kTitleColour = RGB(200, 206, 214);

ControlPlacement PlacementOf(std::string_view role) {
  if (const LayoutLine* line = FindLayoutRole(kPageButtonsLayout, role))
    if (auto placement = ParseLayoutString(line->layout)) return *placement;
  return {};
}

std::string SlotRole(int slot) { return "slot." + std::to_string(slot + 1); }

int SlotOfControl(HWND control) {
  const int id = ::GetDlgCtrlID(control) - kFirstSlotControlId;
  return id >= 0 && id < kButtonSlots ? id : -1;
}

// The area of a hover picture: slots 0..11 on the left, 12..59 on the right.
PixelRect PictureArea(int picture, const DpiScale& dpi) {
  return dpi.Scale(PlacementOf(picture < kButtonSlots / 2 ? "picture.normal" : "picture.layer"));
}

}  // namespace

RECT SlotButton::LabelArea(const RECT& client) const {
  RECT area = client;
  area.left += dpi().Scale(4);
  area.right -= dpi().Scale(kArrowWidth96);
  return area;
}

CButtonPage::~CButtonPage() = default;

int CButtonPage::EditedProfile() const { return EditedProfileIndex(host().Working().config); }

ProfileRecord& CButtonPage::Profile() {
  return host().Working().config.profiles[static_cast<std::size_t>(EditedProfile())];
}

const SkinImages& CButtonPage::ArtOf(const char* name, std::unique_ptr<SkinImages>& art) const {
  if (!art) {
    const ControlPlacement page = PlacementOf("dialog");
    art = std::make_unique<SkinImages>(
        SkinImages::Load(host().InstallFolder(), name, host().Dpi(), page.Width(), page.Height()));
  }
  return *art;
}

// ---- making the controls ----------------------------------------------------------------

void CButtonPage::OnCreate() {
  const DpiScale& dpi = host().Dpi();
  const SkinImages& fixed = ArtOf("page_buttons_fixed", fixedArt_);
  for (int slot = 0; slot < kButtonSlots; ++slot) {
    SkinButtonSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(SlotRole(slot));
    setup.placement.toolTip.clear();
    setup.dpi = dpi;
    setup.id = kFirstSlotControlId + slot;
    setup.quickHelp = host().QuickHelp();
    setup.hoverMessage = kSlotHoverMessage;
    setup.visible = setup.placement.Width() > 0 && setup.placement.Height() > 0;
    const PixelRect r = dpi.Scale(setup.placement);
    SlotLooks& looks = looks_[static_cast<std::size_t>(slot)];
    looks.assignable = ButtonImages::Cut(images(), r);
    looks.fixed = ButtonImages::Cut(fixed, r);
    slots_[static_cast<std::size_t>(slot)].Create(setup, looks.fixed);
  }
  auto button = [&](SkinButton& control, const char* role, int id) {
    SkinButtonSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(role);
    setup.dpi = dpi;
    setup.id = id;
    setup.quickHelp = host().QuickHelp();
    setup.label = WideFromUtf8(setup.placement.name);
    setup.visible = setup.placement.Width() > 0 && setup.placement.Height() > 0;
    control.Create(setup, ButtonImages::Cut(images(), dpi.Scale(setup.placement)));
  };
  button(manager_, "manager", kManagerId);
  button(rightHand_, "orientation.right", kRightHandId);
  button(leftHand_, "orientation.left", kLeftHandId);
  for (auto [label, role] : {std::pair{&normalTitle_, "title.normal"}, {&layerTitle_, "title.layer"}}) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(role);
    setup.placement.left += kTitleIndent96;
    setup.dpi = dpi;
    setup.colour = kTitleColour;
    setup.format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    label->Create(setup, images().Cut(SkinState::kNormal, dpi.Scale(setup.placement)));
  }
}

void CButtonPage::OnRelabel(const LanguageLibrary& texts) {
  const auto charset = static_cast<BYTE>(LanguageOf(host().Working().config.QuickHelpLan).fontCharset);
  slotFont_ = host().Font(12);
  titleFont_ = host().Font(14, FW_BOLD);
  menuFont_ = SkinFont::Create({L"Arial", 14, 5, FW_NORMAL, charset}, host().Dpi());
  for (int slot = 0; slot < kButtonSlots; ++slot) {
    SlotButton& button = slots_[static_cast<std::size_t>(slot)];
    button.SetFont(slotFont_);
    button.SetQuickHelp(texts.Text(QuickHelpTextOfSlot(slot)));
  }
  manager_.SetFont(host().Font(13, FW_SEMIBOLD));
  manager_.SetLabel(texts.Text(kTextLabelMacroManager));
  manager_.SetQuickHelp(texts.Text(kTextHelpMacroManager));
  normalTitle_.SetFont(titleFont_);
  normalTitle_.SetText(texts.Text(kTextLabelNormalLayer));
  layerTitle_.SetFont(titleFont_);
  layerTitle_.SetText(texts.Text(kTextLabelAltlayerLayer));
}

// ---- showing the profile ----------------------------------------------------------------

void CButtonPage::OnRefresh() {
  ShowSlots(toggle_.open());
  ShowPicture(hover_.OnRefresh());
  ShowHand();
}

void CButtonPage::ShowSlots(int menuSlot) {
  ActiveKeyboardLayout layout;
  const KeyNamer keyName = [&layout](std::uint8_t usage) { return std::string(KeyNameFromUsage(usage, layout).view()); };
  const auto views = SlotViews(Profile(), host().Devices(), keyName, menuSlot);
  for (int slot = 0; slot < kButtonSlots; ++slot) {
    const SlotView& view = views[static_cast<std::size_t>(slot)];
    SlotLooks& looks = looks_[static_cast<std::size_t>(slot)];
    SlotButton& button = slots_[static_cast<std::size_t>(slot)];
    switch (view.look) {
      case SlotLook::kFixed: button.SetImages(looks.fixed); break;
      case SlotLook::kAssignable: button.SetImages(looks.assignable); break;
      case SlotLook::kMenuOpen:
        if (!looks.open.looks[0])
          looks.open = ButtonImages::Cut(ArtOf("page_buttons_open", openArt_), button.rect());
        button.SetImages(looks.open);
        break;
    }
    button.SetLabel(WideFromAnsi(view.label));
    ::UpdateWindow(button.hwnd());  // at once, as the slots change one after the other
  }
}

void CButtonPage::ShowHand() {
  const Hand hand = HandOf(Profile());
  rightHand_.SetChecked(hand == Hand::kRight);
  leftHand_.SetChecked(hand == Hand::kLeft);
  if (hand == paintedHand_) return;
  paintedHand_ = hand;
  for (const char* role : {"art.orientation.normal", "art.orientation.layer"}) {
    const PixelRect r = host().Dpi().Scale(PlacementOf(role));
    const RECT area{r.left, r.top, r.right, r.bottom};
    ::InvalidateRect(hwnd(), &area, FALSE);
  }
}

void CButtonPage::ShowPicture(const PictureChange& change) {
  const DpiScale& dpi = host().Dpi();
  auto invalidate = [&](int picture) {
    if (picture < 0 || picture >= kHoverPictures) return;
    const PixelRect r = PictureArea(picture, dpi);
    const RECT area{r.left, r.top, r.right, r.bottom};
    ::InvalidateRect(hwnd(), &area, FALSE);
  };
  invalidate(change.hide);
  if (change.show >= 0 && change.show < kHoverPictures) {
    std::optional<SkinBitmap>& picture = pictures_[static_cast<std::size_t>(change.show)];
    if (!picture) picture = LoadSkinPicture(host().InstallFolder(), "button_picture_" + std::to_string(change.show), dpi);
  }
  shownPicture_ = change.show;
  invalidate(change.show);
}

void CButtonPage::OnPaintOver(HDC dc) {
  const DpiScale& dpi = host().Dpi();
  if (paintedHand_ == Hand::kLeft) {
    if (!leftHandArt_) leftHandArt_ = LoadSkinPicture(host().InstallFolder(), "page_buttons_left", dpi);
    if (leftHandArt_)
      for (const char* role : {"art.orientation.normal", "art.orientation.layer"}) {
        const PixelRect r = dpi.Scale(PlacementOf(role));
        if (std::optional<SkinBitmap> piece = leftHandArt_->Cut(r, RGB(0, 0, 0))) piece->Draw(dc, r.left, r.top);
      }
  }
  if (shownPicture_ >= 0 && shownPicture_ < kHoverPictures)
    if (const auto& picture = pictures_[static_cast<std::size_t>(shownPicture_)]) {
      const PixelRect r = PictureArea(shownPicture_, dpi);
      picture->DrawScaled(dc, RECT{r.left, r.top, r.right, r.bottom});
    }
}

// ---- the user's choices -------------------------------------------------------------------

bool CButtonPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
  switch (message) {
    case kSlotHoverMessage:
      ShowPicture(hover_.OnHover(wParam != 0, static_cast<int>(lParam), Profile()));
      return true;
    case WM_COMMAND: {
      if (!lParam || HIWORD(wParam) != BN_CLICKED) return false;
      const HWND sender = reinterpret_cast<HWND>(lParam);
      if (const int slot = SlotOfControl(sender); slot >= 0 && sender == slots_[static_cast<std::size_t>(slot)].hwnd()) {
        OnSlotClicked(slot);
      } else if (sender == manager_.hwnd()) {
        Carry(-1, MenuChoice{MenuAction::kCreateMacro});
      } else if (sender == rightHand_.hwnd()) {
        ChooseHand(Hand::kRight);
      } else if (sender == leftHand_.hwnd()) {
        ChooseHand(Hand::kLeft);
      } else {
        return false;
      }
      return true;
    }
    default:
      return false;
  }
}

void CButtonPage::ChooseHand(Hand hand) {
  button_page::ChooseHand(Profile(), hand);
  ShowHand();
}

void CButtonPage::OnSlotClicked(int slot) {
  ProfileRecord& profile = Profile();
  if (!SlotOpensMenu(slot, profile.MacroKeyInfo[slot].function)) return;
  if (!toggle_.OnClick(slot)) return;

  // The menu's names: the library's sets and macros, the timers.
  std::vector<MacroMenuSet> sets;
  for (const MacroSet& set : host().Macros().sets()) {
    MacroMenuSet& shown = sets.emplace_back();
    shown.name = set.name();
    for (const MacroRecord& macro : set.macros()) shown.macros.emplace_back(FixedTextView(macro.name));
  }
  std::vector<std::string> timerNames;
  for (const TimerRecord& timer : host().Timers().timers()) timerNames.emplace_back(FixedTextView(timer.name));
  ButtonMenuSource source;
  source.slot = slot;
  source.assignment = &profile.MacroKeyInfo[slot];
  source.macroSets = sets;
  source.timerNames = timerNames;
  source.devices = &host().Devices();
  for (int level = 0; level < kDpiLevels; ++level) source.cpiLevels[level] = profile.CpiLevel_X[level];
  source.windowsVersion = host().WindowsVersion();

  SlotButton& button = slots_[static_cast<std::size_t>(slot)];
  ShowSlots(slot);
  RECT r;
  ::GetWindowRect(button.hwnd(), &r);
  const LanguageLibrary& texts = host().Texts();
  const UINT chosen = TrackButtonMenu(hwnd(), POINT{r.left, r.bottom}, source,
                                      [&texts](int id) { return texts.Text(id); }, menuFont_, host().Dpi());
  POINT pointer{};
  ::GetCursorPos(&pointer);
  toggle_.OnMenuClosed(::WindowFromPoint(pointer) == button.hwnd());
  ::SetFocus(hwnd());
  const MenuChoice choice = ChoiceOfMenuId(source, static_cast<int>(chosen));
  Carry(slot, choice);
  ShowSlots(-1);
}

void CButtonPage::Notice(int textId) {
  const FormDialogSetup setup = host().DialogSetup();
  NoticeDialog::Show(host().Frame(), {setup.installFolder, setup.dpi, host().Texts().Text(kTextNoticeTitle),
                                      host().Texts().Text(textId), host().Texts().Text(kTextLabelOk), L"",
                                      setup.language});
}

void CButtonPage::OpenMacroManager(int slot, int macroSet) {
  MacroManagerRequest request;
  request.set = macroSet;
  if (slot >= 0) {
    const ButtonAssignment& assignment = Profile().MacroKeyInfo[slot];
    if (assignment.function == kFunctionMacro)
      request.button = {std::string(FixedTextView(assignment.macroSetName)),
                        std::string(FixedTextView(assignment.macroName))};
  }
  MacroManagerSession session(host().Macros());
  if (RunMacroManager(host().Frame(), host().DialogSetup(), session, request)) {
    host().AcceptMacros(session);
    OnRefresh();
  }
}

void CButtonPage::Carry(int slot, const MenuChoice& choice) {
  SharedDataBlock& working = host().Working();
  const HWND owner = host().Frame();
  const FormDialogSetup setup = host().DialogSetup();
  switch (choice.action) {
    case MenuAction::kNothing:
      return;
    case MenuAction::kSetCode:
      SetCode(working, altlayer_, slot, choice.code);
      break;
    case MenuAction::kSetDevice:
      SetDeviceCode(working, altlayer_, slot, choice.code, choice.companionDevice);
      break;
    case MenuAction::kSetTimer:
      if (const TimerRecord* timer = host().Timers().Find(choice.timer)) SetTimer(working, altlayer_, slot, *timer);
      break;
    case MenuAction::kSetMacro:
      if (const MacroSet* set = host().Macros().FindSet(choice.macroSet))
        if (const MacroRecord* macro = host().Macros().FindMacro(choice.macroSet, choice.macro))
          SetMacro(working, altlayer_, slot, set->name(), *macro);
      break;
    case MenuAction::kCreateTimer:
      if (auto timer = RunNewTimerDialog(owner, setup, host().Timers()))
        if (host().Timers().Add(*timer)) host().SaveTimers();
      return;
    case MenuAction::kEditTimers:
      if (host().Timers().Count() == 0) return;
      if (auto edited = RunTimerEditorDialog(owner, setup, host().Timers())) {
        host().Timers() = std::move(*edited);
        host().SaveTimers();
      }
      return;
    case MenuAction::kSelectPlayer: {
      int player = Profile().MediaOption;
      if (RunMediaPlayerDialog(owner, setup, player)) SelectPlayer(Profile(), player);
      return;
    }
    case MenuAction::kAssignShortcut: {
      ShortcutChoice shortcut = ShortcutOfSlot(Profile().MacroKeyInfo[slot]);
      if (RunShortcutDialog(owner, setup, shortcut)) SetShortcut(working, altlayer_, slot, shortcut);
      break;
    }
    case MenuAction::kChooseProgram: {
      const ButtonAssignment& assignment = Profile().MacroKeyInfo[slot];
      std::string path = assignment.function == choice.code ? std::string(FixedTextView(assignment.programPath)) : "";
      if (RunProgramPathDialog(owner, setup, path) &&
          SetProgram(working, altlayer_, slot, path) == ProgramResult::kPathTooLong)
        Notice(kTextProgramTooLong);
      break;
    }
    case MenuAction::kCreateMacro:
    case MenuAction::kEditMacroSet:
      return OpenMacroManager(slot, choice.action == MenuAction::kEditMacroSet ? choice.macroSet : -1);
  }
}

}  // namespace orvix
