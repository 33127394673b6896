#include "app/boardinputhush.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tavolux {

namespace {

bool isMouseEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

// Swallows mouse events aimed at the board or any widget on it, and those
// aimed at the tool windows its window owns (the referee): a press on the
// referee's caption made while the program was busy would start moving it
// from where the pointer has long left.
class BoardMouseSwallower : public QObject {
public:
    explicit BoardMouseSwallower(QWidget* board) : board_(board) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(target);
        if (!isMouseEvent(event->type()) || widget == nullptr || board_ == nullptr)
            return false;
        if (widget == board_ || board_->isAncestorOf(widget))
            return true;
        const QWidget* window = widget->window();
        return window->windowType() == Qt::Tool && window->parentWidget() == board_->window();
    }

private:
    QPointer<QWidget> board_;
};

// Input read while the program was busy reaches the widgets over the next
// passes of the event loop; the swallower stays for a few of them.
constexpr int HushedPasses = 3;

void endAfterPasses(QObject* swallower, int passes)
{
    QTimer::singleShot(0, swallower, [swallower, passes] {
        if (passes > 1)
            endAfterPasses(swallower, passes - 1);
        else
            swallower->deleteLater();
    });
}

} // namespace

void hushQueuedBoardInput(QWidget* board)
{
    auto* swallower = new BoardMouseSwallower(board);
    QCoreApplication::instance()->installEventFilter(swallower);
    endAfterPasses(swallower, HushedPasses);
}

} // namespace tavolux
