#pragma once
// Placeholder until the setup sheet lands: accepts at once, changing nothing.
#include "model/gamestate.h"
#include <QDialog>
class QPixmap;
namespace tavolux {
constexpr int MaxPlayerNameLength = 15;
class SetupSheet : public QDialog {
    Q_OBJECT
public:
    SetupSheet(GameState&, const QPixmap*, const QPixmap*, QWidget* parent) : QDialog(parent) {}
    int exec() override { return QDialog::Accepted; }
};
}
