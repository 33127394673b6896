#include "dialogs/statisticsdialog.h"

#include "dialogs/accessibletexts.h"
#include "dialogs/dialogframe.h"
#include "dialogs/dialogunits.h"
#include "dialogs/playerchoices.h"
#include "lang/gametexts.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <limits>

namespace tavolux {

namespace {

// What a cell sorts by, beside what it shows.
constexpr int SortRole = Qt::UserRole;

// A cell that sorts by its number (figures) or, for text, by the user's
// language's order; cells of equal value keep the players in name order.
class SortedItem : public QTableWidgetItem {
public:
    SortedItem(const QString& text, const QVariant& key, const QString& tieBreak)
        : QTableWidgetItem(text), tieBreak_(tieBreak)
    {
        setData(SortRole, key);
    }

    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant mine = data(SortRole);
        const QVariant theirs = other.data(SortRole);
        const auto* item = dynamic_cast<const SortedItem*>(&other);
        const QString otherTie = item ? item->tieBreak_ : QString();
        if (mine.typeId() == QMetaType::QString) {
            const int order = QString::localeAwareCompare(mine.toString(), theirs.toString());
            return order != 0 ? order < 0 : QString::localeAwareCompare(tieBreak_, otherTie) < 0;
        }
        if (mine.toDouble() != theirs.toDouble())
            return mine.toDouble() < theirs.toDouble();
        return QString::localeAwareCompare(tieBreak_, otherTie) < 0;
    }

private:
    QString tieBreak_;
};

// A table as wide as its columns shown whole, the players' names up to a
// length most names stay under; longer ones are cut short, their full text
// in the tooltip.
class FigureTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    QSize sizeHint() const override
    {
        const QHeaderView* header = horizontalHeader();
        int width = 0;
        for (int c = 0; c < columnCount(); ++c) {
            int column = qMax(header->sectionSizeHint(c), sizeHintForColumn(c));
            if (c == StatisticsDialog::PlayerColumn)
                column = qBound(dialogUnits(this, 60, 0).width(), column, dialogUnits(this, 120, 0).width());
            width += column;
        }
        width += verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
        return QSize(width, QTableWidget::sizeHint().height());
    }
};

QString figureText(const QLocale& locale, int64_t value)
{
    return locale.toString(static_cast<qlonglong>(value));
}

} // namespace

QString StatisticsDialog::kindText(PlayerKind kind)
{
    switch (kind) {
    case PlayerKind::Person:
        //: A player played by a person at the mouse, not by the computer.
        return tr("Person");
    case PlayerKind::BeginnerComputer:
        //: A computer player; %1 is how well it plays (Beginner, Standard, Expert).
        return tr("Computer (%1)").arg(strengthName(Beginner));
    case PlayerKind::StandardComputer:
        return tr("Computer (%1)").arg(strengthName(Standard));
    case PlayerKind::ExpertComputer:
        return tr("Computer (%1)").arg(strengthName(Expert));
    }
    return {};
}

StatisticsDialog::StatisticsDialog(const Statistics& statistics, QWidget* parent) : QDialog(parent)
{
    //: The title of the window with each player's figures over the games played.
    setWindowTitle(tr("Statistics"));
    setObjectName(QStringLiteral("statisticsDialog"));
    useDialogFrame(this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("statisticsTabs"));
    //: Tab of the figures from games in which at least one person played.
    tabs_->addTab(buildPage(tables_[0], stacks_[0], QStringLiteral("persons")), tr("Games with &Persons"));
    //: Tab of the figures from games that computer players played among themselves.
    tabs_->addTab(buildPage(tables_[1], stacks_[1], QStringLiteral("computers")), tr("Games among Co&mputers"));
    for (int tab = 0; tab < tabs_->count(); ++tab)
        tabs_->setTabToolTip(tab, tr("Each player's results in these games"));

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("statisticsNote"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->hide();

    //: Button that empties every player's figures, after asking.
    clear_ = new QPushButton(tr("C&lear"), this);
    clear_->setObjectName(QStringLiteral("clearButton"));
    clear_->setAutoDefault(false);
    clear_->setAccessibleDescription(tr("Forgets every player's results, after asking"));
    connect(clear_, &QPushButton::clicked, this, &StatisticsDialog::askToClear);
    //: Button that closes the Statistics window.
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    const int buttonWidth = dialogUnits(this, 50, 0).width();
    for (QPushButton* button : {clear_, close})
        button->setMinimumWidth(buttonWidth);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    AccessibleTexts::describeDialog(this);

    setStatistics(statistics);
    // Room for every column and a dozen players, inside a 1024x768 screen.
    const QRect screenRoom = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(qBound(dialogUnits(this, 300, 0).width(), sizeHint().width(), qMin(screenRoom.width(), 1000)),
           qMin(dialogUnits(this, 0, 220).height(), screenRoom.height() - dialogUnits(this, 0, 30).height()));
}

QWidget* StatisticsDialog::buildPage(QTableWidget*& table, QStackedWidget*& stack, const QString& name)
{
    auto* page = new QWidget;
    stack = new QStackedWidget(page);
    stack->setObjectName(name + QStringLiteral("Stack"));

    //: Shown instead of the table while no game has been counted.
    auto* none = new QLabel(tr("No games have been counted yet."));
    none->setObjectName(name + QStringLiteral("Empty"));
    none->setAlignment(Qt::AlignCenter);
    stack->addWidget(none);

    table = new FigureTable(0, ColumnCount);
    table->setObjectName(name + QStringLiteral("Table"));
    const QString headings[ColumnCount] = {
        //: Column heading: the player's name.
        tr("Player"),
        //: Column heading: a person, or a computer and how well it plays.
        tr("Kind"),
        //: Column heading: the number of games played to the end.
        tr("Games"),
        //: Column heading: the number of games the player finished first.
        tr("1st"),
        //: Column heading: the number of games the player finished second.
        tr("2nd"),
        //: Column heading: the number of games the player finished third.
        tr("3rd"),
        //: Column heading: the number of games the player finished fourth.
        tr("4th"),
        //: Column heading: the number of games the player finished fifth.
        tr("5th"),
        //: Column heading: the number of games the player finished sixth.
        tr("6th"),
        //: Column heading: the number of games given up before their end.
        tr("Abandoned"),
        //: Column heading: the average number of moves it took to bring all ten pieces home.
        tr("Average moves"),
        //: Column heading: the fewest moves it took to bring all ten pieces home.
        tr("Best"),
    };
    const QString tips[ColumnCount] = {
        QString(),
        QString(),
        tr("Games played to the end"),
        tr("Games finished in first place"),
        tr("Games finished in second place"),
        tr("Games finished in third place"),
        tr("Games finished in fourth place"),
        tr("Games finished in fifth place"),
        tr("Games finished in sixth place"),
        tr("Games given up before their end: a new game or a saved one taken instead, or the program closed"),
        tr("The average number of moves it took to bring all ten pieces home"),
        tr("The fewest moves it took to bring all ten pieces home"),
    };
    for (int c = 0; c < ColumnCount; ++c) {
        auto* heading = new QTableWidgetItem(headings[c]);
        heading->setToolTip(tips[c]);
        table->setHorizontalHeaderItem(c, heading);
    }
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() * 3 / 2);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(PlayerColumn, QHeaderView::Stretch);
    header->setSortIndicatorShown(true);
    table->setSortingEnabled(true);
    table->sortByColumn(PlayerColumn, Qt::AscendingOrder);
    stack->addWidget(table);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(stack);
    return page;
}

void StatisticsDialog::setStatistics(const Statistics& statistics)
{
    fill(tables_[0], stacks_[0], statistics.withPersons);
    fill(tables_[1], stacks_[1], statistics.amongComputers);
    clear_->setEnabled(!statistics.empty());
}

void StatisticsDialog::fill(QTableWidget* table, QStackedWidget* stack, const PlayerTable& players)
{
    const QLocale shown = locale();
    const int sortColumn = table->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder order = table->horizontalHeader()->sortIndicatorOrder();
    table->setSortingEnabled(false);
    table->clearContents();
    table->setRowCount(static_cast<int>(players.size()));
    int row = 0;
    bool lowerPlaces = false;
    for (const auto& [key, f] : players) {
        const QString name = GameTexts::shownName(key.name);
        // Equal figures list the players by name, then by kind.
        const QString tie = name + QChar(0) + QString::number(static_cast<int>(key.kind));
        auto set = [&](int column, const QString& text, const QVariant& sortKey, Qt::Alignment align) {
            auto* item = new SortedItem(text, sortKey, tie);
            item->setTextAlignment(align | Qt::AlignVCenter);
            // A screen reader describes a figure by its column's tip.
            const QTableWidgetItem* heading = table->horizontalHeaderItem(column);
            item->setData(Qt::AccessibleDescriptionRole,
                          heading->toolTip().isEmpty() ? heading->text().remove(QLatin1Char('&')) : heading->toolTip());
            table->setItem(row, column, item);
            return item;
        };
        auto* player = set(PlayerColumn, name, name, Qt::AlignLeft);
        player->setToolTip(QStringLiteral("<qt>%1</qt>").arg(name.toHtmlEscaped()));
        set(KindColumn, kindText(key.kind), static_cast<int>(key.kind), Qt::AlignLeft);
        const int64_t counts[] = {f.games,     f.places[0], f.places[1], f.places[2],
                                  f.places[3], f.places[4], f.places[5], f.abandoned};
        static_assert(std::size(counts) == AbandonedColumn - GamesColumn + 1);
        for (int i = 0; i < static_cast<int>(std::size(counts)); ++i)
            set(GamesColumn + i, figureText(shown, counts[i]), static_cast<double>(counts[i]), Qt::AlignRight);
        for (int place = 3; place < PlayerCount; ++place)
            lowerPlaces = lowerPlaces || f.places[place] > 0;
        // Without a finish there is no average and no best; they sort
        // after every player who has them.
        const double none = std::numeric_limits<double>::infinity();
        const QString dash(QChar(0x2013));
        set(AverageColumn, f.hasMoves() ? shown.toString(f.averageMoves(), 'f', 1) : dash,
            f.hasMoves() ? f.averageMoves() : none, Qt::AlignRight);
        set(BestColumn, f.hasMoves() ? figureText(shown, f.bestMoves) : dash,
            f.hasMoves() ? static_cast<double>(f.bestMoves) : none, Qt::AlignRight);
        ++row;
    }
    for (int column : {FourthColumn, FifthColumn, SixthColumn})
        table->setColumnHidden(column, !lowerPlaces);
    table->setSortingEnabled(true);
    table->sortByColumn(sortColumn, order);
    stack->setCurrentIndex(players.empty() ? 0 : 1);
    // The table's size hint follows the names and figures; the layouts
    // around it learn of it now, not once the event loop runs.
    for (QWidget* w = table; w != nullptr && w != this; w = w->parentWidget())
        w->updateGeometry();
}

void StatisticsDialog::setNote(const QString& note)
{
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void StatisticsDialog::askToClear()
{
    QMessageBox box(QMessageBox::Question, tr("Statistics"),
                    tr("Do you want to clear the statistics of every player?  This cannot be undone."),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes)
        Q_EMIT clearConfirmed();
}

} // namespace tavolux
