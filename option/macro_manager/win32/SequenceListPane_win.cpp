#include "SequenceListPane_win.h"

#include <string>

#include "MacroListEditorLayout.h"
#include "PopupMenu_win.h"
#include "macro_manager/DecimalField.h"
#include "WideText_win.h"
#include "macro_manager/MacroManagerTexts.h"

namespace orvix {
namespace {

constexpr int kListId = 100;
constexpr int kRowHeight96 = 18;
constexpr int kIcon96 = 16;
constexpr int kLoopDigits = 3;
constexpr int kDelayDigits = 20;
constexpr COLORREF kRowText = RGB(226, 230, 236);
constexpr COLORREF kDelayText = RGB(150, 190, 230);
constexpr COLORREF kRowBackground = RGB(13, 15, 18);
constexpr COLORREF kSelectedBackground = RGB(40, 84, 130);

int IconOf(RowKind kind) {
  switch (kind) {
    case RowKind::kKeyPress: return 0;
    case RowKind::kKeyRelease: return 1;
    case RowKind::kMouseButton: return 2;
    case RowKind::kDelay: return 3;
  }
  return 0;
}

}  // namespace

SequenceListPane::SequenceListPane(const FormDialogSetup& setup, SequenceListOwner& owner)
    : SkinPane(setup, "macro_list_editor", kMacroListEditorLayout), owner_(owner) {}

void SequenceListPane::Build() {
  const ControlMaker& make = maker();
  make.Label(caption_, "label.sequence", Text(kTextSequenceCaption), true);
  list_ = make.List("sequence", kListId, kRowHeight96);
  make.Button(record_, "record", Text(kTextStartRecord));
  recordNormal_ = ButtonImages::Cut(images(), make.RectOf("record"));
  const ControlPlacement size = LayoutPlacements(kMacroListEditorLayout).Dialog();
  const SkinImages recording =
      SkinImages::Load(setup().installFolder, "macro_list_editor_recording", dpi(), size.Width(), size.Height());
  recordRecording_ = ButtonImages::Cut(recording, make.RectOf("record"));
  make.Button(delays_, "delays", Text(kTextRecordDelays), true, ButtonKind::kCheck);
  make.Label(delaysHint_, "label.delays", Text(kTextRecordDelaysHint), false, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  delaysHint_.SetColour(RGB(150, 158, 168));
  make.Button(loop_, "loop", Text(kTextLoop), true, ButtonKind::kCheck);
  times_ = make.Field("times", "1", kLoopDigits);
  make.Label(timesLabel_, "label.times", Text(kTextLoopTimes));
  make.Label(hint_, "label.hint", Text(kTextListHint), false, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  hint_.SetColour(RGB(150, 158, 168));
  menuFont_ = SkinFont::Create({L"Arial", 14}, dpi());
  if (auto strip = LoadSkinPicture(setup().installFolder, "macro_row_icons", dpi())) {
    const int size = dpi().Scale(kIcon96);
    for (int i = 0; i < 4; ++i)
      if (auto icon = strip->Cut({i * size, 0, (i + 1) * size, size})) {
        icon->DetectAlpha();
        icons_.push_back(std::move(*icon));
      }
  }
  Load(nullptr);
}

void SequenceListPane::Load(const MacroRecord* macro) {
  StopRecording();
  editor_.Load(macro);
  ShowLoop();
  Rebuild(false, -2);
}

// ---- recording ------------------------------------------------------------------------

void SequenceListPane::StartRecording(SequenceEditor::RecordPlace place) {
  if (!editor_.hasMacro()) return owner_.OnMacroNeeded();
  if (!editor_.StartRecording(place, SelectedRow(), rows_, delays_.checked())) return;
  capture_ = std::make_unique<KeyboardCapture>(hwnd());
  if (!capture_->active()) {
    capture_.reset();
    editor_.StopRecording();
    return;
  }
  ShowRecordingLook();
  ::EnableWindow(list_, FALSE);
  hint_.SetText(Text(kTextRecordingHint));
  owner_.OnRecording(true);
  if (place == SequenceEditor::RecordPlace::kReplace) Rebuild(false, -2);
}

void SequenceListPane::StopRecording() {
  // The capture tells whether this pane records: the recorder stops by itself when full.
  if (!capture_) return;
  capture_.reset();
  editor_.StopRecording();
  ShowRecordingLook();
  ::EnableWindow(list_, TRUE);
  hint_.SetText(Text(kTextListHint));
  owner_.OnRecording(false);
  Changed();
}

void SequenceListPane::OnCapturedKey(const CapturedKey& key) {
  const auto outcome = editor_.OnKey(key, layout_);
  if (outcome == MacroRecorder::Outcome::kIgnored) return;
  Rebuild(false, -2);
  if (outcome == MacroRecorder::Outcome::kFull) StopRecording();
}

void SequenceListPane::ShowRecordingLook() {
  const bool on = editor_.recording();
  record_.SetImages(on && recordRecording_.looks[0] ? recordRecording_ : recordNormal_);
  record_.SetLabel(Text(on ? kTextStopRecord : kTextStartRecord));
}

// ---- the list -------------------------------------------------------------------------

void SequenceListPane::Rebuild(bool keepTop, int select) {
  const LRESULT top = ::SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
  rows_ = editor_.Rows(layout_);
  ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  ::SendMessageW(list_, LB_INITSTORAGE, rows_.size(), rows_.size() * 24);
  for (const SequenceRow& row : rows_) {
    const LRESULT index = ::SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.text.c_str()));
    ::SendMessageW(list_, LB_SETITEMDATA, static_cast<WPARAM>(index), row.tag);
  }
  // -2: the last row, as after loading or recording.
  const int count = static_cast<int>(rows_.size());
  const int selected = select == -2 ? count - 1 : (select >= count ? count - 1 : select);
  if (keepTop && top != LB_ERR) ::SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list_, nullptr, TRUE);
}

int SequenceListPane::SelectedRow() const {
  const LRESULT row = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
  return row == LB_ERR || row >= static_cast<LRESULT>(rows_.size()) ? -1 : static_cast<int>(row);
}

void SequenceListPane::Changed() {
  Rebuild(true, SelectedRow());
  owner_.OnSequenceEdited(editor_.sequence());
}

void SequenceListPane::DrawRow(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const HBRUSH brush = ::CreateSolidBrush(selected ? kSelectedBackground : kRowBackground);
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= rows_.size()) return;
  const SequenceRow& row = rows_[item.itemID];
  const int pad = dpi().Scale(4);
  int x = r.left + pad + (row.isDelay() ? dpi().Scale(14) : 0);
  const std::size_t icon = static_cast<std::size_t>(IconOf(row.kind()));
  if (icon < icons_.size()) {
    icons_[icon].Draw(dc, x, r.top + (r.bottom - r.top - icons_[icon].height()) / 2);
    x += icons_[icon].width() + pad;
  }
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, row.isDelay() ? kDelayText : kRowText);
  const HGDIOBJ old = ::SelectObject(dc, FontOrDefault(textFont()));
  RECT text{x, r.top, r.right - pad, r.bottom};
  ::DrawTextA(dc, row.text.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  ::SelectObject(dc, old);
}

// ---- the context menu -----------------------------------------------------------------

void SequenceListPane::ShowContextMenu(POINT screen) {
  if (recording()) return;
  POINT inList = screen;
  ::ScreenToClient(list_, &inList);
  const LRESULT hit = ::SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y));
  if (HIWORD(hit) == 0 && LOWORD(hit) < rows_.size()) ::SendMessageW(list_, LB_SETCURSEL, LOWORD(hit), 0);
  PopupMenu menu({menuFont_, 140, dpi()});
  menu.AddItem(kCommandRecordBefore, Text(kTextMenuRecordBefore));
  menu.AddItem(kCommandRecordAfter, Text(kTextMenuRecordAfter));
  menu.AddItem(kCommandInsertDelay, Text(kTextMenuInsertDelay));
  PopupMenu& mouse = menu.AddSubmenu(Text(kTextMenuInsertMouse));
  const int buttons[] = {kTextMenuLeftButton, kTextMenuRightButton, kTextMenuWheel};
  for (int b = 0; b < 3; ++b) {
    PopupMenu& actions = mouse.AddSubmenu(Text(buttons[b]));
    const int kinds[] = {kTextMenuDown, kTextMenuUp, kTextMenuClick};
    for (int k = 0; k < 3; ++k) actions.AddItem(static_cast<UINT>(kCommandFirstMouseEvent + 3 * b + k), Text(kinds[k]));
  }
  menu.AddItem(kCommandEditDelay, Text(kTextMenuEditDelay));
  menu.AddItem(kCommandDelete, Text(kTextMenuDelete));
  if (const UINT command = menu.Track(hwnd(), screen)) RunContextCommand(static_cast<int>(command));
}

void SequenceListPane::RunContextCommand(int command) {
  if (!editor_.hasMacro()) return owner_.OnMacroNeeded();
  const int row = SelectedRow();
  bool changed = false;
  if (command == kCommandRecordBefore) return StartRecording(SequenceEditor::RecordPlace::kBefore);
  if (command == kCommandRecordAfter) return StartRecording(SequenceEditor::RecordPlace::kAfter);
  if (command == kCommandEditDelay) return EditDelay(row);
  if (command == kCommandInsertDelay) changed = editor_.InsertDelay(row, rows_);
  if (command >= kCommandFirstMouseEvent && command <= kCommandLastMouseEvent)
    changed = editor_.InsertMouseEvent(command, row, rows_);
  if (command == kCommandDelete) {
    if (row < 0) return;
    if (editor_.DeleteUnbalances(row, rows_) && !owner_.ConfirmUnbalancingDelete()) return;
    changed = editor_.Delete(row, rows_);
  }
  if (changed) Changed();
}

void SequenceListPane::EditDelay(int row) {
  if (row < 0 || !rows_[static_cast<std::size_t>(row)].isDelay()) return;
  const int event = rows_[static_cast<std::size_t>(row)].eventIndex();
  const std::string value = std::to_string(editor_.sequence().events[static_cast<std::size_t>(event)].delay);
  delayEdit_.Open(list_, row, value, kDelayDigits, textFont(), [this, row](bool committed, const std::string& text) {
    if (committed && editor_.EditDelay(row, rows_, text)) Changed();
  });
}

// ---- the loop -------------------------------------------------------------------------

void SequenceListPane::ShowLoop() {
  showingLoop_ = true;
  loop_.SetChecked(editor_.loopOn());
  ::SetWindowTextA(times_, std::to_string(editor_.loopTimes()).c_str());
  showingLoop_ = false;
}

void SequenceListPane::OnLoopTyped() {
  if (showingLoop_) return;
  const LoopField field = ReadLoopField(FieldText(times_));
  if (field.corrected) {
    showingLoop_ = true;
    ::SetWindowTextA(times_, field.text.c_str());
    ::SendMessageW(times_, EM_SETSEL, field.text.size(), field.text.size());
    showingLoop_ = false;
  }
  editor_.SetLoopTimes(field.value);
  if (editor_.hasMacro()) owner_.OnLoopEdited(editor_.storedLoopCount());
}

// ---- messages -------------------------------------------------------------------------

void SequenceListPane::OnCommand(HWND sender, WORD id, WORD code) {
  if (sender && sender == times_) {
    if (code == EN_CHANGE) OnLoopTyped();
    return;
  }
  if (sender == list_ || code != BN_CLICKED || !sender) return (void)id;
  if (sender == record_.hwnd()) {
    if (recording())
      StopRecording();
    else
      StartRecording(SequenceEditor::RecordPlace::kReplace);
  } else if (sender == loop_.hwnd()) {
    editor_.SetLoopOn(loop_.checked());
    if (editor_.hasMacro()) owner_.OnLoopEdited(editor_.storedLoopCount());
  }
  // Space and Enter must not click the buttons again: the list keeps the focus.
  if (!recording()) ::SetFocus(list_);
}

bool SequenceListPane::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_OPT_CAPTURED_KEY:
      OnCapturedKey(DecodeCapturedKey(wParam, lParam));
      return true;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(dpi().Scale(kRowHeight96));
      result = TRUE;
      return true;
    case WM_DRAWITEM:
      DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != list_) return false;
      ShowContextMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return true;
    case WM_DESTROY:
      capture_.reset();  // the hook never outlives the editor
      return false;
    default:
      return false;
  }
}

}  // namespace orvix
