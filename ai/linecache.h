#pragma once
// What the last move of a line yields from one position, remembered for the
// rest of one candidate first move: the same position is often reached by
// playing two moves in either order. Entries hold the exact holes of the
// player's pieces, so a hit is never a different position. The table has a
// fixed size; when its probe window is full a position is simply not kept.

#include <cstdint>
#include <memory>

namespace tavolux {

// The leaves of one node before a line's last move, relative to its score.
// A node that could not reach the best line is only counted; as the best
// value only rises, it never needs its values later.
struct LastMoveSummary {
    uint8_t leaves = 0;     // lines scored
    uint8_t atBest = 0;     // of them, how many reach bestGain
    int16_t bestGain = 0;   // the largest score change of a last move
    bool valued = false;    // atBest and bestGain are known
};

class LineCache {
public:
    static constexpr int MaxPieces = 16;  // positions with more pieces are not kept

    LineCache();

    // Forgets every entry (done for each candidate first move).
    void clear();
    // The entry for these holes, or nullptr.
    const LastMoveSummary* find(uint64_t key, const uint8_t* holes, int count) const;
    void store(uint64_t key, const uint8_t* holes, int count, const LastMoveSummary& summary);

private:
    static constexpr int Size = 1 << 13;
    static constexpr int Probes = 4;
    struct Entry {
        uint32_t generation = 0;
        uint8_t holes[MaxPieces] = {};
        LastMoveSummary summary;
    };
    bool matches(const Entry& e, const uint8_t* holes, int count) const;

    std::unique_ptr<Entry[]> entries_;
    uint32_t generation_ = 1;
};

} // namespace tavolux
