#include "app/mainwindow.h"

#include "app/boardshows.h"
#include "app/boardcommands.h"
#include "app/boardvoice.h"
#include "app/gamecommands.h"
#include "app/windowcommands.h"
#include "app/commands.h"
#include "app/gamefiles.h"
#include "resources/programresources.h"
#include "lang/gametexts.h"
#include "app/rotatebutton.h"
#include "app/turnline.h"
#include "app/turnscheduler.h"
#include "app/windowsettings.h"
#include "view/windowcanvas.h"
#include "referee/refereewindow.h"
#include "view/boardkeys.h"
#include "view/boardmouse.h"
#include "view/boardrotator.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

namespace tavolux {

MainWindow::MainWindow(const ProgramResources& resources, SoundPlayer& sounds)
    : resources_(resources),
      sounds_(sounds),
      boxes_(this),
      events_(*this, resources, sounds),
      game_(events_, &computers_),
      statusPane_(new QLabel),
      prompt_(statusPane_),
      referee_(*this),
      moveList_(*this, game_)
{
    setWindowTitle(tr("Tavolux"));
    setWindowIcon(resources_.appIcon);
    // The window itself holds the keyboard (the board's keys), so the menu
    // bar hands it back after a menu opened with Alt.
    setFocusPolicy(Qt::StrongFocus);
    canvas_ = new WindowCanvas(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    setCentralWidget(canvas_);
    updateScene();

    buildCommands();
    buildRotateButtons();
    gameCommands_ = std::make_unique<GameCommands>(
        GameCommands::Parts{game_, boxes_, statistics_, moveList_, resources_, this});
    gameCommands_->connect(*commands_);
    windowCommands_ = std::make_unique<WindowCommands>(*this);
    windowCommands_->connect();
    showRefereeLines(GameTexts::welcome());
    // Statistics that could not be saved are said at once.
    statistics_.problemFound = [this](const QString& problem) {
        boxes_.warn(StatisticsKeeper::problemCaption(), problem);
    };
    buildStatusBar();
    showPrompt(prompt::Ready);
    buildBoardMouse();

    const QSize screen = this->screen()->size();
    const WindowSize minimum = minimumWindowSize(screen.width(), screen.height(), menuBar()->sizeHint().height());
    setMinimumSize(minimum.width, minimum.height);
    connect(canvas_, &WindowCanvas::resized, this, &MainWindow::relayout);
    moveList_.keepClearOf(referee_.window());
    applyRememberedSettings(*this);
}

MainWindow::~MainWindow() = default;

RotateButton* MainWindow::rotateButton(bool clockwise) const
{
    return rotateButtons_[clockwise ? 1 : 0];
}

int MainWindow::statusBarHeight() const
{
    return statusBar()->sizeHint().height();
}

void MainWindow::setWallpaperIndex(int index)
{
    wallpaperIndex_ = index >= 0 && index < WallpaperCount ? index : 0;
    updateScene();
    canvas_->update();
}

void MainWindow::showLastMoves(bool shown)
{
    showLastMoves_ = shown;
    updateScene();
    canvas_->refresh();
}

void MainWindow::showPieceSymbols(bool shown)
{
    pieceSymbols_ = shown;
    updateScene();
    canvas_->update();
}

void MainWindow::updateScene()
{
    WindowScene scene;
    scene.layout = &layout_;
    scene.view = &view_;
    const GameState* reviewed = moveList_.reviewedState();
    scene.state = reviewed != nullptr ? reviewed : shownPosition_ ? &*shownPosition_ : &game_.state();
    scene.hiddenPiece = reviewed != nullptr ? NoPiece : hiddenPiece_;
    scene.wallpaper = &resources_.wallpaper(wallpaperIndex_);
    scene.title = &resources_.title;
    scene.pictures = resources_.pictures;
    scene.lastMoves = showLastMoves_ && reviewed == nullptr ? &lastMoves_ : nullptr;
    scene.reviewedMoves = moveList_.reviewedMoves();
    scene.pieceSymbols = pieceSymbols_;
    canvas_->setScene(scene);
}

void MainWindow::hidePiece(int k)
{
    hiddenPiece_ = k >= 0 && k < PieceCount ? k : NoPiece;
    updateScene();
    canvas_->refresh();
}

void MainWindow::showPosition(std::optional<GameState> position)
{
    shownPosition_ = std::move(position);
    updateScene();
    canvas_->update();
}

void MainWindow::buildRotateButtons()
{
    const struct {
        bool clockwise;
        int id;
        const char* name;
        const char* tip;
    } buttons[2] = {
        {true, command::RotateClockwise, "rotateClockwise", QT_TR_NOOP("Rotate clockwise")},
        {false, command::RotateCounterClockwise, "rotateCounterClockwise", QT_TR_NOOP("Rotate counter-clockwise")},
    };
    for (const auto& b : buttons) {
        const QPixmap* faces = resources_.rotateFaces[b.clockwise ? 1 : 0];
        auto* button = new RotateButton(faces[0], faces[1], canvas_);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(tr(b.tip));
        button->setAccessibleName(tr(b.tip));
        button->setAccessibleDescription(tr("Turns the board one step; the game goes on as it was"));
        const int id = b.id;
        connect(button, &QAbstractButton::clicked, this, [this, id] {
            runCommand(id);
            setFocus();
        });
        rotateButtons_[b.clockwise ? 1 : 0] = button;
    }
}

void MainWindow::buildStatusBar()
{
    statusPane_->setObjectName(QStringLiteral("statusPane"));
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addWidget(statusPane_, 1);
    //: The accessible description of the status bar's prompt line.
    statusPane_->setAccessibleDescription(tr("What the game is doing"));
    turnLine_ = std::make_unique<TurnLine>(*statusBar());
}

// The person's hand on the board, by mouse and by keys, and the passes of
// the turn cycle that wait for the event loop (and for a drag, a menu or a
// dialog to end).
void MainWindow::buildBoardMouse()
{
    boardMouse_ = new BoardMouse(*canvas_, view_, game_, events_,
                                 BoardMouse::Cursors{resources_.ownPieceCursor, resources_.otherPieceCursor});
    boardMouse_->dragMoved = [this] {
        if (referee())
            referee()->updateEyes(false);
    };
    boardMouse_->dragEnded = [this] {
        canvas_->refresh();
        updateAllItemStates();
    };
    boardKeys_ = new BoardKeys(*canvas_, view_, game_, boardMouse_->lift());
    boardKeys_->dropped = boardMouse_->dragEnded;
    boardVoice_ = new BoardVoice(*canvas_, game_, *boardKeys_);
    connect(boardKeys_, &BoardKeys::ringMoved, boardVoice_, &BoardVoice::ringMoved);
    // A review of earlier moves holds the turn cycle, and no piece is lifted
    // from a position that is not the game's.
    turnScheduler_ = new TurnScheduler(
        game_, [this] { return boardMouse_->dragging() || moveList_.reviewing(); }, this);
    game_.setPace(turnScheduler_);
    game_.setQuestions(&events_);
    boardMouse_->lift().heldBack = [this] { return moveList_.reviewing() || shows_->showing(); };
    moveList_.reviewChanged = [this] {
        updateScene();
        canvas_->repaint();
        //: In the status line while the board shows an earlier position.
        showNotice(moveList_.reviewing() ? tr("Reviewing an earlier position: Escape returns to the game.") : QString(),
                   moveList_.reviewing() ? 24 * 3600 * 1000 : 1);
        updateAllItemStates();
    };
    // While a menu, a dialog or a drag holds the next turn, the referee
    // names the player to move, as the panel and the status line do.
    turnScheduler_->held = [this] {
        if (!game_.state().gameInProgress() || game_.askingPlayOn())
            return; // the referee's word on the end stands
        const PlayerSlot& slot = game_.state().slots[game_.state().playerToMove];
        showRefereeLines(GameTexts::turnPassed(GameTexts::shownName(slot.name)));
    };
    turnScheduler_->rested = [this] { commands_->runWaiting(); };
    boardMouse_->pieceMenuRequested = [this](int, QPoint at) { boardCommands_->showPieceMenu(at, *commands_); };
    boardMouse_->lift().pickedUp = [this] { lastMoves_.hide(); };
    boardMouse_->lift().hide = [this](int k) { hidePiece(k); };
    // A rotate button shows pressed and the status line busy while the
    // board turns.
    shows_ = new BoardShows(game_, *canvas_, view_, [this](int k) { hidePiece(k); }, this);
    shows_->stepping = [this](bool clockwise, bool turning) {
        RotateButton* button = rotateButton(clockwise);
        button->setDown(turning);
        button->repaint();
        showPrompt(turning ? prompt::BoardRepositioning : prompt::Ready);
    };
    boardCommands_ = std::make_unique<BoardCommands>(
        BoardCommands::Parts{game_, *shows_, *boardMouse_, *canvas_, boxes_, prompt_, events_});
    boardCommands_->connect(*commands_);
}

// The menus and the rules of their items; no command finds a piece lifted
// off the board, by the mouse (a shortcut typed during a drag) or the keys.
void MainWindow::buildCommands()
{
    commands_ = new CommandTable(this, prompt_);
    commands_->allows = [this](int id) { return commandAllowed(id); };
    commands_->checked = [this](int id) {
        switch (id) {
        case command::MoveList:
            return moveList_.visible();
        case command::Referee:
            return referee_.visible();
        case command::ShowLastMoves:
            return showLastMoves_;
        case command::ShowDestinations:
            return boardMouse_ && boardMouse_->lift().destinationsShown();
        default:
            return id == command::PieceSymbols && pieceSymbols_;
        }
    };
    commands_->computersPlaying = [this] { return game_.computersPlaying() || game_.askingPlayOn(); };
    // The game's next step waits while a command runs (its dialogs open).
    commands_->afterRun = [this](int) { game_.release(); };
    commands_->beforeRun = [this](int id) {
        game_.hold();
        // Showing or hiding a window or a look of the board keeps a review;
        // every other command acts on the game itself.
        if (id != command::MoveList && id != command::Referee && id != command::ShowLastMoves
            && id != command::ShowDestinations && id != command::PieceSymbols)
            moveList_.endReview();
        if (boardMouse_)
            boardMouse_->cancelDrag();
        if (boardKeys_)
            boardKeys_->putBack();
    };
    commands_->buildMenus(menuBar());
    setCommandHandler(command::Exit, [this] { close(); });
    setCommandHandler(command::MoveList, [this] {
        moveList_.setVisible(!moveList_.visible());
        placeReferee();
    });
}

bool MainWindow::commandAllowed(int id) const
{
    switch (id) {
    case command::Undo:
        return game_.history().canUndo();
    case command::Redo:
        return game_.history().canRedo();
    case command::SaveGame:
        // A game between two computer turns is saved once they have moved.
        return !game_.state().gameInProgress() || game_.waitingForPerson() || game_.computersPlaying();
    case command::Hint:
        return game_.waitingForPerson() || game_.computersPlaying();
    default:
        return true;
    }
}

int MainWindow::showPrompt(int id)
{
    const int previous = prompt_.showPrompt(id);
    statusBar()->repaint();
    return previous;
}

void MainWindow::showNotice(const QString& text, int ms)
{
    prompt_.notice(text, ms);
}

void MainWindow::relayout()
{
    layout_ = computeMainLayout(canvas_->width(), canvas_->height());
    setBoardArea(view_, layout_.clientWidth, layout_.clientHeight);
    layoutBoard(view_);
    rotateButtons_[1]->setGeometry(layout_.clockwiseButtonX, layout_.buttonTop, layout_.buttonWidth,
                                   layout_.buttonHeight);
    rotateButtons_[0]->setGeometry(layout_.counterClockwiseButtonX, layout_.buttonTop, layout_.buttonWidth,
                                   layout_.buttonHeight);
    canvas_->update();
    placeReferee();
}

void MainWindow::applyDefaultLayout()
{
    tavolux::applyDefaultLayout(*this);
}

void MainWindow::useRecordFileChooser(std::unique_ptr<FileChooser> chooser)
{
    gameCommands_->useRecordFileChooser(std::move(chooser));
}

bool MainWindow::openRecordFile(const QString& path)
{
    return gameCommands_->openRecordFile(path);
}

void MainWindow::useFileChooser(std::unique_ptr<FileChooser> chooser)
{
    gameCommands_->useFileChooser(std::move(chooser));
}

bool MainWindow::openGameFile(const QString& path)
{
    return gameCommands_->openGameFile(path);
}

void MainWindow::playAgain()
{
    gameCommands_->playAgain();
}

void MainWindow::placeReferee()
{
    referee_.place(*canvas_);
    moveList_.place();
}

void MainWindow::gameMovesChanged()
{
    moveList_.gameChanged();
}

void MainWindow::refereeLooksUp()
{
    if (referee())
        referee()->updateEyes(true);
}

void MainWindow::followBoardRotation()
{
    setViewSteps(view_, game_.state().boardRotation);
    canvas_->update();
}

void MainWindow::showRecord()
{
    if (turnLine_)
        turnLine_->follow(game_);
    canvas_->refresh();
    updateAllItemStates();
}

void MainWindow::showMoveMade(const MadeMove* move)
{
    if (move != nullptr)
        lastMoves_.record(game_.state().pieces, move->player, move->piece, move->start);
    else
        lastMoves_.clear();
    if (boardVoice_)
        boardVoice_->moveMade(move);
    if (turnLine_)
        turnLine_->follow(game_);
    gameMovesChanged();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!boxes_.askYesNo(tr("Exit Game"), tr("Do you really want to exit the game?"))) {
        event->ignore();
        return;
    }
    event->accept();
    game_.stop();
    statistics_.gameAbandoned(game_);
    saveWindowSettings(*this);
    Q_EMIT exitConfirmed();
}

// Escape never closes the window and Enter has no default button to press.
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (moveList_.reviewing())
            moveList_.endReview();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    placeReferee();
}

bool MainWindow::event(QEvent* event)
{
    // The status line follows the menu highlight by its own rules.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

} // namespace tavolux
