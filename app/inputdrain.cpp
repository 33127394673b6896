#include "app/inputdrain.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tavolux {

namespace {

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
        if (!isMouseEvent(event->type()))
            return false;
        auto* widget = qobject_cast<QWidget*>(target);
        if (widget == nullptr)
            return false;
        if (widget == board_ || board_->isAncestorOf(widget))
            return true;
        const QWidget* window = widget->window();
        return window->windowType() == Qt::Tool && window->parentWidget() == board_->window();
    }

private:
    static bool isMouseEvent(QEvent::Type type)
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

    QWidget* board_;
};

} // namespace

void sortQueuedInput(QWidget* board)
{
    BoardInputHold hold(board);
    QCoreApplication::processEvents();
}

BoardInputHold::BoardInputHold(QWidget* board) : swallower_(std::make_unique<BoardMouseSwallower>(board))
{
    QCoreApplication::instance()->installEventFilter(swallower_.get());
}

BoardInputHold::~BoardInputHold() { QCoreApplication::instance()->removeEventFilter(swallower_.get()); }

} // namespace tavolux
