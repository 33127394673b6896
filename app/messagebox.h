#pragma once
// Every box of the window that waits for a click: its text is plain (a
// player's name is never read as markup), a question answers Yes to Enter,
// and the pointer over it is the normal one even while the program works.

#include "app/messageboxes.h"

#include <QMessageBox>

#include <functional>

namespace tavolux {

int showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                   QMessageBox::StandardButtons buttons);

// The same box, opened without waiting: it blocks the other windows as
// shown, and `answered` gets the button pressed once it closes.
void openMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                    QMessageBox::StandardButtons buttons, std::function<void(int)> answered);

// The boxes of the window's own commands, over `parent`.
class WindowBoxes : public MessageBoxes {
public:
    explicit WindowBoxes(QWidget* parent) : parent_(parent) {}
    bool askYesNo(const QString& caption, const QString& text) override;
    void inform(const QString& caption, const QString& text);
    void warn(const QString& caption, const QString& text) override;
    void reportError(const QString& caption, const QString& text) override;

private:
    QWidget* parent_;
};

} // namespace tavolux
