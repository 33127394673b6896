#pragma once
// The computer player's choice of move: a fixed three-stage search. Stage 1
// lists every first move of the player to move and the best single reply
// of each other player in play; stage 2 gives each first move a base value
// from the player's own score and its styles toward the others; stage 3
// follows each first move with the player's own moves only, two or four
// moves deep, and keeps the line with the highest value.
//
// The search keeps all its working storage inside the object (the line
// cache's table is allocated with it), so a search allocates nothing and the
// object's size bounds its memory. Lines are walked depth first on one board
// that is changed and changed back. Every line of a first move yields the
// same move, so the order of its lines does not matter; the first moves are
// taken most promising first, and equal values are settled as the rules'
// order would settle them, so that order changes only how soon lines that
// cannot reach the best value are recognised. Those are counted, not valued.

#include "ai/evaluation.h"
#include "ai/linecache.h"
#include "ai/searchboard.h"
#include "model/gamestate.h"

#include <cstdint>
#include <vector>

namespace tavolux {

struct FirstMove {
    int piece = 0;
    int hole = 0;
    friend bool operator==(const FirstMove&, const FirstMove&) = default;
};

struct SearchResult {
    FirstMove move;          // the piece and its destination
    bool found = false;      // false: no move; move is the first piece on its own hole
    bool finishing = false;  // a first move that brings all ten pieces home
    int depth = 0;           // 2, or 4 when the previous player is nearly home
    int candidates = 0;      // first moves that got a candidate slot
    int best = 0;            // whole-number part of the best leaf value
    uint64_t leaves = 0;     // lines scored in stage 3
};

class MoveSearch {
public:
    // Chooses the move of state.playerToMove. The tie-break draws the random
    // term of each leaf that could still become the best.
    SearchResult choose(const GameState& state, TieBreak& tieBreak);

    // After choose(): the candidate first moves that have a leaf worth
    // `best`, by piece then hole.
    std::vector<FirstMove> tiedMoves() const;

private:
    // One first move of stage 1 with the best reply of each other player.
    struct Candidate {
        FirstMove move;
        int replyBest[PlayerCount];
        FirstMove reply[PlayerCount];
        int baseValue;
        int bestLeaf;
    };

    bool findCandidates(SearchResult& result);
    void surveyReplies();
    void scoreReplies(Candidate& c);
    void setBaseValues();
    void exploreCandidate(int index);
    void expand(int level, int score, int total);
    void expandBeforeLast(int level, int score, int total, int moved, int from, int to);
    int takenDestinations(int k, bool& taken, uint8_t* list, PieceSurvey& survey);
    void playLine(int k, int to, int level, int score, int total);
    void scoreLastMoves(int score, int moved, int from, int to);
    void prepareLastMoves(int score);
    uint32_t changedPieces(int moved, int from, int to, uint32_t& recount);
    LastMoveSummary summariseLastMoves(uint32_t changed);
    int countLastMoves(uint32_t recount);
    bool mayReachBest(int score, int moved, int to, uint32_t changed) const;
    int firstDestinationDistance(int k, bool fresh);
    void scoreLeaf(int value);
    void scoreLeaves(int value, int count);

    // The position being searched.
    const GameState* state_ = nullptr;
    Position root_{};
    int me_ = 0;
    int first_ = 0;
    int depth_ = 2;

    Candidate candidates_[MaxCandidates];
    int used_ = 0;

    // Stage 1: each other player's piece at the root, with what its moves
    // can give as a reply: the best that does not take it farther from its
    // tip, and the best when its first destination counts whatever it is.
    // A first move that leaves the piece's footprint alone leaves these.
    struct ReplyPiece {
        int mover = -1;  // -1: not a piece of a player who replies
        int count = 0;
        int nearerGain = NoValue, anyGain = NoValue;
        int nearerHole = 0, anyHole = 0;
        Footprint seen;
    };
    ReplyPiece replies_[PieceCount];
    ReplyPiece summariseReplies(int i, int mover);

    // Stage 3: the board of the line being walked and the player's pieces.
    SearchBoard board_;
    const TargetDistances* mine_ = nullptr;
    int myCount_ = 0;
    uint8_t myHole_[PieceCount] = {};
    uint64_t positionKey_ = 0;  // of myHole_, for the line cache
    bool counted_[PieceCount] = {};  // among the ten pieces that the scores add up
    uint8_t lists_[4][BoardSlots] = {};
    // The node two moves above the end of a four-move line: each piece's
    // destinations there, what decides them and whether a piece before it
    // can move (as bits).
    PieceSurvey aboveSurveys_[PieceCount];
    uint8_t above_[PieceCount][BoardSlots] = {};
    int aboveCount_[PieceCount] = {};
    uint32_t aboveTaken_ = 0;
    // The node before the last move of a four-move line: the same there.
    PieceSurvey surveys_[PieceCount];
    uint32_t advancing_ = 0;  // pieces (as bits) that can come nearer
    uint32_t movable_ = 0;    // pieces that can move at all
    int weight_[PieceCount] = {};       // DistanceWeight of each counted piece's hole
    int surveyGain_[PieceCount] = {};   // the score gain of its nearest move
    bool countOnly_ = false;            // no last move here can reach the best
    // For the last moves of one piece: the pieces whose footprint holds the
    // hole it leaves, and those whose witness jumps over that hole.
    int leftPiece_ = -1;
    uint32_t leftSeen_ = 0;
    uint32_t leftWitness_ = 0;
    uint8_t beforeLast_[PieceCount][BoardSlots] = {};
    int beforeLastCount_[PieceCount] = {};
    LineCache cache_;

    // Stage 3: values found so far.
    TieBreak* tieBreak_ = nullptr;
    int current_ = 0;
    int base_ = 0;
    int64_t bestKey_ = 0;
    int bestWhole_ = 0;          // the highest whole-number leaf value so far
    int bestCandidate_ = -1;
    uint64_t leaves_ = 0;
};

} // namespace tavolux
