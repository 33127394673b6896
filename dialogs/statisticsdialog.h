#pragma once
// The Statistics window: each player's figures in a table the player sorts
// by clicking a heading, games with persons on the first tab and games
// among computers only on the second. "Clear" asks first, then hands the
// emptying over to the owner of the statistics (clearConfirmed), who saves
// and shows the empty figures with setStatistics.

#include "model/statistics.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace tavolux {

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // The columns of both tables.
    // The fourth to sixth places show only on a tab where somebody took one.
    enum Column { PlayerColumn, KindColumn, GamesColumn, FirstColumn, SecondColumn, ThirdColumn, FourthColumn,
                  FifthColumn, SixthColumn, AbandonedColumn, AverageColumn, BestColumn, ColumnCount };

    StatisticsDialog(const Statistics& statistics, QWidget* parent);

    void setStatistics(const Statistics& statistics);
    // A line under the tables about the file (damaged, not saved); empty
    // hides it.
    void setNote(const QString& note);

    // The shown kind of a player: "Person", "Computer (Expert)", ...
    static QString kindText(PlayerKind kind);

Q_SIGNALS:
    void clearConfirmed();

private:
    QWidget* buildPage(QTableWidget*& table, QStackedWidget*& stack, const QString& name);
    void fill(QTableWidget* table, QStackedWidget* stack, const PlayerTable& players);
    void askToClear();

    QTabWidget* tabs_ = nullptr;
    QTableWidget* tables_[2] = {nullptr, nullptr};
    QStackedWidget* stacks_[2] = {nullptr, nullptr};
    QLabel* note_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace tavolux
