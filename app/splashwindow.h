#pragma once
// The welcome picture shown in the middle of the screen while the program
// loads its resources and plays its start sound, with the program's name
// written in its top-left corner.

#include <QPixmap>
#include <QWidget>

namespace tavolux {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace tavolux
