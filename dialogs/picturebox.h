#pragma once
// A player's picture inside a white frame, as the setup sheet and the
// results show it: the picture stretched into the box less a band of 5 % of
// the box on each side. With no picture the box is left empty.

#include <QWidget>

class QPixmap;

namespace tavolux {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture shown, borrowed; nullptr shows an empty box.
    void setPicture(const QPixmap* picture);
    const QPixmap* picture() const { return picture_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap* picture_ = nullptr;
};

} // namespace tavolux
