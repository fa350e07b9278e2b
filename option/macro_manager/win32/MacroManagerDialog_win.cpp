#include "MacroManagerDialog_win.h"

#include <memory>
#include <optional>

#include "FixedText.h"
#include "InPlaceEdit_win.h"
#include "MacroManagerLayout.h"
#include "MacroSetNameLayout.h"
#include "SequenceListPane_win.h"
#include "SkinCombo_win.h"
#include "TextFormat.h"
#include "TimelinePane_win.h"
#include "WideText_win.h"
#include "macro_manager/MacroManagerTexts.h"
#include "macros/MacroNameRules.h"

namespace orvix {
namespace {

constexpr int kMacroListId = 200;
constexpr int kRowHeight96 = 18;
constexpr UINT_PTR kFirstSetTimer = 1;  // an empty library asks for its first set by itself
constexpr UINT kFirstSetDelayMs = 100;
constexpr COLORREF kRowText = RGB(226, 230, 236);
constexpr COLORREF kRowBackground = RGB(13, 15, 18);
constexpr COLORREF kSelectedBackground = RGB(40, 84, 130);

class SetNameDialog final : public FormDialog {
 public:
  SetNameDialog(const FormDialogSetup& setup, std::optional<std::string>& result)
      : FormDialog(setup, "macro_set_name", kMacroSetNameLayout), result_(result) {}

 private:
  void Build() override {
    Prepare(kMacroSetNameTitle);
    Label(title_, "title", Text(kTextSetNameTitle), true);
    Label(label_, "label.name", Text(kTextSetNameLabel));
    Label(hint_, "label.hint", FormatWithNumber(Text(kTextSetNameHint), kTypedNameLength), false,
          DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    hint_.SetColour(RGB(150, 158, 168));
    name_ = Field("name", "", kTypedNameLength);
    StandardButtons();
    ::SetFocus(name_);
  }

  void OnCommand(HWND sender, WORD id) override {
    if (IsOk(sender, id)) {
      // Only a name that is left after trimming, and that the library can keep, is taken.
      result_ = TypedSetName(FieldText(name_));
      if (!result_) return (void)::SetFocus(name_);
      return End(IDOK);
    }
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  std::optional<std::string>& result_;
  SkinLabel title_, label_, hint_;
  HWND name_ = nullptr;
};

class MacroManagerDialog final : public FormDialog, SequenceListOwner, TimelineOwner {
 public:
  MacroManagerDialog(const FormDialogSetup& setup, MacroManagerSession& session, const MacroManagerRequest& request)
      : FormDialog(setup, "macro_manager", kMacroManagerLayout),
        request_(request),
        model_(session.working(), request.button),
        list_(setup, *this),
        timeline_(setup, *this) {}

 private:
  // ---- building ---------------------------------------------------------------------

  void Build() override {
    Prepare(kMacroManagerTitle);
    Label(title_, "title", Text(kTextManagerTitle), true);
    Label(setsCaption_, "label.sets", Text(kTextManagerSets));
    menuFont_ = SkinFont::Create({L"Arial", 14}, dpi());
    SkinButtonSetup combo;
    combo.parent = hwnd();
    combo.placement = PlacementOf("sets");
    combo.dpi = dpi();
    combo.font = textFont();
    sets_.Create(combo, ButtonImages::Cut(images(), dpi().Scale(combo.placement)), MenuStyle{menuFont_, 176, dpi()},
                 [this](PopupMenu& menu) { FillSetMenu(menu); });
    macros_ = maker().List("macros", kMacroListId, kRowHeight96);
    Button(new_, "new", Text(kTextManagerNew));
    Button(delete_, "delete", Text(kTextManagerDelete));
    Button(switch_, "switch", Text(kTextSwitchToTimeline));
    StandardButtons();
    list_.Create(hwnd(), PlacementOf("editor"));
    timeline_.Create(hwnd(), PlacementOf("editor"));
    list_.Show(true);

    model_.Open(request_.set);
    ShowSets();
    if (model_.needsFirstSet()) ::SetTimer(hwnd(), kFirstSetTimer, kFirstSetDelayMs, nullptr);
    ::SetFocus(macros_);
  }

  void FillSetMenu(PopupMenu& menu) const {
    for (const SetMenuEntry& entry : model_.SetMenu()) {
      menu.AddItem(static_cast<UINT>(entry.command), WideFromAnsi(entry.name), entry.marked);
      if (entry.separatorAfter) menu.AddSeparator();
    }
    menu.AddSeparator();
    menu.AddItem(kCommandAddSet, Text(kTextAddMacroSet));
    menu.AddItem(kCommandDeleteSet, Text(kTextDeleteMacroSet));
  }

  // ---- showing the selection ----------------------------------------------------------

  void ShowSets() {
    const MacroSet* set = model_.SelectedSet();
    sets_.SetLabel(set ? WideFromAnsi(set->name()) : L"");
    FillMacroList();
    LoadEditors();
  }

  void FillMacroList() {
    ::SendMessageW(macros_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(macros_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : model_.MacroNames())
      ::SendMessageA(macros_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    ::SendMessageW(macros_, LB_SETCURSEL, static_cast<WPARAM>(model_.selectedMacro()), 0);
    ::SendMessageW(macros_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(macros_, nullptr, TRUE);
  }

  void LoadEditors() {
    list_.Load(model_.SelectedMacro());
    timeline_.Load(model_.SelectedMacro());
  }

  // The timeline's bars become the macro's events only when a bar was edited.
  void WriteBackTimeline() {
    if (!timeline_.visible() || !timeline_.edited()) return;
    model_.WriteSequence(timeline_.Events());
    timeline_.Load(model_.SelectedMacro());
  }

  void EnableButtons(bool enabled) {
    for (SkinButton* button : {static_cast<SkinButton*>(&sets_), &new_, &delete_, &switch_}) button->Enable(enabled);
    EnableStandardButtons(enabled);
    ::EnableWindow(macros_, enabled);
  }

  // ---- sets ---------------------------------------------------------------------------

  void AddSet() {
    std::optional<std::string> name;
    SetNameDialog dialog(setup(), name);
    if (dialog.RunModal(hwnd()) != IDOK || !name) return;
    WriteBackTimeline();
    if (model_.AddSet(*name) >= 0) ShowSets();
  }

  void DeleteSet() {
    const MacroSet* set = model_.SelectedSet();
    if (!set) return Notice(kTextManagerTitle, Text(kTextNeedMacroSet));
    if (!Ask(kTextManagerTitle, FormatWithText(Text(kTextDeleteSetQuestion), WideFromAnsi(set->name())))) return;
    if (model_.DeleteSelectedSet()) ShowSets();
  }

  // ---- macros -------------------------------------------------------------------------

  void NewMacro() {
    if (!model_.SelectedSet()) return Notice(kTextManagerTitle, Text(kTextNeedMacroSet));
    if (!model_.CanAddMacro()) return;
    WriteBackTimeline();
    const LRESULT row = ::SendMessageA(macros_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    ::SendMessageW(macros_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    nameEdit_.Open(macros_, static_cast<int>(row), "", kTypedNameLength, textFont(),
                   [this](bool committed, const std::string& text) {
                     if (committed) model_.NewMacro(text);
                     FillMacroList();
                     LoadEditors();
                   });
  }

  void RenameMacro(int row) {
    const MacroSet* set = model_.SelectedSet();
    if (!set || row < 0 || row >= set->MacroCount()) return;
    const std::string name(FixedTextView(set->macros()[static_cast<std::size_t>(row)].name));
    nameEdit_.Open(macros_, row, name, kTypedNameLength, textFont(), [this, row](bool committed, const std::string& text) {
      if (committed) model_.RenameMacro(row, text);
      FillMacroList();
    });
  }

  void DeleteMacro() {
    const MacroRecord* macro = model_.SelectedMacro();
    if (!model_.SelectedSet()) return Notice(kTextManagerTitle, Text(kTextNeedMacroSet));
    if (!macro) return Notice(kTextManagerTitle, Text(kTextNeedMacro));
    const std::wstring name = WideFromAnsi(std::string(FixedTextView(macro->name)));
    if (!Ask(kTextManagerTitle, FormatWithText(Text(kTextDeleteMacroQuestion), name))) return;
    if (model_.DeleteSelectedMacro()) {
      FillMacroList();
      LoadEditors();
    }
  }

  void OnMacroSelected() {
    const LRESULT row = ::SendMessageW(macros_, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR || row == model_.selectedMacro()) return;
    WriteBackTimeline();
    model_.SelectMacro(static_cast<int>(row));
    LoadEditors();
  }

  void SwitchEditor() {
    if (timeline_.visible()) {
      WriteBackTimeline();
      list_.Load(model_.SelectedMacro());
      timeline_.Show(false);
      list_.Show(true);
      switch_.SetLabel(Text(kTextSwitchToTimeline));
    } else {
      timeline_.Load(model_.SelectedMacro());
      list_.Show(false);
      timeline_.Show(true);
      switch_.SetLabel(Text(kTextSwitchToList));
    }
  }

  void DrawMacroRow(const DRAWITEMSTRUCT& item) const {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const HBRUSH brush = ::CreateSolidBrush(selected ? kSelectedBackground : kRowBackground);
    ::FillRect(item.hDC, &item.rcItem, brush);
    ::DeleteObject(brush);
    if (item.itemID == static_cast<UINT>(-1)) return;
    char text[kMacroNameSize + 1] = {};
    if (::SendMessageA(macros_, LB_GETTEXTLEN, item.itemID, 0) > kMacroNameSize) return;
    ::SendMessageA(macros_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, kRowText);
    const HGDIOBJ old = ::SelectObject(item.hDC, FontOrDefault(textFont()));
    RECT r{item.rcItem.left + dpi().Scale(6), item.rcItem.top, item.rcItem.right - dpi().Scale(4), item.rcItem.bottom};
    ::DrawTextA(item.hDC, text, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(item.hDC, old);
  }

  // ---- the editors' owner -------------------------------------------------------------

  void OnSequenceEdited(const MacroSequence& sequence) override { model_.WriteSequence(sequence); }
  void OnLoopEdited(std::int32_t loopCount) override { model_.WriteLoopCount(loopCount); }
  void OnRecording(bool recording) override { EnableButtons(!recording); }
  void OnWaitingForKey(bool waiting) override { EnableButtons(!waiting); }
  void OnMacroNeeded() override {
    Notice(kTextManagerTitle, Text(model_.SelectedSet() ? kTextNeedMacro : kTextNeedMacroSet));
  }
  bool ConfirmUnbalancingDelete() override { return Ask(kTextManagerTitle, Text(kTextUnbalancingDelete)); }

  // ---- messages -----------------------------------------------------------------------

  void OnCommand(HWND sender, WORD id) override {
    // Enter and Escape neither confirm nor cancel the manager.
    if (!sender && (id == IDOK || id == IDCANCEL)) return;
    if (!sender && id >= kCommandFirstSet && id < kCommandFirstSet + kMaxMacroSets) {
      WriteBackTimeline();
      model_.SelectSet(id - kCommandFirstSet);
      return ShowSets();
    }
    if (!sender && id == kCommandAddSet) return AddSet();
    if (!sender && id == kCommandDeleteSet) return DeleteSet();
    if (!sender) return;
    if (sender == new_.hwnd()) return NewMacro();
    if (sender == delete_.hwnd()) return DeleteMacro();
    if (sender == switch_.hwnd()) return SwitchEditor();
    if (IsOk(sender, id)) {
      list_.StopRecording();
      timeline_.CancelKeyWait();
      WriteBackTimeline();
      return End(IDOK);
    }
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == macros_) {
          if (HIWORD(wParam) == LBN_SELCHANGE) OnMacroSelected();
          if (HIWORD(wParam) == LBN_DBLCLK)
            RenameMacro(static_cast<int>(::SendMessageW(macros_, LB_GETCURSEL, 0, 0)));
          return true;
        }
        return false;
      case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(dpi().Scale(kRowHeight96));
        return true;
      case WM_DRAWITEM:
        if (reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem != macros_) return false;
        DrawMacroRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return true;
      case WM_TIMER:
        if (wParam != kFirstSetTimer) return false;
        ::KillTimer(hwnd(), kFirstSetTimer);
        if (model_.needsFirstSet()) AddSet();
        return true;
      case WM_CLOSE:
        End(IDCANCEL);
        return true;
      default:
        return false;
    }
  }

  const MacroManagerRequest request_;
  MacroManagerModel model_;
  SequenceListPane list_;
  TimelinePane timeline_;
  InPlaceEdit nameEdit_;
  FontRef menuFont_;
  SkinLabel title_, setsCaption_;
  SkinCombo sets_;
  HWND macros_ = nullptr;
  SkinButton new_, delete_, switch_;
};

}  // namespace

bool RunMacroManager(HWND owner, const FormDialogSetup& setup, MacroManagerSession& session,
                     const MacroManagerRequest& request) {
  MacroManagerDialog dialog(setup, session, request);
  return dialog.RunModal(owner) == IDOK;
}

}  // namespace orvix
