// The timeline editor of the macro manager: the selected macro's presses as bars, zoom and
// scrolling, Add (which takes the new bar's key from the keyboard) and Delete. The
// manager asks it for the events only when it was edited.
#pragma once

#include <memory>

#include "KeyboardCapture_win.h"
#include "KeyboardLayout_win.h"
#include "SkinPane_win.h"
#include "TimelineBand_win.h"
#include "macro_manager/Timeline.h"

namespace orvix {

class TimelineOwner {
 public:
  virtual ~TimelineOwner() = default;
  // Add waits for a key (true) or has it (false): the manager's buttons are disabled meanwhile.
  virtual void OnWaitingForKey(bool waiting) = 0;
  virtual void OnMacroNeeded() = 0;
};

class TimelinePane final : public SkinPane {
 public:
  TimelinePane(const FormDialogSetup& setup, TimelineOwner& owner);

  void Load(const MacroRecord* macro);
  // True once a bar was added, deleted, keyed or moved since Load.
  bool edited() const { return timeline_.edited(); }
  MacroSequence Events() const { return timeline_.ToEvents(); }
  bool DeleteSelectedBar();
  bool waitingForKey() const { return capture_ != nullptr; }
  void CancelKeyWait();

  const Timeline& timeline() const { return timeline_; }
  const TimelineBand& band() const { return band_; }

 private:
  void Build() override;
  void OnCommand(HWND sender, WORD id, WORD code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  void Add();
  void OnCapturedKey(const CapturedKey& key);
  void OnScroll(HWND bar, WORD request);
  void ShowScrollBars();
  void ShowStatus();

  TimelineOwner& owner_;
  Timeline timeline_;
  bool hasMacro_ = false;
  ActiveKeyboardLayout layout_;
  TimelineBand band_{timeline_, layout_};
  std::unique_ptr<KeyboardCapture> capture_;
  int waitingBar_ = -1;
  HWND vertical_ = nullptr, horizontal_ = nullptr;
  SkinLabel status_;
  SkinButton add_, delete_, zoomIn_, zoomOut_;
};

}  // namespace orvix
