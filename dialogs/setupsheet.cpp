#include "dialogs/setupsheet.h"

#include "dialogs/accessibletexts.h"
#include "dialogs/dialogframe.h"
#include "dialogs/setupcoverpage.h"
#include "dialogs/setupplayerpage.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavolux {

SetupSheet::SetupSheet(GameState& state, const QPixmap* pictures, const QPixmap* playerIcons, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("New Game"));
    useDialogFrame(this);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("setupTabs"));
    cover_ = new SetupCoverPage(state, playerIcons);
    tabs_->addTab(cover_, tr("Game Setup"));
    tabs_->setTabToolTip(0, tr("Who takes part, the animation speed and the sound"));
    for (int p = 0; p < PlayerCount; ++p) {
        players_[p] = new SetupPlayerPage(state, p, pictures, playerIcons != nullptr ? &playerIcons[p] : nullptr);
        tabs_->addTab(players_[p], tr("Player #%1").arg(p + 1));
        tabs_->setTabToolTip(p + 1, tr("Name, picture, board turning and computer play of player #%1").arg(p + 1));
    }
    tabs_->setCurrentIndex(0);
    showSeatPages(activeSeats(state));
    connect(cover_, &SetupCoverPage::seatsChanged, this, &SetupSheet::showSeatPages);
    connect(tabs_, &QTabWidget::currentChanged, this, &SetupSheet::pageBecameCurrent);

    // Ctrl+Tab turns the pages wherever the focus is, the buttons included.
    auto* nextPage = new QShortcut(QKeySequence::NextChild, this);
    connect(nextPage, &QShortcut::activated, this, [this] { stepPage(+1); });
    auto* previousPage = new QShortcut(QKeySequence::PreviousChild, this);
    connect(previousPage, &QShortcut::activated, this, [this] { stepPage(-1); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    AccessibleTexts::describeDialog(this);
}

void SetupSheet::pageBecameCurrent(int index)
{
    if (index >= 1 && index <= PlayerCount)
        players_[index - 1]->becameCurrent();
}

void SetupSheet::stepPage(int step)
{
    const int count = tabs_->count();
    int index = tabs_->currentIndex();
    do
        index = (index + step + count) % count;
    while (!tabs_->isTabVisible(index));
    tabs_->setCurrentIndex(index);
}

// The classic three seats keep their pages at the classic table, taking
// part or not; every other seat's page shows while the seat takes part.
void SetupSheet::showSeatPages(unsigned seats)
{
    const bool classic = cover_->table() == Table::Classic;
    for (int p = 0; p < PlayerCount; ++p)
        tabs_->setTabVisible(p + 1, ((seats >> p) & 1u) != 0 || (classic && p < DesignSeatCount));
}

void SetupSheet::done(int result)
{
    if (result == QDialog::Accepted) {
        cover_->writeBack();
        for (SetupPlayerPage* page : players_) {
            if (page->opened())
                page->writeBack();
        }
    } else {
        cover_->restoreActive();
    }
    QDialog::done(result);
}

} // namespace tavolux
