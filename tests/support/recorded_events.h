#pragma once
// The game's events as a test sees them: each one logged as a short line
// ("personToMove 0", "moveMade 1 12 23"), the questions answered from a
// queue (Yes when it runs dry) and the new game's setup scripted.

#include "model/gameevents.h"
#include "model/gamestate.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace tavolux::testing {

// Parts joined with spaces (built by appending: GCC 12 warns wrongly,
// -Wrestrict, on a literal added to a std::string).
inline std::string words(std::initializer_list<std::string> parts)
{
    std::string line;
    for (const std::string& part : parts) {
        if (!line.empty())
            line += ' ';
        line += part;
    }
    return line;
}

class RecordedEvents : public GameEvents {
public:
    explicit RecordedEvents(GameState* state = nullptr) : state_(state) {}
    void attach(GameState* state) { state_ = state; }

    std::deque<bool> answers;                   // for the questions, front first
    bool setupAccepted = true;
    std::function<void(GameState&)> setupEdits; // what the setup writes
    std::vector<std::string> log;

    bool mayAbandonGame() override { return answer("mayAbandonGame"); }
    bool setUpNewGame() override
    {
        note("setUpNewGame");
        if (setupAccepted && setupEdits && state_)
            setupEdits(*state_);
        return setupAccepted;
    }
    void gameStarted(int p) override { note("gameStarted", p); }
    void turnStarting(int p) override { note("turnStarting", p); }
    void boardRepositioning(int p) override { note("boardRepositioning", p); }
    void rotateBoardStep(bool clockwise) override
    {
        note(clockwise ? "rotateBoardStep cw" : "rotateBoardStep ccw");
        if (state_)
            state_->boardRotation = stepRotation(state_->boardRotation, clockwise);
    }
    void boardRotationChanged() override { note("boardRotationChanged", state_ ? state_->boardRotation : -1); }
    void personToMove(int p) override { note("personToMove", p); }
    void computerTurnStarts(int p) override { note("computerTurnStarts", p); }
    void computerTurnEnds(int p) override { note("computerTurnEnds", p); }
    void computerThinking(int p) override { note("computerThinking", p); }
    void noValidMove(int p) override { note("noValidMove", p); }
    void computerMoving(int p, int piece, int start, const int* path, int length) override
    {
        std::string line = words({"computerMoving", std::to_string(p), std::to_string(piece), std::to_string(start)});
        line += ':';
        for (int i = 0; i < length; ++i) {
            line += ' ';
            line += std::to_string(path[i]);
        }
        note(line);
    }
    void computerMoved(int p) override { note("computerMoved", p); }
    void computerTurnAbandoned(int p) override { note("computerTurnAbandoned", p); }
    void queueNextPass(unsigned) override { note("queueNextPass"); }
    void moveMade(int p, int piece, int start) override
    {
        note(words({"moveMade", std::to_string(p), std::to_string(piece), std::to_string(start)}));
    }
    void personMoveAccepted(int next) override { note("personMoveAccepted", next); }
    void piecesReplaced() override { note("piecesReplaced"); }
    bool playerFinished(int p, bool othersMayPlayOn) override
    {
        const std::string line = othersMayPlayOn ? words({"playerFinished", std::to_string(p), "ask"})
                                                 : words({"playerFinished", std::to_string(p)});
        return othersMayPlayOn ? answer(line) : (note(line), true);
    }
    void gameEnded() override { note("gameEnded"); }

    bool logged(const std::string& prefix) const
    {
        for (const std::string& l : log)
            if (l.rfind(prefix, 0) == 0)
                return true;
        return false;
    }

private:
    void note(const std::string& line) { log.push_back(line); }
    void note(const std::string& what, int p) { log.push_back(words({what, std::to_string(p)})); }
    bool answer(const std::string& line)
    {
        note(line);
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    GameState* state_;
};

} // namespace tavolux::testing
