#include "app/boardvoice.h"

#include "lang/gametexts.h"
#include "model/game.h"
#include "model/notation.h"
#include "view/boardkeys.h"
#include "view/windowcanvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace tavolux {

namespace {

BoardVoice* voiceOf(QWidget* board)
{
    return board != nullptr ? board->findChild<BoardVoice*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The news of the last move: a read-only text whose name is the move.
class MoveNews : public QAccessibleInterface {
public:
    explicit MoveNews(QWidget* board) : board_(board) {}

    bool isValid() const override { return board_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        const BoardVoice* voice = voiceOf(board_);
        if (t == QAccessible::Name)
            return voice ? voice->lastMove() : QString();
        if (t == QAccessible::Description)
            return BoardVoice::tr("The last move made");
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return board_ ? QRect(board_->mapToGlobal(QPoint(0, 0)), QSize(board_->width(), 1)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = board_ == nullptr || !board_->isVisible();
        return s;
    }

private:
    QPointer<QWidget> board_;
};

// The board: its widget children (the rotate buttons, a piece in the hand)
// and then the news of the last move.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::Canvas)
    {
        newsId_ = QAccessible::registerAccessibleInterface(new MoveNews(board));
    }
    ~BoardAccessible() override { QAccessible::deleteAccessibleInterface(newsId_); }

    QString text(QAccessible::Text t) const override
    {
        const BoardVoice* voice = voiceOf(widget());
        if (t == QAccessible::Name) {
            const QString ring = voice ? voice->ringText() : QString();
            //: The board's name for a screen reader while the keys' ring is hidden.
            return ring.isEmpty() ? BoardVoice::tr("Board") : ring;
        }
        if (t == QAccessible::Description)
            return BoardVoice::tr("The board. The arrow keys move a ring from hole to hole; Space or Enter picks up a "
                                  "piece and puts it down; Escape puts it back.");
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        return index == widgets ? QAccessible::accessibleInterface(newsId_) : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child == QAccessible::accessibleInterface(newsId_) ? QAccessibleWidget::childCount()
                                                                   : QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* news() const { return QAccessible::accessibleInterface(newsId_); }

private:
    QAccessible::Id newsId_ = 0;
};

QAccessibleInterface* makeBoardAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("tavolux::WindowCanvas") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void tell(QAccessibleEvent&& event)
{
    QAccessible::updateAccessibility(&event);
}

} // namespace

BoardVoice::BoardVoice(WindowCanvas& board, const Game& game, const BoardKeys& keys)
    : QObject(&board), board_(board), game_(game), keys_(keys)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeBoardAccessible);
        return true;
    }();
    (void)installed;
}

QString BoardVoice::ringText() const
{
    const int hole = keys_.ringHole();
    if (hole == NoHole)
        return {};
    const QString name = QString::fromStdString(holeName(hole));
    const GameState& s = game_.state();
    for (int k = 0; k < PieceCount; ++k) {
        if (s.pieces[k].hole != hole || s.pieces[k].owner == 0)
            continue;
        for (int p = 0; p < PlayerCount; ++p)
            if (s.slots[p].active && k >= s.slots[p].firstPiece && k < s.slots[p].firstPiece + PiecesPerPlayer)
                //: What a screen reader says of the hole under the keys' ring: its name and whose piece is there.
                return tr("%1, %2's piece").arg(name, GameTexts::shownName(s.slots[p].name));
    }
    //: What a screen reader says of the hole under the keys' ring when no piece is there.
    return tr("%1, empty").arg(name);
}

void BoardVoice::ringMoved()
{
    tell(QAccessibleEvent(&board_, QAccessible::NameChanged));
    if (keys_.ringHole() != NoHole)
        tell(QAccessibleEvent(&board_, QAccessible::Focus));
}

void BoardVoice::moveMade(const MadeMove* move)
{
    if (move == nullptr) {
        lastMove_.clear();
        return;
    }
    const QString name = GameTexts::shownName(game_.state().slots[move->player].name);
    //: What a screen reader says of a move: the mover's name and the move ("Silicon: m4-k4-i4").
    lastMove_ = tr("%1: %2").arg(name, QString::fromStdString(moveText(move->start, move->path)));
    auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board_));
    if (board == nullptr || board->news() == nullptr)
        return;
    tell(QAccessibleEvent(board->news(), QAccessible::NameChanged));
}

} // namespace tavolux
