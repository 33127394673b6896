#pragma once
// Placing a top-level window by its outer rectangle, frame included, as the
// remembered settings and the default layout describe it. The window
// manager tells the frame's size only once the window is shown (and again
// after it was maximised), so the placement is corrected when it does.

#include <QRect>
#include <QSize>

class QWidget;

namespace tavolux {

// Places a top-level window so that its outer rectangle, frame included, is
// `outer`. Where the frame is not known yet (the window is hidden or
// maximised) it is taken as empty, and the window is corrected once the
// window manager has told it.
void setOuterGeometry(QWidget& window, const QRect& outer);
// The same for a window that may be maximised or minimised: it is shown
// normally first.
void showNormalAt(QWidget& window, const QRect& outer);

// Where a window of `size` (frame included) goes beside the main window
// `main`, inside the screen's work area `work`: the top left corner of its
// frame. Tried first beside the main window, right of it, then left,
// below and above, slid along that side to clear `other` (another window
// to keep clear of, such as the referee; empty when there is none). Of the
// places that overlap neither, the one nearest the main window wins; where
// there is no such place, the one that covers the least of the two.
QPoint besideWindowPosition(const QRect& work, const QRect& main, const QRect& other, QSize size);

} // namespace tavolux
