#pragma once
// The game's main window: the drawn client area (board, title, player
// panel), the rotate buttons, the menu bar with its commands and the status
// line. It keeps the one game record; the game's events reach the player
// through its WindowEvents.

#include "ai/computerplayer.h"
#include "app/computerplayers.h"
#include "app/gamedisplay.h"
#include "app/commandtable.h"
#include "app/messagebox.h"
#include "app/movelisthost.h"
#include "app/statisticskeeper.h"
#include "app/refereehost.h"
#include "app/statusprompt.h"
#include "app/windowevents.h"
#include "model/game.h"
#include "view/boardgeometry.h"
#include "view/lastmoves.h"
#include "view/mainlayout.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QLabel;

namespace tavolux {

struct ProgramResources;
class BoardKeys;
class BoardVoice;
class BoardShows;
class BoardMouse;
class BoardCommands;
class GameCommands;
class WindowCommands;
class FileChooser;
class RefereeWindow;
class RotateButton;
class SoundPlayer;
class TurnLine;
class TurnScheduler;
class WindowCanvas;

struct RefereeLines;

class MainWindow : public QMainWindow, private GameDisplay {
    Q_OBJECT
public:
    MainWindow(const ProgramResources& resources, SoundPlayer& sounds);
    ~MainWindow() override;

    Game& game() override { return game_; }
    BoardView& boardView() { return view_; }
    const MainLayout& mainLayout() const { return layout_; }
    WindowCanvas* canvas() const { return canvas_; }
    BoardMouse* boardMouse() const { return boardMouse_; }
    BoardKeys* boardKeys() const { return boardKeys_; }

    // Where Save Game and Load Game ask for a file name: Qt's file dialogs
    // unless a test puts its own chooser in.
    void useFileChooser(std::unique_ptr<FileChooser> chooser);
    // The same for the game record commands.
    void useRecordFileChooser(std::unique_ptr<FileChooser> chooser);
    // Shows a game record in the move list, as Open Game Record does.
    bool openRecordFile(const QString& path);
    const ProgramResources& resources() const { return resources_; }
    RefereeHost& refereeHost() { return referee_; }
    StatusPrompt& statusPrompt() { return prompt_; }
    TurnLine& turnLine() { return *turnLine_; }
    // Opens a saved game as Load Game does, without the abandon question
    // (a file named on the command line); false when it was refused.
    bool openGameFile(const QString& path);
    RotateButton* rotateButton(bool clockwise) const;
    int statusBarHeight() const;

    int wallpaperIndex() const { return wallpaperIndex_; }
    void setWallpaperIndex(int index);

    // The moves made since the person to move last moved, drawn on the
    // board while "Show Last Moves" is checked.
    const LastMoves& lastMoves() const { return lastMoves_; }
    bool lastMovesShown() const { return showLastMoves_; }
    void showLastMoves(bool shown);
    // Each player's pieces carry the seat's symbol ("Piece Symbols").
    bool pieceSymbolsShown() const { return pieceSymbols_; }
    void showPieceSymbols(bool shown);

    // Commands of the menus and the rotate buttons, by id (see commands.h
    // and CommandTable).
    CommandTable& commands() { return *commands_; }
    void setCommandHandler(int id, CommandTable::Handler handler) { commands_->setHandler(id, std::move(handler)); }
    QAction* commandAction(int id) const { return commands_->action(id); }
    bool runCommand(int id) { return commands_->run(id); }
    bool commandEnabled(int id) const { return commands_->enabled(id); }
    void updateAllItemStates() { commands_->updateAllItemStates(); }

    // Puts a prompt into the status line at once; returns the id shown
    // before.
    int showPrompt(int id) override;
    // A short word in the status line for `ms` milliseconds.
    void showNotice(const QString& text, int ms) override;
    void showRefereeLines(const RefereeLines& lines) override { referee_.showLines(lines); }

    // Places the referee beside the window (see RefereeHost).
    void placeReferee();
    RefereeWindow* referee() const { return referee_.window(); }
    // The move list window and the review it allows.
    MoveListHost& moveListHost() { return moveList_; }
    // Each player's results over the games.
    StatisticsKeeper& statistics() override { return statistics_; }

    // The glides, board turns and flashes on the board.
    BoardShows& shows() override { return *shows_; }
    // The piece drawn off the board while a hand holds it or it glides;
    // NoPiece for none. The game's record keeps it where it is.
    void hidePiece(int k);
    // The position the window shows instead of the game's while a move is
    // still being shown; none: the game's own.
    void showPosition(std::optional<GameState> position) override;
    // The default size and place of the window (restored first when it is
    // maximised); turns the board back to its first view.
    void applyDefaultLayout();

    // How the game's events reach the player, and the window's boxes.
    WindowEvents& events() { return events_; }
    WindowBoxes& boxes() { return boxes_; }
    GameCommands& gameCommands() { return *gameCommands_; }

Q_SIGNALS:
    // The user confirmed "Exit Game"; the window is closing.
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What the game's events change in the window.
    void refereeLooksUp() override;
    void followBoardRotation() override;
    void showRecord() override;
    void showMoveMade(const MadeMove* move) override;
    // The game's moves changed (a move, an undo, a new game): the move list
    // follows and any review ends.
    void gameMovesChanged();
    QWidget* boxParent() override { return this; }
    void playAgain() override;

    void buildCommands();
    bool commandAllowed(int id) const;
    void buildRotateButtons();
    void buildStatusBar();
    void buildBoardMouse();
    void relayout();
    void updateScene();


    const ProgramResources& resources_;
    SoundPlayer& sounds_;
    WindowBoxes boxes_;
    WindowEvents events_;
    ComputerPlayers computers_;
    Game game_;
    int hiddenPiece_ = NoPiece; // drawn off the board
    std::optional<GameState> shownPosition_;
    BoardShows* shows_ = nullptr;
    BoardView view_;
    MainLayout layout_;
    int wallpaperIndex_ = 0;
    LastMoves lastMoves_;
    bool showLastMoves_ = true;
    bool pieceSymbols_ = true;

    WindowCanvas* canvas_ = nullptr;
    BoardMouse* boardMouse_ = nullptr;
    BoardKeys* boardKeys_ = nullptr;
    BoardVoice* boardVoice_ = nullptr;
    TurnScheduler* turnScheduler_ = nullptr;
    std::unique_ptr<GameCommands> gameCommands_;
    std::unique_ptr<BoardCommands> boardCommands_;
    std::unique_ptr<WindowCommands> windowCommands_;
    RotateButton* rotateButtons_[2] = {nullptr, nullptr}; // [clockwise]
    QLabel* statusPane_ = nullptr;
    std::unique_ptr<TurnLine> turnLine_;
    StatusPrompt prompt_;
    CommandTable* commands_ = nullptr;
    RefereeHost referee_;
    MoveListHost moveList_;
    StatisticsKeeper statistics_;
};

} // namespace tavolux
