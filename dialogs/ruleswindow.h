#pragma once
// The help window with the playing rules of Chinese checkers, a document
// shipped inside the program in English and in each language the program
// speaks, shown in the language of the translation installed. One window
// per main window: asking for the rules again brings the open window to the
// front.

#include <QWidget>

class QTextBrowser;

namespace tavolux {

class RulesWindow : public QWidget {
    Q_OBJECT
public:
    explicit RulesWindow(QWidget* owner);

    // Opens the rules beside `owner`, or raises the window already open.
    static RulesWindow* showFor(QWidget* owner);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

} // namespace tavolux
