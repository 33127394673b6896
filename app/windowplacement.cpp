#include "app/windowplacement.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <initializer_list>
#include <vector>

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

namespace {

long long overlapArea(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

// How far `r` lies from `main`, across and along (0 when they touch).
int gapBetween(const QRect& r, const QRect& main)
{
    const int dx = std::max({0, main.left() - r.right() - 1, r.left() - main.right() - 1});
    const int dy = std::max({0, main.top() - r.bottom() - 1, r.top() - main.bottom() - 1});
    return dx + dy;
}

} // namespace

QPoint besideWindowPosition(const QRect& work, const QRect& main, const QRect& other, QSize size)
{
    const int w = size.width(), h = size.height();
    const bool hasOther = !other.isEmpty();
    // The lines a side of the window may lie on: along the main window's
    // sides, along the other window's and along the work area's edges. The
    // first are tried first, right and top-aligned before the rest.
    std::vector<int> xs = {main.right() + 1, main.left() - w};
    std::vector<int> ys = {main.top()};
    if (hasOther) {
        xs.insert(xs.end(), {other.right() + 1, other.left() - w});
        ys.insert(ys.end(), {other.bottom() + 1, other.top() - h});
    }
    xs.insert(xs.end(), {main.left(), main.right() + 1 - w, work.left(), work.right() + 1 - w});
    ys.insert(ys.end(), {main.bottom() + 1 - h, main.bottom() + 1, main.top() - h, work.top(), work.bottom() + 1 - h});

    QPoint best;
    long long bestOverlap = -1;
    int bestGap = 0;
    for (int x : xs) {
        for (int y : ys) {
            const QPoint at(std::clamp(x, work.left(), std::max(work.left(), work.right() + 1 - w)),
                            std::clamp(y, work.top(), std::max(work.top(), work.bottom() + 1 - h)));
            const QRect r(at, size);
            const long long overlap = overlapArea(r, main) + (hasOther ? overlapArea(r, other) : 0);
            const int gap = gapBetween(r, main);
            if (bestOverlap < 0 || overlap < bestOverlap || (overlap == bestOverlap && gap < bestGap)) {
                best = at;
                bestOverlap = overlap;
                bestGap = gap;
            }
        }
    }
    return best;
}

} // namespace tavolux
