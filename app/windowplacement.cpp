#include "app/windowplacement.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tavolux {

namespace {

QSize frameExtra(const QWidget& window)
{
    return window.frameGeometry().size() - window.geometry().size();
}

// Brings a window's outer rectangle, frame included, to its target once the
// window manager has told the frame's size: before the window is shown, and
// while it is maximised or coming back from that, the frame is not known,
// and the frame seen then (`unsettled`) is not taken for the real one. A
// frame that changes moves nothing inside the window, so besides the
// window's own events the keeper looks again a few times a second for a
// little while. Goes away when the window is where it should be; leaves
// alone a window someone has resized meanwhile.
class OuterGeometryKeeper : public QObject {
public:
    explicit OuterGeometryKeeper(QWidget& window) : QObject(&window), window_(window)
    {
        setObjectName(QStringLiteral("outerGeometryKeeper"));
        window.installEventFilter(this);
        poll_.setInterval(50);
        connect(&poll_, &QTimer::timeout, this, [this] {
            if (++polls_ > MaxPolls)
                poll_.stop();
            check();
        });
    }

    void aim(const QRect& outer, QSize asked, QSize unsettled)
    {
        outer_ = outer;
        asked_ = asked;
        unsettled_ = unsettled;
        corrections_ = 0;
        polls_ = 0;
        poll_.start();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            check();
            break;
        case QEvent::WindowStateChange:
            polls_ = 0;
            poll_.start();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr int MaxCorrections = 3;
    static constexpr int MaxPolls = 40;

    void check()
    {
        if (!window_.isVisible() || window_.windowState() != Qt::WindowNoState)
            return;
        const QSize extra = frameExtra(window_);
        if (extra == unsettled_ || extra.isNull() || window_.size() != asked_)
            return;
        if (window_.frameGeometry() == outer_ || ++corrections_ > MaxCorrections) {
            window_.removeEventFilter(this);
            poll_.stop();
            setObjectName(QString());
            deleteLater();
            return;
        }
        asked_ = outer_.size() - extra;
        window_.resize(asked_);
        window_.move(outer_.topLeft());
    }

    QWidget& window_;
    QRect outer_;
    QSize asked_;
    QSize unsettled_;
    QTimer poll_;
    int polls_ = 0;
    int corrections_ = 0;
};

OuterGeometryKeeper& keeperOf(QWidget& window)
{
    QObject* existing = window.findChild<QObject*>(QStringLiteral("outerGeometryKeeper"), Qt::FindDirectChildrenOnly);
    if (auto* keeper = dynamic_cast<OuterGeometryKeeper*>(existing))
        return *keeper;
    return *new OuterGeometryKeeper(window);
}

// Asks for the outer rectangle with the frame taken as `extra`, and lets the
// keeper put it right once the real frame is known.
void place(QWidget& window, const QRect& outer, QSize extra, QSize unsettled)
{
    const QSize asked = outer.size() - extra;
    keeperOf(window).aim(outer, asked, unsettled);
    window.resize(asked);
    window.move(outer.topLeft());
}

} // namespace

void setOuterGeometry(QWidget& window, const QRect& outer)
{
    const bool frameKnown = window.isVisible() && window.windowState() == Qt::WindowNoState;
    place(window, outer, frameKnown ? frameExtra(window) : QSize(0, 0), QSize(0, 0));
}

void showNormalAt(QWidget& window, const QRect& outer)
{
    if (window.windowState() == Qt::WindowNoState) {
        setOuterGeometry(window, outer);
        return;
    }
    const QSize unsettled = frameExtra(window);
    window.showNormal();
    place(window, outer, unsettled, unsettled);
}

} // namespace tavolux
