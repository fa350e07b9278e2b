#include "MediaPlayerDialog_win.h"

#include "dialogs/AssignmentDialogTexts.h"
#include "MediaPlayerLayout.h"
#include "SkinCombo_win.h"
#include "WideText_win.h"
#include "pages/buttons/MediaPlayers.h"

namespace orvix {
namespace {

using namespace button_page;

class MediaPlayerDialog final : public FormDialog {
 public:
  MediaPlayerDialog(const FormDialogSetup& setup, int& player)
      : FormDialog(setup, "media_player", kMediaPlayerLayout), player_(player) {}

 private:
  void Build() override {
    Prepare(kMediaPlayerDialogTitle);
    Label(title_, "title", Text(kTextMediaDialogTitle), true);
    Label(label_, "label.player", Text(kTextMediaLabel));
    menuFont_ = SkinFont::Create({L"Arial", 14}, dpi());
    SkinButtonSetup combo;
    combo.parent = hwnd();
    combo.placement = PlacementOf("player");
    combo.dpi = dpi();
    combo.label = WideFromAnsi(MediaPlayerName(player_));
    combo.font = textFont();
    combo_.Create(combo, ButtonImages::Cut(images(), dpi().Scale(combo.placement)), MenuStyle{menuFont_, 140, dpi()},
                  [this](PopupMenu& menu) {
                    for (int p = 0; p < kMediaPlayers; ++p)
                      menu.AddItem(static_cast<UINT>(CommandOfPlayer(p)), WideFromAnsi(MediaPlayerName(p)), p == player_);
                  });
    StandardButtons();
  }

  void OnCommand(HWND sender, WORD id) override {
    if (!sender)
      if (auto chosen = PlayerOfCommand(id)) {
        player_ = *chosen;
        combo_.SetLabel(WideFromAnsi(MediaPlayerName(player_)));
        return;
      }
    if (IsOk(sender, id)) return End(IDOK);
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  int& player_;
  FontRef menuFont_;
  SkinLabel title_, label_;
  SkinCombo combo_;
};

}  // namespace

bool RunMediaPlayerDialog(HWND owner, const FormDialogSetup& setup, int& player) {
  int chosen = ShownPlayer(player);
  MediaPlayerDialog dialog(setup, chosen);
  if (dialog.RunModal(owner) != IDOK) return false;
  player = chosen;
  return true;
}

}  // namespace orvix
