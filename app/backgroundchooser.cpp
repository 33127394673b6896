#include "app/backgroundchooser.h"

#include "app/inputdrain.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace tavolux {

// One choice: its own stop signal, cleared when it starts, and its result.
struct BackgroundChooser::Outcome {
    ChosenMove move;
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    bool givenUp = false;
};

BackgroundChooser::BackgroundChooser(ComputerPlayer& computer) : computer_(computer) {}

BackgroundChooser::~BackgroundChooser()
{
    stop();
}

void BackgroundChooser::stop()
{
    if (!worker_.joinable())
        return;
    current_->stop.store(true);
    worker_.join();
    current_->givenUp = true;
    current_.reset();
}

ChosenMove BackgroundChooser::chooseMove(const GameState& state)
{
    // A choice started inside another (from an event handled while that one
    // was thinking) ends the other first: both would use the same search.
    stop();
    if (state.slots[state.playerToMove].strength != Expert)
        return computer_.chooseMove(state);

    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    current_ = outcome;
    worker_ = std::thread([this, outcome, position = state, &loop] {
        outcome->move = computer_.chooseMove(position, &outcome->stop);
        outcome->done.store(true);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    {
        std::unique_ptr<BoardInputHold> hold;
        if (board_ != nullptr)
            hold = std::make_unique<BoardInputHold>(board_);
        // Ends when the worker is done, when the program quits (which ends
        // every running loop) or when a choice started inside this one has
        // stopped this one's worker (which then quits it too).
        loop.exec();
    }
    if (current_ == outcome) {
        if (outcome->done.load()) {
            worker_.join();
            current_.reset();
        } else {
            stop(); // the program quits: the search gives up at once
        }
    }
    if (outcome->givenUp || outcome->move.abandoned) {
        ChosenMove abandoned;
        abandoned.abandoned = true;
        return abandoned;
    }
    return outcome->move;
}

} // namespace tavolux
