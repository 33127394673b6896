#include "app/movelistwindow.h"

#include "lang/gametexts.h"
#include "model/movelist.h"
#include "model/notation.h"
#include "view/colours.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace tavolux {

namespace {

// A disc in the mover's colour, at the start of its rows.
QIcon moverMark(int player)
{
    QPixmap mark(12, 12);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colours::Outline);
    painter.setBrush(colours::player(player));
    painter.drawEllipse(QRectF(0.5, 0.5, 11, 11));
    return QIcon(mark);
}

} // namespace

MoveListWindow::MoveListWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool),
      rows_(new QListWidget),
      state_(new QLabel),
      back_(new QPushButton),
      play_(new QPushButton)
{
    setObjectName(QStringLiteral("moveList"));
    setWindowTitle(tr("Move List"));
    rows_->setObjectName(QStringLiteral("moveRows"));
    rows_->setUniformItemSizes(true);
    back_->setObjectName(QStringLiteral("backToGame"));
    back_->setText(tr("Back to the game"));
    play_->setObjectName(QStringLiteral("playFromHere"));
    //: Starts a game from the position of the game record shown.
    play_->setText(tr("Play from here"));
    state_->setObjectName(QStringLiteral("reviewState"));
    rows_->setAccessibleName(tr("Move List"));
    rows_->setAccessibleDescription(tr("Every move of the game; choosing one shows the board after it"));
    back_->setAccessibleDescription(tr("Shows the game's own position again"));
    play_->setAccessibleDescription(tr("Plays on from the position shown"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(rows_, 1);
    column->addWidget(state_);
    column->addWidget(play_);
    column->addWidget(back_);
    play_->hide();
    state_->hide();
    back_->setEnabled(false);
    resize(240, 320);
    rows_->viewport()->installEventFilter(this);
    if (owner != nullptr)
        owner->installEventFilter(this);

    connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0)
            Q_EMIT reviewRequested(row);
    });
    connect(back_, &QPushButton::clicked, this, &MoveListWindow::backToGame);
    connect(play_, &QPushButton::clicked, this, &MoveListWindow::playFromHere);
}

void MoveListWindow::showMoves(const GameState& state, const MoveList& list, int reviewed, bool ofRecord)
{
    filling_ = true;
    rows_->clear();
    //: The first row of the move list: the position before any move.
    rows_->addItem(tr("Start"));
    rows_->item(0)->setData(Qt::AccessibleDescriptionRole, tr("Choosing it shows the position before the first move"));
    const auto& moves = list.moves();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const RecordedMove& m = moves[i];
        const QString name = GameTexts::shownName(state.slots[m.player].name);
        const QString move = QString::fromStdString(moveText(m.start, m.path));
        //: A row of the move list: its number, the mover's name and the move.
        auto* row = new QListWidgetItem(moverMark(m.player), tr("%1. %2  %3").arg(i + 1).arg(name, move));
        row->setToolTip(name);
        if (!ofRecord && i >= list.current())
            markTakenBack(*row);
        row->setData(Qt::AccessibleDescriptionRole, tr("Choosing it shows the board after this move"));
        rows_->addItem(row);
    }
    const int live = ofRecord ? -1 : static_cast<int>(list.current());
    if (QListWidgetItem* now = rows_->item(live)) {
        QFont bold = now->font();
        bold.setBold(true);
        now->setFont(bold);
    }
    const int shown = reviewed >= 0 ? reviewed : live;
    rows_->setCurrentRow(shown);
    back_->setEnabled(reviewed >= 0);
    play_->setVisible(ofRecord);
    //: Below the move list while the board shows an earlier position.
    state_->setText(ofRecord ? tr("Game record: the board after move %1.").arg(reviewed)
                    : reviewed >= 0 ? tr("Reviewing: the board after move %1.").arg(reviewed)
                                    : QString());
    state_->setVisible(reviewed >= 0);
    // The line and the button shown beneath take their room from the list
    // now, so that the chosen row is scrolled to where it will be seen.
    layout()->activate();
    rows_->scrollToItem(rows_->currentItem());
    filling_ = false;
}

// A move taken back by Undo stays listed, greyed and in italics, until a
// new move takes its place: Redo brings it back.
void MoveListWindow::markTakenBack(QListWidgetItem& row) const
{
    row.setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
    QFont italic = row.font();
    italic.setItalic(true);
    row.setFont(italic);
    //: The tooltip of a move taken back by Undo: the mover's name, then this.
    row.setToolTip(tr("%1 (taken back: Redo plays it again)").arg(row.toolTip()));
}

void MoveListWindow::showWithOwner()
{
    QWidget* owner = parentWidget();
    if (owner == nullptr || (owner->windowHandle() != nullptr && owner->windowHandle()->isExposed())) {
        waitingForOwner_ = false;
        show();
        raise();
        return;
    }
    waitingForOwner_ = true;
    owner->winId(); // the owner's window exists from now on, to be watched
    owner->windowHandle()->installEventFilter(this);
}

void MoveListWindow::watchNeighbour(QWidget* neighbour)
{
    neighbour_ = neighbour;
    if (neighbour != nullptr)
        neighbour->installEventFilter(this);
}

void MoveListWindow::hideWindow()
{
    waitingForOwner_ = false;
    hide();
}

// A list made smaller (the window resized) keeps the chosen row in sight,
// once the list has taken in its new size. The window follows its owner:
// it appears once the owner is on the screen (if asked to), and stays above
// it when the owner is raised or activated, as an owned window does even
// where no window manager keeps the order.
bool MoveListWindow::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* owner = parentWidget();
    if (watched == rows_->viewport() && event->type() == QEvent::Resize) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (QListWidgetItem* current = rows_->currentItem())
                    rows_->scrollToItem(current);
            },
            Qt::QueuedConnection);
    } else if (owner != nullptr && watched == owner->windowHandle()) {
        if (event->type() == QEvent::Expose && owner->windowHandle()->isExposed()) {
            owner->windowHandle()->removeEventFilter(this);
            if (waitingForOwner_)
                showWithOwner();
        }
    } else if (watched == neighbour_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        Q_EMIT neighbourShownOrHidden();
    } else if (watched == owner && isVisible()
               && (event->type() == QEvent::ZOrderChange || event->type() == QEvent::WindowActivate)) {
        raise();
    }
    return QWidget::eventFilter(watched, event);
}

void MoveListWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Q_EMIT frameMayHaveChanged();
}

void MoveListWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    Q_EMIT frameMayHaveChanged();
}

void MoveListWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Q_EMIT frameMayHaveChanged();
}

void MoveListWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT backToGame();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tavolux
