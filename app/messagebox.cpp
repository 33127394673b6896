#include "app/messagebox.h"

#include <QApplication>

namespace tavolux {

int showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                   QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons & QMessageBox::Yes)
        box.setDefaultButton(QMessageBox::Yes);
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return answer;
}

void openMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                    QMessageBox::StandardButtons buttons, std::function<void(int)> answered)
{
    auto* box = new QMessageBox(icon, caption, text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    if (buttons & QMessageBox::Yes)
        box->setDefaultButton(QMessageBox::Yes);
    // The normal pointer over the box while the program works: the wait
    // cursor is the application's, so the box puts the normal one over it
    // until it is gone.
    if (QApplication::overrideCursor() != nullptr) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        QObject::connect(box, &QObject::destroyed, [] { QApplication::restoreOverrideCursor(); });
    }
    QObject::connect(box, &QMessageBox::finished, box, [answered = std::move(answered)](int result) {
        if (answered)
            answered(result);
    });
    box->show();
}

bool WindowBoxes::askYesNo(const QString& caption, const QString& text)
{
    return showMessageBox(parent_, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void WindowBoxes::inform(const QString& caption, const QString& text)
{
    showMessageBox(parent_, QMessageBox::Information, caption, text, QMessageBox::Ok);
}

void WindowBoxes::warn(const QString& caption, const QString& text)
{
    showMessageBox(parent_, QMessageBox::Warning, caption, text, QMessageBox::Ok);
}

void WindowBoxes::reportError(const QString& caption, const QString& text)
{
    showMessageBox(parent_, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

} // namespace tavolux
