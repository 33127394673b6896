#pragma once
// What a screen reader says the dialogs' controls are for: descriptions in
// the language spoken, shared by the dialogs that show the same choice.

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace tavolux {

class AccessibleTexts {
    Q_DECLARE_TR_FUNCTIONS(tavolux::AccessibleTexts)
public:
    // Describes what has no description yet below `dialog`: OK, Cancel and
    // Close by what they do, a control in a group box by the group's title.
    static void describeDialog(QWidget* dialog);

    static QString sound();
    static QString autoReposition();
    static QString preferredView();
};

} // namespace tavolux
