#include "dialogs/optionsdialog.h"

#include "dialogs/accessibletexts.h"
#include "dialogs/dialogframe.h"
#include "dialogs/dialogunits.h"
#include "dialogs/playerchoices.h"
#include "resources/programresources.h"
#include "view/windowpainter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace tavolux {

namespace {

constexpr int ViewCount = 6;

int wrapWallpaper(int index) { return ((index % WallpaperCount) + WallpaperCount) % WallpaperCount; }

QString numbered(const char* name, int player) { return QLatin1String(name) + QString::number(player + 1); }

} // namespace

// The wallpaper as the main window would lay it: whole tiles of the
// wallpaper's own size from the top-left corner, the last row and column
// cut off at the edge.
class WallpaperPreview : public QWidget {
public:
    explicit WallpaperPreview(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("wallpaperPreview"));
        setFixedSize(dialogUnits(this, 78, 50));
    }

    void setTile(const QPixmap* tile)
    {
        tile_ = tile;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        static const QPixmap none;
        QPainter painter(this);
        painter.setClipRect(rect());
        tileWallpaper(painter, rect(), tile_ != nullptr ? *tile_ : none);
    }

private:
    const QPixmap* tile_ = nullptr;
};

OptionsDialog::OptionsDialog(GameState& state, int wallpaperIndex, const QPixmap* wallpapers,
                             const QPixmap* playerIcons, QWidget* parent)
    : QDialog(parent), state_(state),
      wallpaperIndex_(wallpaperIndex >= 0 && wallpaperIndex < WallpaperCount ? wallpaperIndex : 0),
      wallpapers_(wallpapers)
{
    setWindowTitle(tr("Change Options"));
    useDialogFrame(this);

    // Left: speed, sound, the wallpaper with its arrows, OK and Cancel.
    sound_ = new QCheckBox(tr("Sound"), this);
    sound_->setObjectName(QStringLiteral("soundCheck"));
    sound_->setChecked(state.soundEnabled != 0);
    sound_->setAccessibleDescription(AccessibleTexts::sound());

    auto* previewFrame = new QFrame(this);
    previewFrame->setObjectName(QStringLiteral("wallpaperFrame"));
    previewFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    preview_ = new WallpaperPreview(previewFrame);
    auto* frameLayout = new QVBoxLayout(previewFrame);
    frameLayout->setContentsMargins(previewFrame->frameWidth(), previewFrame->frameWidth(),
                                    previewFrame->frameWidth(), previewFrame->frameWidth());
    frameLayout->addWidget(preview_);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    const std::pair<const char*, int> arrowButtons[2] = {{"wallpaperUpButton", -1}, {"wallpaperDownButton", 1}};
    for (const auto& [objectName, step] : arrowButtons) {
        auto* arrow = new QPushButton(step < 0 ? tr("/\\") : tr("\\/"), this);
        arrow->setObjectName(QLatin1String(objectName));
        arrow->setAutoDefault(false);
        arrow->setAccessibleName(step < 0 ? tr("Previous wallpaper") : tr("Next wallpaper"));
        arrow->setAccessibleDescription(tr("Changes the window's background at once"));
        arrow->setFixedSize(dialogUnits(this, 14, 0).width(), preview_->height() / 2 + previewFrame->frameWidth());
        connect(arrow, &QPushButton::clicked, this, [this, step = step] { stepWallpaper(step); });
        arrows->addWidget(arrow);
    }
    auto* wallpaperRow = new QHBoxLayout;
    wallpaperRow->setSpacing(0);
    wallpaperRow->addWidget(previewFrame);
    wallpaperRow->addLayout(arrows);
    wallpaperRow->addStretch();

    auto* wallpaperLabel = new QLabel(tr("[Background Wallpaper]"), this);
    wallpaperLabel->setObjectName(QStringLiteral("wallpaperLabel"));

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok_, &QPushButton::clicked, this, [this] {
        writeOptions();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* left = new QVBoxLayout;
    left->addWidget(buildAnimationGroup());
    left->addWidget(sound_);
    left->addSpacing(dialogUnits(this, 0, 4).height());
    left->addLayout(wallpaperRow);
    left->addWidget(wallpaperLabel);
    left->addStretch();
    left->addLayout(buttons);

    // Right: one group per player, three to a column.
    auto* right = new QGridLayout;
    const bool classic = usesOnlyDesignSeats(state_);
    int shown = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        if (classic ? p >= DesignSeatCount : state_.slots[p].active == 0)
            continue;
        right->addWidget(buildPlayerGroup(p, playerIcons != nullptr ? &playerIcons[p] : nullptr), shown % 3, shown / 3);
        ++shown;
    }

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(dialogUnits(this, 8, 0).width());
    layout->addLayout(left);
    layout->addLayout(right);

    preview_->setTile(wallpapers_ != nullptr ? &wallpapers_[wallpaperIndex_] : nullptr);
    for (int p = 0; p < PlayerCount; ++p)
        if (players_[p].reposition != nullptr)
            applyEnablingRule(p);
    AccessibleTexts::describeDialog(this);
}

QGroupBox* OptionsDialog::buildAnimationGroup()
{
    auto* group = new QGroupBox(tr("Animation Speed"), this);
    group->setObjectName(QStringLiteral("animationGroup"));
    smooth_ = new QRadioButton(tr("Smooth (for fast PC)"), group);
    smooth_->setObjectName(QStringLiteral("smoothRadio"));
    flickery_ = new QRadioButton(tr("Flickery (for slow PC)"), group);
    flickery_->setObjectName(QStringLiteral("flickeryRadio"));
    (state_.animationSpeed == 1 ? flickery_ : smooth_)->setChecked(true);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(smooth_);
    layout->addWidget(flickery_);
    return group;
}

// The player's icon beside its re-position check box and, under the box,
// the list of views.
QGroupBox* OptionsDialog::buildPlayerGroup(int player, const QPixmap* icon)
{
    const PlayerSlot& slot = state_.slots[player];
    auto* group = new QGroupBox(tr("Player #%1").arg(player + 1), this);
    group->setObjectName(numbered("playerGroup", player));
    group->setMinimumWidth(dialogUnits(this, 132, 0).width());

    auto* iconLabel = new QLabel(group);
    iconLabel->setObjectName(numbered("playerIcon", player));
    iconLabel->setFixedSize(32, 32);
    if (icon != nullptr)
        iconLabel->setPixmap(*icon);

    PlayerControls& c = players_[player];
    c.reposition = new QCheckBox(tr("Automatic board re-position"), group);
    c.reposition->setObjectName(numbered("repositionCheck", player));
    c.reposition->setChecked(slot.autoReposition != 0);
    c.reposition->setAccessibleDescription(AccessibleTexts::autoReposition());
    c.viewLabel = new QLabel(tr("Preferred view of home region:"), group);
    c.viewLabel->setObjectName(numbered("viewLabel", player));
    c.view = new QComboBox(group);
    c.view->setObjectName(numbered("viewList", player));
    for (int view = 0; view < ViewCount; ++view)
        c.view->addItem(viewName(view));
    c.view->setCurrentIndex(slot.preferredView >= 0 && slot.preferredView < ViewCount ? slot.preferredView : 0);
    c.view->setMinimumWidth(dialogUnits(this, 56, 0).width());
    c.viewLabel->setBuddy(c.view);
    c.view->setAccessibleDescription(AccessibleTexts::preferredView());
    connect(c.reposition, &QCheckBox::toggled, this, [this, player] { applyEnablingRule(player); });

    auto* layout = new QGridLayout(group);
    layout->setHorizontalSpacing(dialogUnits(this, 6, 0).width());
    layout->addWidget(iconLabel, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(c.reposition, 0, 1);
    layout->addWidget(c.viewLabel, 1, 1);
    layout->addWidget(c.view, 2, 1, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    return group;
}

// A player outside the game has both controls off; otherwise the list
// follows the check box.
void OptionsDialog::applyEnablingRule(int player)
{
    const PlayerControls& c = players_[player];
    const bool active = state_.slots[player].active != 0;
    const bool listOn = active && c.reposition->isChecked();
    c.reposition->setEnabled(active);
    c.view->setEnabled(listOn);
    c.viewLabel->setEnabled(listOn);
}

void OptionsDialog::stepWallpaper(int step)
{
    ok_->setFocus();
    wallpaperIndex_ = wrapWallpaper(wallpaperIndex_ + step);
    preview_->setTile(wallpapers_ != nullptr ? &wallpapers_[wallpaperIndex_] : nullptr);
}

void OptionsDialog::writeOptions()
{
    state_.animationSpeed = flickery_->isChecked() ? 1 : 0;
    state_.soundEnabled = sound_->isChecked() ? 1 : 0;
    for (int p = 0; p < PlayerCount; ++p) {
        if (players_[p].reposition == nullptr)
            continue;
        state_.slots[p].autoReposition = players_[p].reposition->isChecked() ? 1 : 0;
        state_.slots[p].preferredView = std::max(0, players_[p].view->currentIndex());
    }
}

} // namespace tavolux
