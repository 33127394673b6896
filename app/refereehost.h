#pragma once
// The referee beside the main window: made with it, placed beside it at
// 89 % of its width and 20 % of its height (inside the screen's work area),
// given its four lines, and shown or hidden by the View menu.

#include <QPointer>

class QWidget;

namespace tavolux {

class RefereeWindow;
struct RefereeLines;

class RefereeHost {
public:
    // The referee is made hidden, owned by `owner`.
    explicit RefereeHost(QWidget& owner);

    RefereeWindow* window() const;
    // Places it beside the owner, whose client area is `client`.
    void place(const QWidget& client);
    void showLines(const RefereeLines& lines);
    bool visible() const;
    // Shows it when hidden (giving the keyboard back to the owner), hides it
    // when shown.
    void toggle();

private:
    QWidget& owner_;
    QPointer<RefereeWindow> referee_;
};

} // namespace tavolux
