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
        connect(active_[p], &QCheckBox::clicked, this, [this, p] { playerClicked(p); });
        playerRows->addWidget(icon, p, 0);
        playerRows->addWidget(active_[p], p, 1);
    }
    playerRows->setColumnStretch(1, 1);
    for (int p = 0; p < PlayerCount; ++p)
        savedActive_[p] = state_.slots[p].active;
    table_ = tableOf(state_);
    if (table_ == Table::Classic)
        for (int p = DesignSeatCount; p < PlayerCount; ++p)
            state_.slots[p].active = 0;
    ensureTwoPlayers();
    for (int p = 0; p < DesignSeatCount; ++p)
        classicBoxes_[p] = table_ == Table::Classic ? active_[p]->isChecked() : p < 2 || savedActive_[p] != 0;

    auto* table = new QGroupBox(tr("Table"));
    table->setObjectName(QStringLiteral("table"));
    const QString tableNames[TableCount] = {
        //: The classic table: players 1 to 3 chosen one by one below.
        tr("Two or three players"),
        //: Two players in the opposite points of the star.
        tr("Two players across"),
        //: Four players in two pairs of opposite points.
        tr("Four players"),
        tr("Six players")};
    const char* tableKeys[TableCount] = {"tableClassic", "tableTwoAcross", "tableFour", "tableSix"};
    auto* tableRows = new QGridLayout(table);
    for (int t = 0; t < TableCount; ++t) {
        tables_[t] = new QRadioButton(tableNames[t]);
        tables_[t]->setObjectName(QLatin1String(tableKeys[t]));
        tables_[t]->setChecked(static_cast<int>(table_) == t);
        connect(tables_[t], &QRadioButton::clicked, this, [this, t] { tableChosen(static_cast<Table>(t)); });
        tableRows->addWidget(tables_[t], t, 0);
    }
    star_ = new TableStar;
    star_->setAccessibleName(tr("The star, each playing point in its player's colour"));
    tableRows->addWidget(star_, 0, 1, TableCount, 1, Qt::AlignCenter);
    showSeats();

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

    auto* left = new QVBoxLayout;
    left->addWidget(table);
    left->addWidget(players);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(2 * unit.width());
    columns->addLayout(options);
    columns->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(3 * unit.width(), 3 * unit.height() / 2, 3 * unit.width(), unit.height());
    page->addLayout(columns);
    page->addStretch(1);

    QWidget* const order[] = {tables_[0], tables_[1], tables_[2], tables_[3], active_[0], active_[1], active_[2],
                              smooth_,    flickery_,  sound_};
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
        if (table_ == Table::Classic)
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
    showSeats();
}

// Another table seats its own players at once; back at the classic table
// the boxes decide again.
void SetupCoverPage::tableChosen(Table table)
{
    if (table_ == Table::Classic)
        for (int p = 0; p < DesignSeatCount; ++p)
            classicBoxes_[p] = active_[p]->isChecked();
    if (table == Table::Classic && table_ != Table::Classic)
        for (int p = 0; p < DesignSeatCount; ++p)
            active_[p]->setChecked(classicBoxes_[p]);
    table_ = table;
    for (int p = 0; p < PlayerCount; ++p) {
        if (table == Table::Classic)
            state_.slots[p].active = p < DesignSeatCount && active_[p]->isChecked() ? 1 : 0;
        else
            state_.slots[p].active = (tableSeats(table) >> p) & 1u;
    }
    showSeats();
}

void SetupCoverPage::showSeats()
{
    // Another table's boxes show its seats among the classic three.
    for (int p = 0; p < DesignSeatCount; ++p) {
        active_[p]->setEnabled(table_ == Table::Classic);
        if (table_ != Table::Classic)
            active_[p]->setChecked(state_.slots[p].active != 0);
    }
    star_->setSeats(activeSeats(state_));
    Q_EMIT seatsChanged(activeSeats(state_));
}

void SetupCoverPage::writeBack()
{
    tableChosen(table_);
    state_.animationSpeed = flickery_->isChecked() ? 1 : 0;
    state_.soundEnabled = sound_->isChecked() ? 1 : 0;
}

void SetupCoverPage::restoreActive()
{
    for (int p = 0; p < PlayerCount; ++p)
        state_.slots[p].active = savedActive_[p];
}

} // namespace tavolux
