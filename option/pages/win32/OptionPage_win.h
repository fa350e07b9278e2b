// A page of the main dialog: a modeless child dialog at the page rectangle that paints its
// own art, owns its controls, shows the current profile of the working copy (Refresh) and
// takes its texts from the language library (Relabel). Each page is one subclass.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "CompanionDevice.h"
#include "DpiScale.h"
#include "FormDialog_win.h"
#include "LanguageLibrary_win.h"
#include "SharedDataBlock.h"
#include "SkinControl_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"
#include "apply/ApplyPorts.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroManagerSession.h"
#include "timers/TimerList.h"

namespace orvix {

// Posted by a page to the main dialog: the light of a profile changed, repaint the slot
// colour swatches.
inline constexpr UINT WM_OPT_SLOT_COLORS_CHANGED = 1134;

// What a page needs from the main dialog.
class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual SharedDataBlock& Working() = 0;
  // The copy last handed to the monitor (at start: the one read from the block or files),
  // i.e. what the mouse and Windows have now.
  virtual const SharedDataBlock& Applied() const = 0;
  virtual const std::string& InstallFolder() const = 0;
  virtual const DpiScale& Dpi() const = 0;
  virtual QuickHelpSink QuickHelp() = 0;

  // The main dialog's window: owner of the pages' dialogs, receiver of their notices
  // (WM_OPT_SLOT_COLORS_CHANGED and the like).
  virtual HWND Frame() const = 0;
  // The texts of the interface language, and Arial in its script (height in 96-DPI pixels).
  virtual const LanguageLibrary& Texts() const = 0;
  virtual FontRef Font(int height96, int weight = FW_NORMAL) const = 0;

  // The monitor's window exists / a message posted to it (false when it is absent).
  virtual bool MonitorPresent() = 0;
  virtual bool PostToMonitor(MonitorMessage message, WPARAM wParam, LPARAM lParam) = 0;
  // The lift-off and calibration switches to the monitor at once (the apply cycle's
  // tracking transfer); the message form posts `message` after writing. False, and nothing
  // written, when the monitor is absent.
  virtual bool TransferTracking() = 0;
  virtual bool TransferTracking(MonitorMessage message, LPARAM lParam) = 0;
  // Every page (and the frame) shows the working copy again.
  virtual void RefreshAll() = 0;
  // The factory reset, once the user confirmed it: the configuration of a fresh
  // installation (the device type and the statistics stay), the OSD settings' defaults,
  // every button marked changed; then the language again, everything refreshed, and an
  // apply with the reset flag.
  virtual void FactoryReset() = 0;

  // What the button page offers besides the profile: the macro library, the timers (saved
  // to "config\Timer.ini" after every change), the companion application's devices, and
  // the operating-system class (Aero Flip 3D is not offered on the XP family).
  virtual MacroLibrary& Macros() = 0;
  virtual TimerList& Timers() = 0;
  virtual bool SaveTimers() = 0;
  // The macro manager closed with OK: its working copy becomes the library, which is
  // saved, and the buttons that carry one of its macros take the edited copies.
  virtual void AcceptMacros(MacroManagerSession& session) = 0;
  virtual const CompanionDeviceList& Devices() const = 0;
  virtual int WindowsVersion() = 0;
  // How the pages open their small dialogs.
  virtual FormDialogSetup DialogSetup() const = 0;
};

class OptionPage {
 public:
  OptionPage(const OptionPage&) = delete;
  OptionPage& operator=(const OptionPage&) = delete;
  virtual ~OptionPage();

  // The page's window at `rect` (the parent's client pixels), hidden.
  bool Create(HWND parent, const PixelRect& rect, PageHost& host);
  HWND hwnd() const { return hwnd_; }
  void Show(bool visible);
  bool visible() const;

  // From the current profile of the working copy / the language's texts. A page makes its
  // controls when it is first shown (the program starts with one page); until then there
  // is nothing to refresh or relabel.
  void Refresh() {
    if (made_) OnRefresh();
  }
  void Relabel(const LanguageLibrary& texts) {
    if (made_) OnRelabel(texts);
  }

 protected:
  // `templateId` is the page's dialog template, `art` the name of its pictures in "Skin\".
  OptionPage(int templateId, const char* art) : templateId_(templateId), art_(art) {}

  // The page's own controls, made when the page is first shown.
  virtual void OnCreate() {}
  virtual void OnRefresh() {}
  virtual void OnRelabel(const LanguageLibrary& texts) { (void)texts; }
  // Drawn over the page's background while it paints.
  virtual void OnPaintOver(HDC dc) { (void)dc; }
  // Messages of the page besides painting; return true when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

  PageHost& host() const { return *host_; }
  // The page's state pictures, read on first use.
  const SkinImages& images() const;

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  int templateId_;
  const char* art_;
  HWND hwnd_ = nullptr;
  PageHost* host_ = nullptr;
  bool made_ = false;
  mutable std::unique_ptr<SkinImages> images_;
};

}  // namespace orvix
