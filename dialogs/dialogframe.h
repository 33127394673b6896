#pragma once
// The frame of the program's dialogs: a title and a close box, nothing to
// minimise or maximise them with.

#include <QDialog>

namespace tavolux {

inline void useDialogFrame(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
}

} // namespace tavolux
