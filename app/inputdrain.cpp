#include "app/inputdrain.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tavolux {

namespace {

// Swallows mouse events aimed at one window or any widget inside it.
class MouseSwallower : public QObject {
public:
    explicit MouseSwallower(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (!isMouseEvent(event->type()))
            return false;
        auto* widget = qobject_cast<QWidget*>(target);
        return widget && widget->window() == window_;
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

    QWidget* window_;
};

} // namespace

void discardQueuedMouseInput(QWidget* window)
{
    MouseSwallower swallower(window);
    QCoreApplication::instance()->installEventFilter(&swallower);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&swallower);
}

} // namespace tavolux
