#pragma once
// The main window's client area. Every paint composes the whole area in an
// off-screen picture, kept for the whole run, and shows it in one copy, so
// the window never shows a half-drawn state. Animations draw their frames
// into the same picture and show it without composing it again.

#include "view/windowpainter.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

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
    // Draws into the picture and shows it at once, without recomposing.
    void drawFrame(const std::function<void(QPainter&)>& draw);
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

private:
    void ensurePicture();

    WindowScene scene_;
    QPixmap picture_;
    bool composeOnPaint_ = true;
    bool held_ = false;
    std::function<void(QPainter&)> heldMarks_;
    std::vector<std::function<void(QPainter&)>> overlays_;
};

} // namespace tavolux
