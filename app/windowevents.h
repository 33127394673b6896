#pragma once
// The window's side of the game: each event becomes the referee's lines, the
// status line, a box, a sound, an animation or a repaint, with the texts of
// GameTexts; the play-on question is asked in a box and answered to the
// game. An animation or a box that follows a move holds the game's next
// step until it ends. Also the voice of the person's hand on the board (the
// referee's hints and a refused drop).

#include "model/gameevents.h"
#include "view/piecelift.h"

#include <QString>

namespace tavolux {

class Game;
class GameDisplay;
class SoundPlayer;
struct ProgramResources;

class WindowEvents : public GameEvents, public GameQuestions, public HandVoice {
public:
    WindowEvents(GameDisplay& display, const ProgramResources& resources, SoundPlayer& sounds);

    void gameStarted(int player) override;
    void turnStarting(int player) override;
    void boardRepositioning(int player, int fromRotation) override;
    void boardRotationChanged() override;
    void personToMove(int player) override;
    void computerThinking(int player) override;
    void turnWithdrawn(int player) override;
    void noValidMove(int player) override;
    void moveMade(const MadeMove& move) override;
    void computerMoved(int player) override;
    void personMoveAccepted(int next) override;
    void piecesReplaced() override;
    void playerFinished(int player, bool othersMayPlayOn) override;
    void gameEnded() override;
    void repaint() override;

    void askPlayOn(int player) override;

    void handOver(Over what) override;
    void pieceLifted() override;
    void dropRefused(DropRefusal why) override;

    // The wait cursor while a computer thinks.
    void setBusy(bool busy);

private:
    QString name(int player) const;
    QString nameToMove() const;
    Game& game() const;
    // A box that holds the game until it is closed.
    void inform(int icon, const QString& caption, const QString& text);

    GameDisplay& display_;
    const ProgramResources& resources_;
    SoundPlayer& sounds_;
    bool busy_ = false;
    bool glideShown_ = false; // the computer's last move is gliding
};

} // namespace tavolux
