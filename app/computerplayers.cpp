#include "app/computerplayers.h"

namespace tavolux {

ComputerPlayers::ComputerPlayers(QObject* parent) : QObject(parent) {}

ComputerPlayers::~ComputerPlayers()
{
    withdraw();
    endWorker();
}

void ComputerPlayers::endWorker()
{
    if (worker_.joinable())
        worker_.join();
}

void ComputerPlayers::takeTurn(const GameState& position, MoveAnswer answer)
{
    withdraw();
    endWorker();
    auto choice = std::make_shared<Choice>();
    current_ = choice;
    answer_ = std::move(answer);
    if (!computer_)
        computer_ = std::make_unique<ComputerPlayer>();
    worker_ = std::thread([this, choice, position] {
        const ChosenMove move = computer_->chooseMove(position, &choice->stop);
        // Dropped unread when this object is gone by then.
        QMetaObject::invokeMethod(this, [this, choice, move] { deliver(choice, move); }, Qt::QueuedConnection);
    });
}

void ComputerPlayers::deliver(const std::shared_ptr<Choice>& choice, const ChosenMove& move)
{
    if (choice != current_)
        return;
    endWorker();
    current_.reset();
    if (MoveAnswer answer = std::exchange(answer_, nullptr))
        answer(move);
}

void ComputerPlayers::withdraw()
{
    if (current_)
        current_->stop.store(true);
    current_.reset();
    answer_ = nullptr;
}

} // namespace tavolux
