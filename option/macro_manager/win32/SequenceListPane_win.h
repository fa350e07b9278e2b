// The sequence list editor of the macro manager: the press, release and delay rows of the
// selected macro, recording from the keyboard, the context menu's edits, delay recording
// and the loop count. It edits its own copy of the events and tells the manager after
// every change, which writes them into the working copy.
#pragma once

#include <memory>
#include <vector>

#include "InPlaceEdit_win.h"
#include "InsetLabelButton_win.h"
#include "KeyboardCapture_win.h"
#include "KeyboardLayout_win.h"
#include "SkinPane_win.h"
#include "macro_manager/SequenceEditor.h"

namespace orvix {

class SequenceListOwner {
 public:
  virtual ~SequenceListOwner() = default;
  virtual void OnSequenceEdited(const MacroSequence& sequence) = 0;
  virtual void OnLoopEdited(std::int32_t loopCount) = 0;
  // Recording started or stopped: the manager's buttons are disabled meanwhile.
  virtual void OnRecording(bool recording) = 0;
  // A command that needs a macro, with none selected.
  virtual void OnMacroNeeded() = 0;
  // The user confirms a delete that leaves a key down until the macro's end.
  virtual bool ConfirmUnbalancingDelete() = 0;
};

class SequenceListPane final : public SkinPane {
 public:
  SequenceListPane(const FormDialogSetup& setup, SequenceListOwner& owner);

  // The selected macro, or none; the last row is selected.
  void Load(const MacroRecord* macro);
  bool recording() const { return capture_ != nullptr; }
  void StopRecording();

  // What tests and the screenshots reach: the rows as shown.
  const std::vector<SequenceRow>& rows() const { return rows_; }

 private:
  void Build() override;
  void OnCommand(HWND sender, WORD id, WORD code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  void StartRecording(SequenceEditor::RecordPlace place);
  void OnCapturedKey(const CapturedKey& key);
  void ShowContextMenu(POINT screen);
  void RunContextCommand(int command);
  void EditDelay(int row);
  // After a change: the list again (keeping its top row), the owner told.
  void Changed();
  void Rebuild(bool keepTop, int select);
  int SelectedRow() const;
  void ShowRecordingLook();
  void ShowLoop();
  void OnLoopTyped();
  void DrawRow(const DRAWITEMSTRUCT& item) const;

  SequenceListOwner& owner_;
  SequenceEditor editor_;
  std::vector<SequenceRow> rows_;
  ActiveKeyboardLayout layout_;
  std::unique_ptr<KeyboardCapture> capture_;
  InPlaceEdit delayEdit_;
  HWND list_ = nullptr;
  HWND times_ = nullptr;
  bool showingLoop_ = false;  // the field is being rewritten, not typed
  SkinLabel caption_, delaysHint_, timesLabel_, hint_;
  // The record button's dot, the switches' toggles take their left ends.
  InsetLabelButton record_{24}, delays_{30}, loop_{22};
  ButtonImages recordNormal_, recordRecording_;
  std::vector<SkinBitmap> icons_;  // by row kind: press, release, mouse button, delay
  FontRef menuFont_;
};

}  // namespace orvix
