#pragma once
// A scripted stand-in for the game window: answers questions from a queue
// (Yes when the queue is empty), accepts or cancels the setup sheet, and logs
// every call as one line so tests can check what the user would have seen.

#include "model/gamestate.h"
#include "model/gameui.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tavolux::testing {

class FakeUi : public GameUi {
public:
    explicit FakeUi(GameState* state = nullptr) : state_(state) {}

    void attach(GameState* state) { state_ = state; }

    std::deque<bool> answers;           // replies to askYesNo, front first
    bool sheetAccepted = true;
    std::function<void(GameState&)> sheetEdits; // what the sheet writes on OK
    std::vector<std::string> log;

    bool askYesNo(const std::string& caption, const std::string& text) override
    {
        log.push_back("ask " + caption + ": " + text);
        if (answers.empty())
            return true;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void inform(const std::string& caption, const std::string& text) override
    {
        log.push_back("inform " + caption + ": " + text);
    }
    void warn(const std::string& caption, const std::string& text) override
    {
        log.push_back("warn " + caption + ": " + text);
    }
    void reportError(const std::string& caption, const std::string& text) override
    {
        log.push_back("error " + caption + ": " + text);
    }
    void playSound(const std::string& fileName) override { log.push_back("sound " + fileName); }
    void beep() override { log.push_back("beep"); }
    void showReferee(const std::string& l0, const std::string& l1, const std::string& l2,
                     const std::string& l3) override
    {
        log.push_back("referee " + l0 + "/" + l1 + "/" + l2 + "/" + l3);
    }
    void showPrompt(Prompt p) override { log.push_back("prompt " + std::to_string(static_cast<int>(p))); }
    bool runSetupSheet() override
    {
        log.push_back("sheet");
        if (sheetAccepted && sheetEdits && state_)
            sheetEdits(*state_);
        return sheetAccepted;
    }
    void showResults() override { log.push_back("results"); }
    void redrawPlayerPanel() override {}
    void repaint() override {}
    void boardRotationChanged() override { log.push_back("rotation " + std::to_string(state_ ? state_->boardRotation : -1)); }
    void turnBoardStep(bool clockwise) override
    {
        log.push_back(clockwise ? "turn cw" : "turn ccw");
        if (state_)
            state_->boardRotation = stepRotation(state_->boardRotation, clockwise);
    }
    void discardPendingMouseInput() override { log.push_back("discard"); }
    // Passes are run by the test (Game::runQueuedTurns), not by an event loop.
    void queueNextPass(unsigned) override { log.push_back("queue"); }
    void setBusy(bool busy) override { log.push_back(busy ? "busy" : "idle"); }
    void animateMove(int piece, int start, const int* path, int length) override
    {
        // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) on the
        // same text built with operator+ from a literal.
        std::string line = "animate ";
        line += std::to_string(piece);
        line += " ";
        line += std::to_string(start);
        line += ":";
        for (int i = 0; i < length; ++i) {
            line += " ";
            line += std::to_string(path[i]);
        }
        log.push_back(line);
    }

    bool logged(const std::string& prefix) const
    {
        for (const std::string& l : log)
            if (l.rfind(prefix, 0) == 0)
                return true;
        return false;
    }

private:
    GameState* state_;
};

} // namespace tavolux::testing
