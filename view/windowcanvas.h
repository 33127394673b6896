#pragma once
// The main window's client area. A paint composes the area in an
// off-screen picture, kept for the whole run, and shows it in one copy, so
// the window never shows a half-drawn state. Animations draw their frames
// into the same picture and show it without composing it again. The canvas
// remembers what the picture shows: refresh() draws again only the part
// that differs from the scene (a piece moved, the last moves changed), while
// update() and repaint() of the whole area compose all of it.

#include "view/windowpainter.h"

#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <vector>
#include <optional>

namespace tavolux {

class WindowCanvas : public QWidget {
    Q_OBJECT
public:
    explicit WindowCanvas(QWidget* parent = nullptr);

    void setScene(const WindowScene& scene) { scene_ = scene; }
    const WindowScene& scene() const { return scene_; }

    // The last composed image of the client area (device pixels at the
    // screen's ratio; draw into it in logical coordinates).
    QPixmap& picture();
    // Draws into the picture and shows it at once, without recomposing;
    // `area` is where it draws (an empty one: anywhere), composed again at
    // the next paint that composes.
    void drawFrame(const std::function<void(QPainter&)>& draw, const QRect& area = QRect());
    // Shows the scene as it is, composing and copying only what differs from
    // the picture: later from the event loop, or at once.
    void refresh();
    void repaintChanged();
    // The part of the picture that does not show the scene as it is.
    QRegion changedArea() const;
    // While held, paints show the last composed picture as it is: a piece
    // floating over the board uncovers the board from that picture, never
    // from a new composition. Releasing it recomposes at the next paint.
    // `marks` (a flash drawn over the board) are drawn again over the new
    // composition when the window's size changes while the picture is held.
    void holdPicture(bool hold, std::function<void(QPainter&)> marks = {});
    bool pictureHeld() const { return held_; }
    // Drawn over the picture on every paint, in logical coordinates, and
    // never into it (the marks of a piece in the hand, the keys' focus
    // ring), in the order added.
    void addOverlay(std::function<void(QPainter&)> draw) { overlays_.push_back(std::move(draw)); }

Q_SIGNALS:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ensurePicture();
    void compose(const QRegion& area);

    WindowScene scene_;
    QPixmap picture_;
    std::optional<SceneShown> shown_; // what the picture shows, outside stale_
    QRegion stale_;                   // drawn over by frames
    bool composeOnPaint_ = true;
    bool held_ = false;
    std::function<void(QPainter&)> heldMarks_;
    std::vector<std::function<void(QPainter&)>> overlays_;
};

} // namespace tavolux
