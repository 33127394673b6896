#include "model/savefile.h"

#include "model/board.h"

#include <algorithm>
#include <fstream>

namespace tavolux {

namespace {

class RecordWriter {
public:
    void u32(uint32_t v)
    {
        if (bytes.size() + 4 > SaveBufferSize)
            return;
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void text(const std::string& s)
    {
        if (bytes.size() + s.size() + 1 > SaveBufferSize)
            return;
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back(0);
    }
    std::vector<uint8_t> bytes;
};

class RecordReader {
public:
    RecordReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    // A value of which fewer than 4 bytes remain reads as 0 and consumes nothing.
    uint32_t u32()
    {
        if (size_ - at_ < 4)
            return 0;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(data_[at_ + i]) << (8 * i);
        at_ += 4;
        return v;
    }
    // A name without a NUL before the end reads as empty and consumes nothing.
    std::string text()
    {
        for (std::size_t i = at_; i < size_; ++i) {
            if (data_[i] != 0)
                continue;
            std::string s(reinterpret_cast<const char*>(data_ + at_), i - at_);
            at_ = i + 1;
            return s;
        }
        return {};
    }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Cuts a name to MaxNameLength bytes without splitting a UTF-8 sequence.
std::string cutName(std::string name)
{
    if (name.size() <= MaxNameLength)
        return name;
    std::size_t n = MaxNameLength;
    while (n > 0 && (static_cast<uint8_t>(name[n]) & 0xC0) == 0x80)
        --n;
    name.resize(n);
    return name;
}

bool isOwnerMark(uint32_t owner)
{
    return owner == 0 || owner == OwnerMark[0] || owner == OwnerMark[1] || owner == OwnerMark[2];
}

// Values no game can hold; loading such a file would break the rules' tables.
bool holdsImpossibleValues(const GameState& s)
{
    if (s.playerToMove >= PlayerCount || s.finishCount > PlayerCount)
        return true;
    if (s.boardRotation < 0 || s.boardRotation > 5)
        return true;
    if (s.animationSpeed < 0 || s.animationSpeed > 1)
        return true;
    for (int p = 0; p < PlayerCount; ++p) {
        const PlayerSlot& slot = s.slots[p];
        if (s.finishOrder[p] >= PlayerCount || slot.picture >= PictureCount)
            return true;
        if (slot.styleTowardLower < Friendly || slot.styleTowardLower > Hostile)
            return true;
        if (slot.styleTowardHigher < Friendly || slot.styleTowardHigher > Hostile)
            return true;
        if (slot.preferredView < 0 || slot.preferredView > 5)
            return true;
    }
    for (const PieceRecord& r : s.pieces)
        if (r.hole >= HoleCount || !isOwnerMark(r.owner))
            return true;
    return false;
}

// The pieces as a started game holds them: every active player's ten in its
// part of the table, the other records out of play, and no two pieces on one
// hole.
bool piecesAsPlaced(const GameState& s)
{
    int next = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        if (!s.slots[p].active)
            continue;
        for (int k = 0; k < PiecesPerPlayer; ++k, ++next)
            if (s.pieces[next].owner != OwnerMark[p])
                return false;
    }
    bool taken[HoleCount] = {};
    for (int i = 0; i < PieceCount; ++i) {
        const PieceRecord& r = s.pieces[i];
        if (i >= next && r.owner != 0)
            return false;
        if (r.owner == 0)
            continue;
        if (taken[r.hole])
            return false;
        taken[r.hole] = true;
    }
    return true;
}

// A game in progress that the turn cycle can play needs two players in play:
// a cycle with fewer never ends.
bool isPlayable(const GameState& s)
{
    int inPlay = 0;
    for (int p = 0; p < PlayerCount; ++p)
        inPlay += s.inPlay(p) ? 1 : 0;
    return inPlay >= 2;
}

// The finishing state of a started game as the turn cycle leaves it: a
// player marked finished has its ten pieces home, and finishOrder names the
// finished players once each, in the places they took. A game over has a
// place for every active player; the finished ones come first, at least one
// and not all of them (a file cut short before the slots has no players and
// no places). Flags are 0 or 1, so that a player is either in the
// game or out of it for every rule that reads them.
bool finishingStateHolds(const GameState& s)
{
    int active = 0, finished = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        const PlayerSlot& slot = s.slots[p];
        if ((slot.active != 0 && slot.active != 1) || (slot.finished != 0 && slot.finished != 1))
            return false;
        if (slot.finished && (!slot.active || targetDistanceSum(s, p) != 20))
            return false;
        active += slot.active;
        finished += slot.finished;
    }
    if (s.noGameStarted)
        return finished == 0 && s.finishCount == 0;
    const int places = s.gameOver ? active : finished;
    if (s.finishCount != places || (s.gameOver && active > 0 && (finished == 0 || finished == active)))
        return false;
    bool named[PlayerCount] = {};
    for (int i = 0; i < s.finishCount; ++i) {
        const int p = s.finishOrder[i];
        if (named[p] || !s.slots[p].active || (s.slots[p].finished != 0) != (i < finished))
            return false;
        named[p] = true;
    }
    return true;
}

} // namespace

std::vector<uint8_t> encodeGame(const GameState& s)
{
    RecordWriter w;
    w.u32(SaveSignature);
    for (const PlayerSlot& slot : s.slots)
        w.text(slot.name);
    w.u32(s.finishCount);
    w.u32(static_cast<uint32_t>(s.animationSpeed));
    w.u32(static_cast<uint32_t>(s.noGameStarted));
    w.u32(static_cast<uint32_t>(s.gameOver));
    w.u32(static_cast<uint32_t>(s.soundEnabled));
    w.u32(s.playerToMove);
    w.u32(s.slotCount);
    w.u32(static_cast<uint32_t>(s.boardRotation));
    for (int p = 0; p < PlayerCount; ++p) {
        const PlayerSlot& slot = s.slots[p];
        w.u32(slot.picture);
        w.u32(s.finishOrder[p]);
        w.u32(static_cast<uint32_t>(slot.styleTowardLower));
        w.u32(static_cast<uint32_t>(slot.styleTowardHigher));
        w.u32(static_cast<uint32_t>(slot.preferredView));
        w.u32(static_cast<uint32_t>(slot.active));
        w.u32(static_cast<uint32_t>(slot.autoReposition));
        w.u32(static_cast<uint32_t>(slot.finished));
    }
    for (const PieceRecord& r : s.pieces) {
        w.u32(r.hole);
        w.u32(r.owner);
    }
    return w.bytes;
}

LoadStatus decodeGame(const uint8_t* data, std::size_t size, GameState& out)
{
    size = std::min(size, SaveBufferSize);
    RecordReader r(data, size);
    if (size < 4 || r.u32() != SaveSignature)
        return LoadStatus::NotTavolux;

    // 16-bit fields are read whole first, so that a value too large for its
    // field is seen and refused rather than silently wrapped.
    auto as16 = [](uint32_t v, bool& bad) {
        if (v > 0xFFFF)
            bad = true;
        return static_cast<uint16_t>(v);
    };
    bool bad = false;
    GameState s = out;
    for (PlayerSlot& slot : s.slots)
        slot.name = cutName(r.text());
    s.finishCount = as16(r.u32(), bad);
    s.animationSpeed = static_cast<int32_t>(r.u32());
    s.noGameStarted = static_cast<int32_t>(r.u32());
    s.gameOver = static_cast<int32_t>(r.u32());
    s.soundEnabled = static_cast<int32_t>(r.u32());
    s.playerToMove = as16(r.u32(), bad);
    r.u32(); // slotCount: always 3 in this program, whatever the file says
    s.slotCount = PlayerCount;
    s.boardRotation = static_cast<int32_t>(r.u32());
    for (int p = 0; p < PlayerCount; ++p) {
        PlayerSlot& slot = s.slots[p];
        slot.picture = as16(r.u32(), bad);
        s.finishOrder[p] = as16(r.u32(), bad);
        slot.styleTowardLower = static_cast<int32_t>(r.u32());
        slot.styleTowardHigher = static_cast<int32_t>(r.u32());
        slot.preferredView = static_cast<int32_t>(r.u32());
        slot.active = static_cast<int32_t>(r.u32());
        slot.autoReposition = static_cast<int32_t>(r.u32());
        slot.finished = static_cast<int32_t>(r.u32());
    }
    for (PieceRecord& piece : s.pieces) {
        piece.hole = as16(r.u32(), bad);
        piece.owner = r.u32();
    }
    if (bad || holdsImpossibleValues(s))
        return LoadStatus::NotTavolux;
    // Anything else could not come from a game.
    if (!s.noGameStarted && !piecesAsPlaced(s))
        return LoadStatus::NotTavolux;
    if (!finishingStateHolds(s))
        return LoadStatus::NotTavolux;
    if (s.gameInProgress()) {
        if (!isPlayable(s))
            return LoadStatus::NotTavolux;
        // The turn passes over players who have finished or sit out, as it
        // does after every move.
        if (!s.inPlay(s.playerToMove))
            s.playerToMove = nextPlayer(s, s.playerToMove);
    }
    assignFirstPieces(s);
    out = s;
    return LoadStatus::Loaded;
}

std::string forceTvxExtension(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find('.', nameStart);
    return path.substr(0, dot == std::string::npos ? path.size() : dot) + ".tvx";
}

bool saveGameFile(const std::string& path, const GameState& s)
{
    const std::vector<uint8_t> bytes = encodeGame(s);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

LoadStatus loadGameFile(const std::string& path, GameState& out)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return LoadStatus::CannotOpen;
    uint8_t buffer[SaveBufferSize];
    file.read(reinterpret_cast<char*>(buffer), SaveBufferSize);
    const std::size_t n = static_cast<std::size_t>(file.gcount());
    if (file.bad())
        return LoadStatus::CannotOpen;
    return decodeGame(buffer, n, out);
}

} // namespace tavolux
