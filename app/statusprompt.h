#pragma once
// The status line's one pane and the rules that decide what it says: the
// program's own prompts, and while a menu is open the prompt of the
// highlighted item; "Ready." again when the menu closes.

class QLabel;
class QString;
class QTimer;

namespace tavolux {

class StatusPrompt {
public:
    explicit StatusPrompt(QLabel* pane);

    // Shows the text of id when there is one (otherwise the pane keeps its
    // text); returns the id shown before.
    int showPrompt(int id);

    // The menu highlight moved onto an item. A popup title or a separator
    // leaves the current prompt in place.
    void highlight(int id, bool popupOrSeparator);
    // The menu loop has nothing to do: the pending prompt is shown.
    void idle();
    // The menu has closed.
    void menuClosed();
    // A short word to the player that stays `ms` milliseconds, unless a
    // prompt replaces it sooner; then the prompt shown before comes back.
    void notice(const QString& text, int ms);

    int shown() const { return shown_; }
    int pending() const { return pending_; }

private:
    QLabel* pane_;
    QTimer* noticeTimer_;
    int shown_ = 0;
    int pending_ = 0;
};

} // namespace tavolux
