#pragma once
// The game's events as a test sees them: each one logged as a short line
// ("personToMove 0", "moveMade 1 12 23: 34"), and the play-on question
// answered from a queue (Yes when it runs dry).

#include "model/game.h"

#include <deque>
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

class RecordedEvents : public GameEvents, public GameQuestions {
public:
    // Answers the play-on question of `game` from the queue, at once.
    void attach(Game* game)
    {
        game_ = game;
        game->setQuestions(this);
    }

    std::deque<bool> answers; // for the questions, front first
    std::vector<std::string> log;

    void gameStarted(int p) override { note("gameStarted", p); }
    void turnStarting(int p) override { note("turnStarting", p); }
    void boardRepositioning(int p, int from) override
    {
        note(words({"boardRepositioning", std::to_string(p), "from", std::to_string(from)}));
    }
    void boardRotationChanged() override { note("boardRotationChanged"); }
    void personToMove(int p) override { note("personToMove", p); }
    void computerThinking(int p) override { note("computerThinking", p); }
    void turnWithdrawn(int p) override { note("turnWithdrawn", p); }
    void noValidMove(int p) override { note("noValidMove", p); }
    void moveMade(const MadeMove& m) override
    {
        std::string line = words({"moveMade", std::to_string(m.player), std::to_string(m.piece), std::to_string(m.start)});
        line += ':';
        for (const int hole : m.path) {
            line += ' ';
            line += std::to_string(hole);
        }
        note(line);
    }
    void computerMoved(int p) override { note("computerMoved", p); }
    void personMoveAccepted(int next) override { note("personMoveAccepted", next); }
    void piecesReplaced() override { note("piecesReplaced"); }
    void playerFinished(int p, bool othersMayPlayOn) override
    {
        note(othersMayPlayOn ? words({"playerFinished", std::to_string(p), "ask"})
                             : words({"playerFinished", std::to_string(p)}));
    }
    void gameEnded() override { note("gameEnded"); }
    void askPlayOn(int) override
    {
        bool yes = true;
        if (!answers.empty()) {
            yes = answers.front();
            answers.pop_front();
        }
        if (game_ != nullptr)
            game_->playOn(yes);
    }

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
    Game* game_ = nullptr;
};

} // namespace tavolux::testing
