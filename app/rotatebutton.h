#pragma once
// One of the two buttons below the board that turn it by a view step. The
// face is a picture stretched over the whole button, a pressed-in one while
// the button is held down. It never takes the keyboard focus.

#include <QAbstractButton>
#include <QPixmap>

namespace tavolux {

class RotateButton : public QAbstractButton {
    Q_OBJECT
public:
    RotateButton(const QPixmap& released, const QPixmap& pressed, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap released_;
    QPixmap pressed_;
};

} // namespace tavolux
