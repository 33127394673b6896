#pragma once
// The window's side of the game's events: each one becomes the referee's
// lines, the status line, a box, a sound, an animation or a repaint, with
// the texts of GameTexts. Also the voice of the person's hand on the board
// (the referee's hints and a refused drop).

#include "model/gameevents.h"
#include "view/piecelift.h"

#include <QString>

namespace tavolux {

class MainWindow;
class SoundPlayer;
struct PlayerSlot;
struct ProgramResources;

class WindowEvents : public GameEvents, public HandVoice {
public:
    WindowEvents(MainWindow& window, const ProgramResources& resources, SoundPlayer& sounds);

    bool mayAbandonGame() override;
    bool setUpNewGame() override;
    void gameStarted(int player) override;
    void turnStarting(int player) override;
    void boardRepositioning(int player) override;
    void rotateBoardStep(bool clockwise) override;
    void boardRotationChanged() override;
    void personToMove(int player) override;
    void computerTurnStarts(int player) override;
    void computerTurnEnds(int player) override;
    void computerThinking(int player) override;
    void noValidMove(int player) override;
    void computerMoving(int player, int piece, int start, const int* path, int length) override;
    void computerMoved(int player) override;
    void computerTurnAbandoned(int player) override;
    void queueNextPass(unsigned ticket) override;
    void moveMade(int player, int piece, int start) override;
    void personMoveAccepted(int next) override;
    void piecesReplaced() override;
    bool playerFinished(int player, bool othersMayPlayOn) override;
    void gameEnded() override;
    void repaint() override;

    void handOver(Over what) override;
    void pieceLifted() override;
    void dropRefused(DropRefusal why) override;

    // The wait cursor while the computer thinks and shows its move.
    void setBusy(bool busy);

private:
    QString name(int player) const;
    QString nameToMove() const;

    MainWindow& window_;
    const ProgramResources& resources_;
    SoundPlayer& sounds_;
    int busyDepth_ = 0;
};

} // namespace tavolux
