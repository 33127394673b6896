#pragma once
// The Change Options dialog: the options that may change in the middle of a
// game (animation speed, sound, each player's automatic board re-position
// and preferred view) and the background wallpaper. The options are copied
// in when the dialog opens and written back only on OK; the wallpaper arrows
// change the dialog's wallpaper index at once, and the caller applies it
// whatever the dialog's result.

#include "model/gamestate.h"

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPixmap;
class QPushButton;
class QRadioButton;

namespace tavolux {

class WallpaperPreview;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Edits the options of `state` (written on OK only). The wallpaper
    // arrows change wallpaperIndex() at once, whatever the result; the
    // caller applies it after exec(). wallpapers: the three wallpaper tiles; playerIcons: the six icons. The
    // classic table shows its three players; a bigger table the players taking
    // part, in two columns.
    OptionsDialog(GameState& state, int wallpaperIndex, const QPixmap* wallpapers, const QPixmap* playerIcons,
                  QWidget* parent);
    int wallpaperIndex() const { return wallpaperIndex_; }

private:
    struct PlayerControls {
        QCheckBox* reposition = nullptr;
        QLabel* viewLabel = nullptr;
        QComboBox* view = nullptr;
    };

    QGroupBox* buildAnimationGroup();
    QGroupBox* buildPlayerGroup(int player, const QPixmap* icon);
    void applyEnablingRule(int player);
    void stepWallpaper(int step);
    void writeOptions();

    GameState& state_;
    int wallpaperIndex_ = 0;
    const QPixmap* wallpapers_ = nullptr;
    QRadioButton* smooth_ = nullptr;
    QRadioButton* flickery_ = nullptr;
    QCheckBox* sound_ = nullptr;
    WallpaperPreview* preview_ = nullptr;
    QPushButton* ok_ = nullptr;
    PlayerControls players_[PlayerCount]; // a group for each seat shown

};

} // namespace tavolux
