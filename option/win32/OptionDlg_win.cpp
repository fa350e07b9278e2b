#include "OptionDlg_win.h"

#include <commctrl.h>

#include <algorithm>

#include "CaptionDrag_win.h"
#include "Configuration.h"
#include "DeviceList.h"
#include "FixedText.h"
#include "KeyboardCapture_win.h"
#include "LanguageChooser_win.h"
#include "LanguageTable.h"
#include "LayoutString.h"
#include "LayoutTable.h"
#include "MainDialogLayout.h"
#include "Messages.h"
#include "NoticeDialog_win.h"
#include "OptionResources.h"
#include "PaintBuffer_win.h"
#include "PointerRegistry.h"
#include "ProfileFile.h"
#include "TextFormat.h"
#include "TextIds.h"
#include "WindowDpi_win.h"
#include "WindowRegion_win.h"
#include "WideText_win.h"
#include "frame/VersionText.h"
#include "macros/AssignmentMerge.h"
#include "macros/MacroLibraryFile.h"
#include "timers/TimerFile.h"

namespace orvix {
namespace {

constexpr wchar_t kFrameClass[] = L"OrvixOneOptionFrame";
constexpr int kDialogWidth96 = 800;
constexpr int kDialogHeight96 = 600;

// Messages and timers of the dialog itself.
constexpr UINT WM_OPT_QUICK_HELP = 1125;
constexpr UINT WM_OPT_IGNORED_1258 = 1258;
constexpr UINT kOfferKeptEditsMessage = WM_APP + 0x102;
// The last keyboard capture ended: the monitor's notices held back meanwhile are read now.
constexpr UINT kCaptureEndedMessage = WM_APP + 0x103;
constexpr UINT_PTR kAnswerTimer = 1;  // the monitor has this long to answer an apply
constexpr UINT kAnswerTimeoutMs = 60000;
constexpr UINT_PTR kRetryTimer = 2;   // a failed hand-over is tried again this often
constexpr UINT kRetryMs = 2000;

// The dialog object while its window is being made: WM_CREATE comes before the dialog
// procedure has its parameter.
thread_local COptionDlg* creating = nullptr;

constexpr const char* kTabRoles[] = {"tab.main", "tab.buttons", "tab.advanced", "tab.color", "tab.trophy", "tab.update"};
constexpr const char* kCommandRoles[] = {"command.create", "command.load", "command.save", "command.edit"};

ControlPlacement PlacementOf(std::string_view role) {
  if (const LayoutLine* line = FindLayoutRole(kMainDialogLayout, role))
    if (auto placement = ParseLayoutString(line->layout)) return *placement;
  return {};
}

std::string RoleOf(const char* kind, int slot) { return std::string(kind) + "." + std::to_string(slot + 1); }

COLORREF ColourOf(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

}  // namespace

COptionDlg::COptionDlg(std::string installFolder) : installFolder_(std::move(installFolder)) {
  store_ = std::make_unique<SettingsStore>(ini_, configFiles_, registry_, system_);
  files_ = std::make_unique<StoreFiles>(*store_);
  devices_ = std::make_unique<CompanionDeviceList>();
}

COptionDlg::~COptionDlg() = default;

bool COptionDlg::RegisterFrameClass() {
  WNDCLASSEXW frame{};
  frame.cbSize = sizeof frame;
  frame.lpfnWndProc = &COptionDlg::FrameProcedure;
  frame.cbWndExtra = DLGWINDOWEXTRA;
  frame.hInstance = ::GetModuleHandleW(nullptr);
  frame.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  frame.hIcon = ::LoadIconW(frame.hInstance, MAKEINTRESOURCEW(IDI_OPTION_ICON));
  frame.lpszClassName = kFrameClass;
  return ::RegisterClassExW(&frame) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

INT_PTR COptionDlg::Run() {
  if (!RegisterFrameClass()) return -1;
  creating = this;
  const INT_PTR result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_OPTION_FRAME), nullptr,
                                           &COptionDlg::DialogProcedure, reinterpret_cast<LPARAM>(this));
  creating = nullptr;
  return result;
}

LRESULT CALLBACK COptionDlg::FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE && creating) {
    const LRESULT created = ::DefDlgProcW(window, message, wParam, lParam);
    creating->OnCreate(window);
    return created;
  }
  return ::DefDlgProcW(window, message, wParam, lParam);
}

INT_PTR CALLBACK COptionDlg::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<COptionDlg*>(lParam)->OnInitDialog();
    return FALSE;  // the focus stays where the dialog put it
  }
  auto* dialog = reinterpret_cast<COptionDlg*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (!dialog) return FALSE;
  bool handled = true;
  const INT_PTR result = dialog->OnMessage(message, wParam, lParam, handled);
  if (!handled) return FALSE;
  ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}

// ---- WM_CREATE ------------------------------------------------------------------------

void COptionDlg::OnCreate(HWND window) {
  hwnd_ = window;
  ::SetWindowTextA(hwnd_, kOptionWindowTitle);
  dpi_ = DpiOfWindow(hwnd_);
  images_ = std::make_unique<SkinImages>(
      SkinImages::Load(installFolder_, "main_dialog", dpi_, kDialogWidth96, kDialogHeight96));

  // Centred on the work area of the dialog's monitor.
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  ::GetMonitorInfoW(::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int x = area.left + std::max(0L, (area.right - area.left - images_->width()) / 2);
  const int y = area.top + std::max(0L, (area.bottom - area.top - images_->height()) / 2);
  ::SetWindowPos(hwnd_, nullptr, x, y, images_->width(), images_->height(), SWP_NOZORDER | SWP_NOACTIVATE);

  CreateControls();
  CreatePages();
  ApplyWindowRegion(hwnd_, RegionFromBitmap(images_->Image(SkinState::kNormal).handle()));

  block_ = std::make_unique<SharedBlockClient>([this] {
    ::MessageBoxA(hwnd_, "Could not map view of file.", nullptr, MB_OK);
  });
  monitor_ = std::make_unique<MonitorWindow>(hwnd_);
  cycle_ = std::make_unique<ApplyCycle>(*block_, *monitor_, *files_, *this);
  profileCommands_ = std::make_unique<ProfileCommands>(*this, ini_, *store_);
}

FontRef COptionDlg::Font(int height96, int weight) const {
  const auto charset = static_cast<BYTE>(LanguageOf(cycle_ ? cycle_->working().config.QuickHelpLan : 1).fontCharset);
  // Sized by the letters' height (Arial's is 87 % of its cell), the same for every script.
  return SkinFont::Create({L"Arial", (height96 * 87 + 50) / 100, 0, weight, charset, true}, dpi_);
}

void COptionDlg::MakeFonts() {
  labelFont_ = Font(14, FW_SEMIBOLD);
  tabFont_ = Font(15, FW_BOLD);
  nameFont_ = Font(14);
  quickHelpFont_ = Font(13);
}

PixelRect COptionDlg::ScaledRect(std::string_view role) const { return dpi_.Scale(PlacementOf(role)); }

SkinButtonSetup COptionDlg::ButtonSetup(std::string_view role, FontRef font) const {
  SkinButtonSetup setup;
  setup.parent = hwnd_;
  setup.placement = PlacementOf(role);
  setup.dpi = dpi_;
  setup.quickHelp = const_cast<COptionDlg*>(this)->QuickHelp();
  setup.label = WideFromUtf8(setup.placement.name);
  setup.font = font ? font : labelFont_;
  return setup;
}

QuickHelpSink COptionDlg::QuickHelp() {
  return [this](std::wstring_view text) {
    quickHelpText_ = text;
    ::PostMessageW(hwnd_, WM_OPT_QUICK_HELP, text.empty() ? 0 : 1, 0);
  };
}

void COptionDlg::CreateControls() {
  MakeFonts();
  const SkinImages& art = *images_;

  for (std::size_t i = 0; i < tabs_.size(); ++i) {
    SkinButtonSetup setup = ButtonSetup(kTabRoles[i], tabFont_);
    setup.kind = ButtonKind::kCheck;
    setup.toggleOnClick = false;
    tabs_[i].Create(setup, ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
  }
  for (std::size_t i = 0; i < commands_.size(); ++i) {
    const SkinButtonSetup setup = ButtonSetup(kCommandRoles[i]);
    commands_[i].Create(setup, ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
  }
  for (int i = 0; i < kProfiles; ++i) {
    SkinButtonSetup setup = ButtonSetup(RoleOf("slot", i));
    setup.kind = ButtonKind::kCheck;
    setup.toggleOnClick = false;
    slots_[i].Create(setup, ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
  }
  // Both looks of the "windows profile" marker sit at the same place; one of them shows.
  ButtonImages markerOn;
  for (SkinState state : kSkinStates) {
    if (auto picture = LoadSkinPicture(installFolder_, "winprofile_on_" + std::string(StateFileName(state)), dpi_))
      markerOn.looks[StateIndex(state)] = std::make_shared<const SkinBitmap>(std::move(*picture));
  }
  for (int i = 0; i < kProfiles; ++i) {
    SkinButtonSetup setup = ButtonSetup(RoleOf("winprofile", i));
    setup.drawLabel = false;
    windowsProfileOff_[i].Create(setup, ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
    setup.visible = false;
    windowsProfileOn_[i].Create(setup, markerOn.looks[0] ? markerOn : ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
  }
  for (int i = 0; i < kProfiles; ++i) {
    const PixelRect r = ScaledRect(RoleOf("swatch", i));
    swatches_[i] = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, r.left, r.top,
                                     r.right - r.left, r.bottom - r.top, hwnd_, nullptr, nullptr, nullptr);
  }
  for (int i = 0; i < kProfiles; ++i) {
    SkinLabelSetup setup;
    setup.parent = hwnd_;
    setup.placement = PlacementOf(RoleOf("name", i));
    setup.dpi = dpi_;
    setup.quickHelp = QuickHelp();
    setup.font = nameFont_;
    setup.format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    names_[i].Create(setup, art.Cut(SkinState::kNormal, dpi_.Scale(setup.placement)));
  }
  {
    SkinButtonSetup setup = ButtonSetup("language");
    setup.drawLabel = false;
    language_.Create(setup, ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
  }
  {
    const PixelRect r = ScaledRect("badge");
    if (auto picture = LoadSkinPicture(installFolder_, "badge", dpi_))
      badgePicture_ = std::make_unique<SkinBitmap>(std::move(*picture));
    badge_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | SS_OWNERDRAW, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, hwnd_, nullptr, nullptr, nullptr);
  }
  {
    SkinLabelSetup setup;
    setup.parent = hwnd_;
    setup.placement = PlacementOf("quickhelp");
    setup.placement.toolTip.clear();
    setup.dpi = dpi_;
    setup.font = quickHelpFont_;
    setup.colour = RGB(200, 206, 214);
    setup.format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    quickHelp_.Create(setup, art.Cut(SkinState::kNormal, dpi_.Scale(setup.placement)));
  }
  for (auto [button, role] : {std::pair{&min_, "min"}, {&exit_, "exit"}}) {
    SkinButtonSetup setup = ButtonSetup(role);
    setup.drawLabel = false;
    button->Create(setup, ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
  }
  for (auto [button, role] : {std::pair{&ok_, "ok"}, {&apply_, "apply"}, {&cancel_, "cancel"}}) {
    const SkinButtonSetup setup = ButtonSetup(role);
    button->Create(setup, ButtonImages::Cut(art, dpi_.Scale(setup.placement)));
  }
}

void COptionDlg::CreatePages() {
  pages_[kMainPage] = std::make_unique<CMainPage>();
  pages_[kButtonPage] = std::make_unique<CButtonPage>();
  pages_[kAdvancedPage] = std::make_unique<CAdvancedPage>();
  pages_[kColorPage] = std::make_unique<CColorPage>();
  pages_[kStatisticsPage] = std::make_unique<CStatisticsPage>();
  pages_[kUpdatePage] = std::make_unique<CUpdatePage>();
  const PixelRect rect = ScaledRect("page");
  for (auto& page : pages_) page->Create(hwnd_, rect, *this);
  page_ = -1;  // the main page shows once the configuration and the texts are there
}

// ---- WM_INITDIALOG --------------------------------------------------------------------

void COptionDlg::LoadFirmwareText() {
  firmwareText_ = WideFromUtf8(FirmwareVersionText(ReadFirmwareVersion(*store_)));
}

void COptionDlg::OnInitDialog() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const auto icon = reinterpret_cast<LPARAM>(::LoadIconW(instance, MAKEINTRESOURCEW(IDI_OPTION_ICON)));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, icon);
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, icon);

  LoadFirmwareText();
  RefreshVersions();
  const bool fromBlock = cycle_->Start([this](ConfigRecord& record) {
    // Without the monitor: the files, each slot from its defaults where its file is missing.
    LoadConfiguration(record, *store_);
  });
  ReadDeviceList(*store_, *devices_);
  LoadTimerList(*store_, timers_);
  LoadMacroLibrary(*store_, macros_);
  MergeButtonMacros();
  if (fromBlock)
    if (const ProfileRecord* current = CurrentProfileRecord(cycle_->working().config))
      WritePointerRegistry(*current, registry_);
  RefreshAll();
  LoadLanguage();
  ShowPage(kMainPage);
  ::PostMessageW(hwnd_, kOfferKeptEditsMessage, 0, 0);
  KeyboardCapture::NotifyWhenIdle(hwnd_, kCaptureEndedMessage);
}

void COptionDlg::MergeButtonMacros() {
  if (MergeAssignmentsIntoLibrary(cycle_->working().config, macros_)) SaveMacroLibrary(*store_, macros_);
}

void COptionDlg::AcceptMacros(MacroManagerSession& session) {
  SharedDataBlock& working = cycle_->working();
  session.Accept(macros_, working.config, working.flags, *store_);
}

bool COptionDlg::SaveTimers() { return SaveTimerList(*store_, timers_); }

FormDialogSetup COptionDlg::DialogSetup() const {
  return {installFolder_, dpi_, &texts_, cycle_ ? cycle_->working().config.QuickHelpLan : 1};
}

// ---- messages -------------------------------------------------------------------------

INT_PTR COptionDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT draws everything
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DRAWITEM:
      // The skinned buttons draw themselves; only the swatches and the badge are ours.
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_LBUTTONDOWN:
      BeginCaptionDrag(hwnd_, lParam);
      return 0;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_OPTION_ICON)));
    case WM_SETCURSOR:
      if (busy_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_APPSTARTING));
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (lParam && HIWORD(wParam) == BN_CLICKED) {
        OnCommand(reinterpret_cast<HWND>(lParam));
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) userClosing_ = true;  // the taskbar's Close, Alt+F4
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case kMonitorAnsweredMessage:
      OnMonitorAnswered(static_cast<UINT>(wParam));
      return 0;
    case kOfferKeptEditsMessage:
      cycle_->OfferKeptEdits();
      return 0;
    case WM_OPT_DEVICE_READ_DONE:
    case WM_OPT_PROFILE_CHANGED:
    case WM_OPT_LEVEL_CHANGED:
    case WM_OPT_STATISTICS_CHANGED:
      // Reading the block waits for its mutex, and a reload writes files: while the
      // keyboard hook is installed a stall of this thread would freeze every key of the
      // session, so the notice waits until the capture ends.
      if (KeyboardCapture::Active()) {
        heldNotices_.push_back(message);
        return 0;
      }
      OnMonitorNotice(message);
      return 0;
    case kCaptureEndedMessage: {
      std::vector<UINT> held;
      held.swap(heldNotices_);
      held.erase(std::unique(held.begin(), held.end()), held.end());
      for (UINT notice : held) OnMonitorNotice(notice);
      return 0;
    }
    case WM_OPT_ENABLE_APPLY:
      if (!busy_) SetBusy(false);
      return 0;
    case WM_OPT_IGNORED_1258:
      return 0;
    case WM_OPT_PARLY_DEVICES_CHANGED:
      ReadDeviceList(*store_, *devices_);
      return 0;
    case WM_OPT_QUICK_HELP:
      quickHelp_.SetText(quickHelpText_);
      return 0;
    case WM_OPT_SLOT_COLORS_CHANGED:
      for (HWND swatch : swatches_) ::InvalidateRect(swatch, nullptr, FALSE);
      return 0;
    default:
      break;
  }
  handled = false;
  return 0;
}

void COptionDlg::OnMonitorNotice(UINT message) {
  switch (message) {
    case WM_OPT_DEVICE_READ_DONE:
      cycle_->OnDeviceReadDone();
      MergeButtonMacros();
      FollowApply();
      return;
    case WM_OPT_PROFILE_CHANGED:
      return cycle_->OnProfileChanged();
    case WM_OPT_LEVEL_CHANGED:
      return cycle_->OnLevelChanged();
    case WM_OPT_STATISTICS_CHANGED:
      return cycle_->OnStatisticsChanged();
    default:
      return;
  }
}

void COptionDlg::OnCommand(HWND sender) {
  for (int i = 0; i < kPageCount; ++i)
    if (sender == tabs_[i].hwnd()) return ShowPage(i);
  for (int i = 0; i < kProfiles; ++i)
    if (sender == slots_[i].hwnd()) return SelectSlot(i);
  for (int i = 0; i < kProfiles; ++i)
    if (sender == windowsProfileOff_[i].hwnd() || sender == windowsProfileOn_[i].hwnd())
      return profileCommands_->ToggleWindowsProfile(i);
  if (sender == commands_[0].hwnd()) return profileCommands_->Create();
  if (sender == commands_[1].hwnd()) return profileCommands_->Load();
  if (sender == commands_[2].hwnd()) return profileCommands_->Save();
  if (sender == commands_[3].hwnd()) return profileCommands_->Edit();
  if (sender == language_.hwnd()) return ChooseLanguage();
  if (sender == min_.hwnd()) {
    ::ShowWindow(hwnd_, SW_MINIMIZE);
    return;
  }
  if (sender == ok_.hwnd()) return Apply(true);
  if (sender == apply_.hwnd()) return Apply(false);
  if (sender == exit_.hwnd() || sender == cancel_.hwnd()) {
    if (::GetCapture() == hwnd_) {
      ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
      ::ReleaseCapture();
    }
    userClosing_ = true;
    ::PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  }
}

void COptionDlg::OnClose() {
  // Closed from outside (the mouse was unplugged, the monitor ended) with edits that did
  // not reach the mouse: they are kept and offered at the next start.
  if (!userClosing_) cycle_->KeepPendingEdits();
  ::EndDialog(hwnd_, IDCANCEL);
}

void COptionDlg::ShowPage(int page) {
  if (page == page_ || page < 0 || page >= kPageCount) return;
  if (page_ >= 0) pages_[page_]->Show(false);
  pages_[page]->Show(true);
  page_ = page;
  for (int i = 0; i < kPageCount; ++i) tabs_[i].SetChecked(i == page);
}

void COptionDlg::FactoryReset() {
  SharedDataBlock& working = cycle_->working();
  DefaultConfiguration(working.config, *store_);
  for (auto& slot : working.flags.button)
    for (auto& flag : slot) flag = 1;
  OsdSettings osd;
  DefaultOsdSettings(osd);
  WriteOsdSettings(*store_, osd);
  LoadLanguage();
  RefreshAll();
  Apply(false, 1);
}

void COptionDlg::SelectSlot(int slot) {
  cycle_->working().config.CurrentProfile = slot;
  RefreshAll();
}

// ---- the apply cycle ------------------------------------------------------------------

void COptionDlg::Apply(bool thenClose, int resetFlag) {
  cycle_->Apply(resetFlag, thenClose);
  FollowApply();
}

// After anything that may start or end a hand-over: the answer's deadline and the retries.
void COptionDlg::FollowApply() {
  if (cycle_->busy())
    ::SetTimer(hwnd_, kAnswerTimer, kAnswerTimeoutMs, nullptr);
  else
    ::KillTimer(hwnd_, kAnswerTimer);
  if (cycle_->retryPending() && !cycle_->busy())
    ::SetTimer(hwnd_, kRetryTimer, kRetryMs, nullptr);
  else
    ::KillTimer(hwnd_, kRetryTimer);
}

void COptionDlg::OnMonitorAnswered(UINT message) {
  monitor_->OnAnswer(message);
  if (message != WM_MON_APPLY_ALL) return;
  cycle_->OnMonitorAnswered();
  FollowApply();
}

void COptionDlg::OnTimer(UINT_PTR timer) {
  if (timer == kAnswerTimer) {
    ::KillTimer(hwnd_, kAnswerTimer);
    cycle_->OnMonitorTimedOut();
  } else if (timer == kRetryTimer) {
    cycle_->OnRetryTimer();
  }
  FollowApply();
}

void COptionDlg::SetBusy(bool busy) {
  if (busy == busy_ && ok_.enabled() == !busy) return;
  busy_ = busy;
  ok_.Enable(!busy);
  apply_.Enable(!busy);
  // The cursor takes its new look at once when it is over the dialog.
  POINT cursor;
  if (::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) && ::GetAncestor(::WindowFromPoint(cursor), GA_ROOT) == hwnd_)
    ::SetCursor(::LoadCursorA(nullptr, busy ? IDC_APPSTARTING : IDC_ARROW));
}

void COptionDlg::ApplyFinished() {
  ::KillTimer(hwnd_, kAnswerTimer);
  ::KillTimer(hwnd_, kRetryTimer);
  userClosing_ = true;
  ::EndDialog(hwnd_, IDOK);
}

void COptionDlg::ShowNotice(ApplyNotice notice) {
  const int text = notice == ApplyNotice::kMonitorAbsent ? kTextNoticeMonitorAbsent : kTextNoticeMonitorTimedOut;
  NoticeDialog::Show(hwnd_, {installFolder_, dpi_, texts_.Text(kTextNoticeTitle), texts_.Text(text),
                             texts_.Text(kTextLabelOk), {}, cycle_->working().config.QuickHelpLan});
}

bool COptionDlg::AskRestoreUnappliedEdits() {
  return NoticeDialog::Show(hwnd_, {installFolder_, dpi_, texts_.Text(kTextNoticeTitle),
                                    texts_.Text(kTextQuestionRestoreChanges), texts_.Text(kTextButtonYes),
                                    texts_.Text(kTextButtonNo), cycle_->working().config.QuickHelpLan}) ==
         NoticeDialog::kFirstButton;
}

// ---- refreshing -----------------------------------------------------------------------

void COptionDlg::RefreshAll() {
  const FrameLooks looks = LooksOf(cycle_->working().config);
  for (int i = 0; i < kProfiles; ++i) {
    const SlotLook& slot = looks.slots[static_cast<std::size_t>(i)];
    slots_[i].SetChecked(slot.selected);
    windowsProfileOff_[i].Show(!slot.windowsProfile);
    windowsProfileOn_[i].Show(slot.windowsProfile);
    ::InvalidateRect(swatches_[i], nullptr, FALSE);
    names_[i].SetText(WideFromAnsi(slot.name));
    names_[i].SetColour(ColourOf(slot.selected ? kSelectedNameColour : kOtherNameColour));
  }
  for (auto& page : pages_)
    if (page.get() != pages_[kUpdatePage].get()) page->Refresh();
  ButtonImages flag;
  for (SkinState state : {SkinState::kNormal, SkinState::kHover, SkinState::kPressed}) {
    const std::string name = "flag_" + std::to_string(looks.languageFlag) + "_" + std::string(StateFileName(state));
    if (auto picture = LoadSkinPicture(installFolder_, name, dpi_))
      flag.looks[StateIndex(state)] = std::make_shared<const SkinBitmap>(std::move(*picture));
  }
  if (flag.looks[0]) language_.SetImages(flag);
  ::ShowWindow(badge_, looks.badge && badgePicture_ ? SW_SHOW : SW_HIDE);
}

void COptionDlg::RefreshLevelPages(bool alsoAdvanced) {
  pages_[kMainPage]->Refresh();
  if (alsoAdvanced) pages_[kAdvancedPage]->Refresh();
}

void COptionDlg::RefreshStatistics() { pages_[kStatisticsPage]->Refresh(); }

void COptionDlg::RefreshVersions() {
  LoadFirmwareText();
  static_cast<CUpdatePage&>(*pages_[kUpdatePage]).SetVersions(WideFromUtf8(kSoftwareVersionText), firmwareText_);
  const PixelRect versions = ScaledRect("art.versions");
  const RECT r{versions.left, versions.top, versions.right, versions.bottom};
  ::InvalidateRect(hwnd_, &r, FALSE);
}

// ---- painting -------------------------------------------------------------------------

void COptionDlg::OnPaint() {
  PAINTSTRUCT ps;
  const HDC screen = ::BeginPaint(hwnd_, &ps);
  if (::IsIconic(hwnd_)) {
    RECT client;
    ::GetClientRect(hwnd_, &client);
    const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_OPTION_ICON));
    ::DrawIcon(screen, (client.right - ::GetSystemMetrics(SM_CXICON)) / 2,
               (client.bottom - ::GetSystemMetrics(SM_CYICON)) / 2, icon);
    ::EndPaint(hwnd_, &ps);
    return;
  }
  {
    PaintBuffer buffer(screen, ps.rcPaint);
    const HDC dc = buffer.dc();
    images_->Image(SkinState::kNormal).Draw(dc, 0, 0);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    const FontRef font = SkinFont::Create({L"Arial", 14, 6, FW_NORMAL}, dpi_);
    const HGDIOBJ old = ::SelectObject(dc, FontOrDefault(font));
    const std::wstring software = WideFromUtf8(kSoftwareVersionText);
    ::TextOutW(dc, dpi_.Scale(212), dpi_.Scale(12), software.c_str(), static_cast<int>(software.size()));
    ::TextOutW(dc, dpi_.Scale(314), dpi_.Scale(12), firmwareText_.c_str(), static_cast<int>(firmwareText_.size()));
    ::SelectObject(dc, old);
  }
  ::EndPaint(hwnd_, &ps);
}

bool COptionDlg::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const bool swatch = std::find(swatches_.begin(), swatches_.end(), item.hwndItem) != swatches_.end();
  if (!swatch && item.hwndItem != badge_) return false;
  const RECT& r = item.rcItem;
  RECT inWindow = r;
  ::MapWindowPoints(item.hwndItem, hwnd_, reinterpret_cast<POINT*>(&inWindow), 2);
  if (const auto under = images_->Cut(SkinState::kNormal, {inWindow.left, inWindow.top, inWindow.right, inWindow.bottom}))
    under->Draw(item.hDC, 0, 0);
  if (item.hwndItem == badge_) {
    if (badgePicture_) badgePicture_->DrawScaled(item.hDC, r);
    return true;
  }
  for (int i = 0; i < kProfiles; ++i) {
    if (item.hwndItem != swatches_[i]) continue;
    const Rgb colour = LooksOf(cycle_->working().config).slots[static_cast<std::size_t>(i)].swatch;
    const int inset = dpi_.Scale(4);
    const RECT inside{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
    const HBRUSH brush = ::CreateSolidBrush(ColourOf(colour));
    ::FillRect(item.hDC, &inside, brush);
    ::DeleteObject(brush);
  }
  return true;
}

// ---- languages ------------------------------------------------------------------------

void COptionDlg::LoadLanguage() {
  texts_.Load(installFolder_, cycle_->working().config.QuickHelpLan);
  // Fonts in the language's script, so that every label can show its text.
  MakeFonts();
  for (auto& tab : tabs_) tab.SetFont(tabFont_);
  for (auto* buttons : {&commands_}) for (auto& button : *buttons) button.SetFont(labelFont_);
  for (auto& slot : slots_) slot.SetFont(labelFont_);
  for (SkinButton* button : {&ok_, &apply_, &cancel_}) button->SetFont(labelFont_);
  for (auto& name : names_) name.SetFont(nameFont_);
  quickHelp_.SetFont(quickHelpFont_);
  Relabel();
}

void COptionDlg::Relabel() {
  const int tabTexts[kPageCount][2] = {
      {kTextQuickHelpTabMain, kTextLabelTabMain},         {kTextQuickHelpTabButtons, kTextLabelTabButtons},
      {kTextQuickHelpTabAdvanced, kTextLabelTabAdvanced}, {kTextQuickHelpTabColor, kTextLabelTabColor},
      {kTextQuickHelpTabTrophy, kTextLabelTabTrophy},     {kTextQuickHelpTabUpdate, kTextLabelTabUpdate}};
  for (int i = 0; i < kPageCount; ++i) {
    tabs_[i].SetQuickHelp(texts_.Text(tabTexts[i][0]));
    tabs_[i].SetLabel(texts_.Text(tabTexts[i][1]));
  }
  const int commandTexts[4][2] = {{kTextQuickHelpCreate, kTextLabelCreate},
                                  {kTextQuickHelpLoad, kTextLabelLoad},
                                  {kTextQuickHelpSave, kTextLabelSave},
                                  {kTextQuickHelpEdit, kTextLabelEdit}};
  for (int i = 0; i < 4; ++i) {
    commands_[i].SetQuickHelp(texts_.Text(commandTexts[i][0]));
    commands_[i].SetLabel(texts_.Text(commandTexts[i][1]));
  }
  for (int i = 0; i < kProfiles; ++i) {
    slots_[i].SetQuickHelp(texts_.Text(TextQuickHelpSlotButton(i)));
    slots_[i].SetLabel(FormatWithNumber(texts_.Text(kTextLabelSlot), i + 1));
    names_[i].SetQuickHelp(texts_.Text(TextQuickHelpSlotName(i)));
    windowsProfileOff_[i].SetQuickHelp(texts_.Text(kTextQuickHelpWindowsProfileOff));
    windowsProfileOn_[i].SetQuickHelp(texts_.Text(kTextQuickHelpWindowsProfileOn));
  }
  language_.SetQuickHelp(L" ");
  language_.SetLabel(texts_.Text(kTextLabelSelectLanguage));
  min_.SetQuickHelp(texts_.Text(kTextQuickHelpMin));
  exit_.SetQuickHelp(texts_.Text(kTextQuickHelpExit));
  ok_.SetQuickHelp(texts_.Text(kTextQuickHelpOk));
  ok_.SetLabel(texts_.Text(kTextLabelOk));
  apply_.SetQuickHelp(texts_.Text(kTextQuickHelpApply));
  apply_.SetLabel(texts_.Text(kTextLabelApply));
  cancel_.SetQuickHelp(texts_.Text(kTextQuickHelpCancel));
  cancel_.SetLabel(texts_.Text(kTextLabelCancel));
  for (auto& page : pages_) page->Relabel(texts_);
}

void COptionDlg::ChooseLanguage() {
  RECT button;
  ::GetWindowRect(language_.hwnd(), &button);
  const int chosen = LanguageChooser::Choose(hwnd_, {button.left, button.top - dpi_.Scale(289)}, installFolder_, dpi_);
  if (!IsLanguageIndex(chosen)) return;
  cycle_->working().config.QuickHelpLan = chosen;
  RefreshAll();
  LoadLanguage();
}

}  // namespace orvix
