#include "dialogs/setupcoverpage.h"

#include "dialogs/accessibletexts.h"

#include "dialogs/dialogunits.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavolux {

SetupCoverPage::SetupCoverPage(GameState& state, const QPixmap* playerIcons, QWidget* parent)
    : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("setupCover"));
    const QSize unit = dialogUnits(this, 4, 8); // one character cell

    auto* players = new QGroupBox(tr("Active Players"));
    players->setObjectName(QStringLiteral("activePlayers"));
    auto* playerRows = new QGridLayout(players);
    playerRows->setHorizontalSpacing(unit.width());
    for (int p = 0; p < DesignSeatCount; ++p) {
        auto* icon = new QLabel;
        icon->setObjectName(QStringLiteral("activeIcon%1").arg(p + 1));
        if (playerIcons != nullptr)
            icon->setPixmap(playerIcons[p]);
        active_[p] = new QCheckBox(tr("Player #%1").arg(p + 1));
        active_[p]->setObjectName(QStringLiteral("activePlayer%1").arg(p + 1));
        active_[p]->setChecked(state_.slots[p].active != 0);
        savedActive_[p] = state_.slots[p].active;
        connect(active_[p], &QCheckBox::clicked, this, [this, p] { playerClicked(p); });
        playerRows->addWidget(icon, p, 0);
        playerRows->addWidget(active_[p], p, 1);
    }
    playerRows->setColumnStretch(1, 1);
    ensureTwoPlayers();

    auto* speed = new QGroupBox(tr("Animation Speed"));
    speed->setObjectName(QStringLiteral("animationSpeed"));
    smooth_ = new QRadioButton(tr("Smooth (for fast PC)"));
    smooth_->setObjectName(QStringLiteral("smoothSpeed"));
    flickery_ = new QRadioButton(tr("Flickery (for slow PC)"));
    flickery_->setObjectName(QStringLiteral("flickerySpeed"));
    (state_.animationSpeed == 1 ? flickery_ : smooth_)->setChecked(true);
    auto* speedRows = new QVBoxLayout(speed);
    speedRows->addWidget(smooth_);
    speedRows->addWidget(flickery_);

    sound_ = new QCheckBox(tr("Sound"));
    sound_->setObjectName(QStringLiteral("sound"));
    sound_->setAccessibleDescription(AccessibleTexts::sound());
    sound_->setChecked(state_.soundEnabled != 0);

    auto* options = new QVBoxLayout;
    options->addWidget(speed);
    options->addSpacing(unit.height() / 2);
    auto* soundRow = new QHBoxLayout;
    soundRow->addSpacing(unit.width());
    soundRow->addWidget(sound_);
    soundRow->addStretch(1);
    options->addLayout(soundRow);
    options->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(players, 0, Qt::AlignTop);
    columns->addSpacing(2 * unit.width());
    columns->addLayout(options);
    columns->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(3 * unit.width(), 3 * unit.height() / 2, 3 * unit.width(), unit.height());
    page->addLayout(columns);
    page->addStretch(1);

    QWidget* const order[] = {active_[0], active_[1], active_[2], smooth_, flickery_, sound_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// A record with fewer than two players (only a doctored saved game holds
// one) opens with the first missing players taken back in.
void SetupCoverPage::ensureTwoPlayers()
{
    int checked = 0;
    for (const QCheckBox* box : active_)
        checked += box->isChecked() ? 1 : 0;
    for (int p = 0; p < DesignSeatCount && checked < 2; ++p) {
        if (active_[p]->isChecked())
            continue;
        active_[p]->setChecked(true);
        state_.slots[p].active = 1;
        ++checked;
    }
}

// A box may be cleared only while both other boxes are checked; otherwise
// its check mark comes straight back. Either way `active` follows the box.
void SetupCoverPage::playerClicked(int player)
{
    QCheckBox* box = active_[player];
    if (!active_[lowerOther(player)]->isChecked() || !active_[higherOther(player)]->isChecked())
        box->setChecked(true);
    state_.slots[player].active = box->isChecked() ? 1 : 0;
}

void SetupCoverPage::writeBack()
{
    for (int p = 0; p < DesignSeatCount; ++p)
        state_.slots[p].active = active_[p]->isChecked() ? 1 : 0;
    state_.animationSpeed = flickery_->isChecked() ? 1 : 0;
    state_.soundEnabled = sound_->isChecked() ? 1 : 0;
}

void SetupCoverPage::restoreActive()
{
    for (int p = 0; p < DesignSeatCount; ++p)
        state_.slots[p].active = savedActive_[p];
}

} // namespace tavolux
