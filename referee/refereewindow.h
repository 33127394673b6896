#pragma once
// The referee: a small brown head beside the main window whose eyes follow
// the mouse pointer and whose four lines of white text tell the players what
// is going on. It is one tool window owned by the main window, made hidden
// and shown or hidden by the main window. Its shape is cut by a window mask,
// so it draws its own small caption bar inside the top of the head; the
// head can be dragged by that bar.

#include "referee/refereegeometry.h"
#include "referee/refereetext.h"

#include <QFont>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QTimer>
#include <QWidget>

class QFontMetrics;
class QPainter;

namespace tavolux {

class RefereeWindow : public QWidget {
    Q_OBJECT
public:
    explicit RefereeWindow(QWidget* owner);

    // Stores the text of line 0..3 (other numbers are ignored) without
    // drawing it; see fitRefereeLine for texts longer than a line.
    void setLine(int line, const QString& text);
    QString line(int line) const;
    // Line 0..3 as it is drawn: in the face fitted to the head, cut with an
    // ellipsis where even the smallest face does not fit.
    QString shownLine(int line) const;
    // Sizes the head for a screen of the given size, as the window does for
    // its owner's screen when it is made.
    void fitScreen(QSize screen);
    // Draws the text lines at once (the program may be busy for a while
    // after, thinking) if one of them changed since they were last drawn.
    // Returns whether it drew.
    bool showText();
    // Turns the eyes toward the pointer. Unless forced, nothing happens when
    // the pointer has not moved since the last time. Returns whether it drew.
    bool updateEyes(bool force);

    // Shows the referee now, or as soon as its owner is shown when the owner
    // is still hidden, so that it never stands alone on the screen.
    void showWithOwner();
    // Moves the referee back inside the work area of its screen where it
    // stands out of it. It also does so by itself once a move has settled
    // (a move by hand included) for SettleTime milliseconds.
    void keepInsideScreen();

    QRegion shape() const { return shape_; }
    // The part of the window below the caption bar.
    QRect clientRect() const { return client_; }
    const RefereeFace& face() const { return face_; }
    // Current pupil centre of eye 0 (left) or 1 (right), client coordinates.
    QPoint pupil(int eye) const { return pupils_[eye]; }

    static constexpr int TimerInterval = 300;
    static constexpr int SettleTime = 400;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildShape(const RefereeOutline& outline);
    void aimPupils(QPoint pointer);
    QRect eyesRect() const;
    QRect textRect() const;
    QFont nominalTextFont() const;
    QFont fittedLineFont(int line, const QFont& nominal) const;
    QString elidedLine(int line, const QFont& font) const;
    int lineTop(int line) const;
    int lineRoom(int line, const QFontMetrics& metrics) const;
    int shapeWidthAt(int y) const;
    void paintOutline(QPainter& p) const;
    void paintCaption(QPainter& p) const;
    void paintEyes(QPainter& p) const;
    void paintText(QPainter& p) const;
    void onTick();

    RefereeText text_;
    QRegion shape_;
    QRect caption_;
    QRect client_;
    RefereeFace face_;
    QPoint pupils_[2];
    QPoint lastPointer_;
    bool pointerKnown_ = false;
    QTimer timer_;
    QTimer settle_;
    QPoint dragOffset_;
    bool dragging_ = false;
    bool showWithOwner_ = false;
};

} // namespace tavolux
