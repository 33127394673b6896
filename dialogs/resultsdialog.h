#pragma once
// Placeholder until the results dialog lands.
#include "model/gamestate.h"
#include <QDialog>
class QPixmap;
namespace tavolux {
class ResultsDialog : public QDialog {
    Q_OBJECT
public:
    ResultsDialog(const GameState&, const QPixmap*, const QPixmap*, QWidget* parent) : QDialog(parent) {}
};
}
