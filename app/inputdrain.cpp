#include "app/inputdrain.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tavolux {

namespace {

// Swallows mouse and keyboard events aimed at one window or any widget
// inside it. Keys go too: a shortcut typed while the program was busy must
// not start a command in the middle of a turn.
class InputSwallower : public QObject {
public:
    explicit InputSwallower(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (!isInputEvent(event->type()))
            return false;
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget || widget->window() != window_)
            return false;
        // An accepted override keeps the shortcut from firing.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        return true;
    }

private:
    static bool isInputEvent(QEvent::Type type)
    {
        switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
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

    QWidget* window_;
};

} // namespace

void discardQueuedMouseInput(QWidget* window)
{
    InputSwallower swallower(window);
    QCoreApplication::instance()->installEventFilter(&swallower);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&swallower);
}

} // namespace tavolux
