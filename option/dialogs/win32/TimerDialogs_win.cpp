#include "TimerDialogs_win.h"

#include "dialogs/AssignmentDialogTexts.h"
#include "FixedText.h"
#include "SkinCombo_win.h"
#include "TextFormat.h"
#include "TimerEditorLayout.h"
#include "TimerNewLayout.h"
#include "WideText_win.h"
#include "macros/MacroRecord.h"
#include "timers/NewTimerRules.h"
#include "timers/TimerEditorModel.h"

namespace orvix {
namespace {

constexpr UINT kFirstTimerCommand = 1000;  // the editor's menu: 1000 + index

std::wstring TimerHint(const std::wstring& pattern) {
  return FormatWithNumber(FormatWithNumber(pattern, kTimerMinimumSeconds), kTimerMaximumSeconds);
}

class NewTimerDialog final : public FormDialog {
 public:
  NewTimerDialog(const FormDialogSetup& setup, const TimerList& timers, std::optional<TimerRecord>& result)
      : FormDialog(setup, "timer_new", kTimerNewLayout), timers_(timers), result_(result) {}

 private:
  void Build() override {
    Prepare(kNewTimerDialogTitle);
    Label(title_, "title", Text(kTextNewTimerTitle), true);
    Label(nameLabel_, "label.name", Text(kTextTimerName));
    Label(secondsLabel_, "label.seconds", Text(kTextTimerSeconds));
    Label(hint_, "label.hint", TimerHint(Text(kTextTimerHint)), false, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    hint_.SetColour(RGB(150, 158, 168));
    name_ = Field("name", "", kTypedNameLength);
    Number(seconds_, "seconds", kTimerMinimumSeconds, kTimerMaximumSeconds, kTimerMinimumSeconds);
    StandardButtons();
    ::SetFocus(name_);
  }

  void OnCommand(HWND sender, WORD id) override {
    if (IsOk(sender, id)) {
      const NewTimerCheck check = CheckNewTimer(timers_, FieldText(name_), seconds_.value());
      if (!check.accepted()) {
        // The rules stand under the fields; the name field takes the focus again.
        ::SetFocus(name_);
        ::SendMessageW(name_, EM_SETSEL, 0, -1);
        return;
      }
      result_ = check.timer;
      return End(IDOK);
    }
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  const TimerList& timers_;
  std::optional<TimerRecord>& result_;
  SkinLabel title_, nameLabel_, secondsLabel_, hint_;
  HWND name_ = nullptr;
  NumberBox seconds_;
};

class TimerEditorDialog final : public FormDialog {
 public:
  TimerEditorDialog(const FormDialogSetup& setup, TimerEditorModel& model)
      : FormDialog(setup, "timer_editor", kTimerEditorLayout), model_(model) {}

 private:
  void Build() override {
    Prepare(kTimerEditorDialogTitle);
    Label(title_, "title", Text(kTextTimerEditorTitle), true);
    Label(timerLabel_, "label.timer", Text(kTextTimerChoice));
    Label(nameLabel_, "label.name", Text(kTextTimerName));
    Label(secondsLabel_, "label.seconds", Text(kTextTimerSeconds));
    menuFont_ = SkinFont::Create({L"Arial", 15}, dpi());
    SkinButtonSetup combo;
    combo.parent = hwnd();
    combo.placement = PlacementOf("timers");
    combo.dpi = dpi();
    combo.font = textFont();
    timers_.Create(combo, ButtonImages::Cut(images(), dpi().Scale(combo.placement)), MenuStyle{menuFont_, 165, dpi()},
                   [this](PopupMenu& menu) {
                     const auto& list = model_.timers().timers();
                     for (std::size_t i = 0; i < list.size(); ++i)
                       menu.AddItem(kFirstTimerCommand + static_cast<UINT>(i), WideFromAnsi(FixedTextView(list[i].name)),
                                    static_cast<int>(i) == model_.selected());
                   });
    name_ = Field("name", "", kTypedNameLength);
    Number(seconds_, "seconds", kTimerMinimumSeconds, kTimerMaximumSeconds, kTimerMinimumSeconds);
    Button(save_, "save", Text(kTextTimerSave));
    Button(delete_, "delete", Text(kTextTimerDelete));
    StandardButtons();
    model_.Select(0);
    ShowSelection();
  }

  void ShowSelection() {
    const TimerRecord* selected = model_.timers().Find(model_.selected());
    timers_.SetLabel(selected ? WideFromAnsi(FixedTextView(selected->name)) : L"");
    ::SetWindowTextA(name_, model_.name().c_str());
    seconds_.SetValue(model_.seconds());
    save_.Enable(selected != nullptr);
    delete_.Enable(selected != nullptr);
  }

  void OnCommand(HWND sender, WORD id) override {
    if (!sender && id >= kFirstTimerCommand && id < kFirstTimerCommand + kMaxTimers) {
      model_.Select(id - kFirstTimerCommand);
      return ShowSelection();
    }
    if (sender && sender == save_.hwnd()) {
      model_.Save(FieldText(name_), seconds_.value());
      return ShowSelection();
    }
    if (sender && sender == delete_.hwnd()) {
      if (model_.selected() >= 0 && Ask(kTextTimerEditorTitle, Text(kTextTimerDeleteQuestion)) && model_.Delete())
        ShowSelection();
      return;
    }
    if (IsOk(sender, id)) {
      model_.Finish(FieldText(name_), seconds_.value());
      return End(IDOK);
    }
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  TimerEditorModel& model_;
  FontRef menuFont_;
  SkinLabel title_, timerLabel_, nameLabel_, secondsLabel_;
  SkinCombo timers_;
  HWND name_ = nullptr;
  NumberBox seconds_;
  SkinButton save_, delete_;
};

}  // namespace

std::optional<TimerRecord> RunNewTimerDialog(HWND owner, const FormDialogSetup& setup, const TimerList& timers) {
  std::optional<TimerRecord> result;
  if (!CanCreateTimer(timers)) return result;
  NewTimerDialog dialog(setup, timers, result);
  if (dialog.RunModal(owner) != IDOK) result.reset();
  return result;
}

std::optional<TimerList> RunTimerEditorDialog(HWND owner, const FormDialogSetup& setup, const TimerList& timers) {
  TimerEditorModel model(timers);
  TimerEditorDialog dialog(setup, model);
  if (dialog.RunModal(owner) != IDOK) return std::nullopt;
  return model.timers();
}

}  // namespace orvix
