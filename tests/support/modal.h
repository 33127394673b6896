#pragma once
// Answering the window's modal boxes and dialogs from a test, and waiting
// for what the event loop brings: one way for every suite.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tavolux::testing {

// Waits, handling events, until `condition` holds; false after timeoutMs.
template <typename Condition>
bool eventually(Condition condition, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// Runs `act` on the next popup menu or modal dialog as soon as it is up
// (from the event loop that the code under test runs).
inline void whenOpen(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* open = nullptr;
        const bool opened = QTest::qWaitFor([&] {
            open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                     : QApplication::activeModalWidget();
            return open != nullptr;
        });
        if (opened)
            act(open);
    });
}

// What a message box showed.
struct BoxSeen {
    QString title;
    QString text;
    int count = 0;
};

// Clicks `button` of the next message box as soon as it is up, noting its
// title and text in `seen` when given.
inline void answerNextBox(QMessageBox::StandardButton button, BoxSeen* seen = nullptr)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, button, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (seen) {
            seen->title = box->windowTitle();
            seen->text = box->text();
            ++seen->count;
        }
        timer->stop();
        timer->deleteLater();
        box->button(button)->click();
    });
    timer->start(10);
}

} // namespace tavolux::testing
