#include "model/savefile.h"

#include "model/board.h"
#include "model/fileio.h"
#include "model/moverules.h"

#include <algorithm>

namespace tavolux {

namespace {

class RecordWriter {
public:
    explicit RecordWriter(std::size_t limit) : limit_(limit) {}
    void u32(uint32_t v)
    {
        if (bytes.size() + 4 > limit_) {
            skipped = true;
            return;
        }
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void text(const std::string& s)
    {
        if (bytes.size() + s.size() + 1 > limit_) {
            skipped = true;
            return;
        }
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back(0);
    }
    std::vector<uint8_t> bytes;
    bool skipped = false; // a field did not fit

private:
    std::size_t limit_;
};

class RecordReader {
public:
    RecordReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    // A value of which fewer than 4 bytes remain reads as 0 and consumes nothing.
    uint32_t u32()
    {
        if (size_ - at_ < 4) {
            whole_ = false;
            return 0;
        }
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
        whole_ = false;
        return {};
    }
    // Whether every value read so far was there in full; only then does the
    // reading position mark the end of what was read.
    bool whole() const { return whole_; }
    std::size_t at() const { return at_; }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool whole_ = true;
};

constexpr uint8_t StrengthMagic[4] = {'T', 'V', 'X', 'e'};
constexpr uint8_t StrengthVersion = 1;
constexpr std::size_t StrengthHead = 6;  // magic, version, payload count
constexpr std::size_t StrengthBlockSize = StrengthHead + DesignSeatCount + 2;

// CRC-16/CCITT-FALSE (polynomial 0x1021, starting at 0xFFFF): any change
// within two neighbouring bytes alters it.
uint16_t blockCheck(const uint8_t* bytes, std::size_t n)
{
    uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < n; ++i) {
        crc = static_cast<uint16_t>(crc ^ (bytes[i] << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

bool isStrength(int32_t v) { return v >= 0 && v < StrengthCount; }

// The strengths block for a record of recordSize bytes; empty when every
// slot is Standard (a value out of range counts as Standard) or the block
// would not fit in the buffer.
std::vector<uint8_t> strengthBlock(const GameState& s, std::size_t recordSize)
{
    std::vector<uint8_t> block(StrengthMagic, StrengthMagic + 4);
    block.push_back(StrengthVersion);
    block.push_back(DesignSeatCount);
    bool allStandard = true;
    for (int p = 0; p < DesignSeatCount; ++p) {
        const PlayerSlot& slot = s.slots[p];
        const int32_t v = isStrength(slot.strength) ? slot.strength : Standard;
        allStandard = allStandard && v == Standard;
        block.push_back(static_cast<uint8_t>(v));
    }
    if (allStandard || recordSize + StrengthBlockSize > SaveBufferSize)
        return {};
    const uint16_t check = blockCheck(block.data(), block.size());
    block.push_back(static_cast<uint8_t>(check));
    block.push_back(static_cast<uint8_t>(check >> 8));
    return block;
}

// Sets the slots' strengths from a block that fills `bytes` exactly and is
// sound in every part; any other bytes leave every slot at Standard.
void readStrengths(const uint8_t* bytes, std::size_t n, GameState& s)
{
    for (PlayerSlot& slot : s.slots)
        slot.strength = Standard;
    if (n != StrengthBlockSize || !std::equal(StrengthMagic, StrengthMagic + 4, bytes))
        return;
    if (bytes[4] != StrengthVersion || bytes[5] != DesignSeatCount)
        return;
    const std::size_t checkAt = StrengthHead + DesignSeatCount;
    if (blockCheck(bytes, checkAt) != (bytes[checkAt] | bytes[checkAt + 1] << 8))
        return;
    if (!std::all_of(bytes + StrengthHead, bytes + checkAt, [](uint8_t v) { return isStrength(v); }))
        return;
    for (int p = 0; p < DesignSeatCount; ++p)
        s.slots[p].strength = bytes[StrengthHead + p];
}

bool isOwnerMark(uint32_t owner, int seats)
{
    return owner == 0 || std::find(OwnerMark, OwnerMark + seats, owner) != OwnerMark + seats;
}

// Values no game can hold; loading such a file would break the rules' tables.
bool holdsImpossibleValues(const GameState& s, int seats)
{
    if (s.playerToMove >= seats || s.finishCount > seats)
        return true;
    if (s.boardRotation < 0 || s.boardRotation > 5)
        return true;
    if (s.animationSpeed < 0 || s.animationSpeed > 1)
        return true;
    for (int p = 0; p < seats; ++p) {
        const PlayerSlot& slot = s.slots[p];
        if (s.finishOrder[p] >= seats || slot.picture >= PictureCount)
            return true;
        if (slot.styleTowardLower < Friendly || slot.styleTowardLower > Hostile)
            return true;
        if (slot.styleTowardHigher < Friendly || slot.styleTowardHigher > Hostile)
            return true;
        if (slot.preferredView < 0 || slot.preferredView > 5)
            return true;
    }
    for (const PieceRecord& r : s.pieces)
        if (r.hole >= HoleCount || !isOwnerMark(r.owner, seats))
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
        if (slot.finished && (!slot.active || !isHome(s, p)))
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

// The fields both formats hold, for `seats` seats and their pieces; the
// six-seat format adds each seat's strength to its fields.
void writeFields(RecordWriter& w, const GameState& s, int seats)
{
    const bool sixSeats = seats == PlayerCount;
    for (int p = 0; p < seats; ++p)
        w.text(s.slots[p].name);
    w.u32(s.finishCount);
    w.u32(static_cast<uint32_t>(s.animationSpeed));
    w.u32(static_cast<uint32_t>(s.noGameStarted));
    w.u32(static_cast<uint32_t>(s.gameOver));
    w.u32(static_cast<uint32_t>(s.soundEnabled));
    w.u32(s.playerToMove);
    w.u32(static_cast<uint32_t>(seats));
    w.u32(static_cast<uint32_t>(s.boardRotation));
    for (int p = 0; p < seats; ++p) {
        const PlayerSlot& slot = s.slots[p];
        w.u32(slot.picture);
        w.u32(s.finishOrder[p]);
        w.u32(static_cast<uint32_t>(slot.styleTowardLower));
        w.u32(static_cast<uint32_t>(slot.styleTowardHigher));
        w.u32(static_cast<uint32_t>(slot.preferredView));
        w.u32(static_cast<uint32_t>(slot.active));
        w.u32(static_cast<uint32_t>(slot.autoReposition));
        w.u32(static_cast<uint32_t>(slot.finished));
        if (sixSeats)
            w.u32(static_cast<uint32_t>(isStrength(slot.strength) ? slot.strength : Standard));
    }
    for (int i = 0; i < seats * PiecesPerPlayer; ++i) {
        w.u32(s.pieces[i].hole);
        w.u32(s.pieces[i].owner);
    }
}

// Reads what writeFields wrote into `s`; `bad` is set for a 16-bit field
// whose value does not fit. The seats the format has no room for sit out.
void readFields(RecordReader& r, GameState& s, int seats, bool& bad)
{
    // 16-bit fields are read whole first, so that a value too large for its
    // field is seen and refused rather than silently wrapped.
    auto as16 = [&bad](uint32_t v) {
        if (v > 0xFFFF)
            bad = true;
        return static_cast<uint16_t>(v);
    };
    const bool sixSeats = seats == PlayerCount;
    for (int p = 0; p < seats; ++p)
        s.slots[p].name = cutName(r.text());
    s.finishCount = as16(r.u32());
    s.animationSpeed = static_cast<int32_t>(r.u32());
    s.noGameStarted = static_cast<int32_t>(r.u32());
    s.gameOver = static_cast<int32_t>(r.u32());
    s.soundEnabled = static_cast<int32_t>(r.u32());
    s.playerToMove = as16(r.u32());
    // The seat count: the classic format always has three, whatever the
    // file says; the six-seat one must say six.
    if (r.u32() != uint32_t(seats) && sixSeats)
        bad = true;
    s.slotCount = static_cast<uint16_t>(seats);
    s.boardRotation = static_cast<int32_t>(r.u32());
    for (int p = 0; p < seats; ++p) {
        PlayerSlot& slot = s.slots[p];
        slot.picture = as16(r.u32());
        s.finishOrder[p] = as16(r.u32());
        slot.styleTowardLower = static_cast<int32_t>(r.u32());
        slot.styleTowardHigher = static_cast<int32_t>(r.u32());
        slot.preferredView = static_cast<int32_t>(r.u32());
        slot.active = static_cast<int32_t>(r.u32());
        slot.autoReposition = static_cast<int32_t>(r.u32());
        slot.finished = static_cast<int32_t>(r.u32());
        if (sixSeats) {
            const uint32_t strength = r.u32();
            bad = bad || strength >= uint32_t(StrengthCount);
            slot.strength = static_cast<int32_t>(strength);
        }
    }
    for (int i = 0; i < seats * PiecesPerPlayer; ++i) {
        s.pieces[i].hole = as16(r.u32());
        s.pieces[i].owner = r.u32();
    }
    for (int p = seats; p < PlayerCount; ++p) {
        s.slots[p].active = s.slots[p].finished = 0;
        s.finishOrder[p] = 0;
    }
    for (int i = seats * PiecesPerPlayer; i < PieceCount; ++i)
        s.pieces[i] = {};
}

// Whether a game read from a file could have come from a game: the values
// in range, the pieces and the finishing state as play leaves them. The
// player to move is moved on past a seat out of play, as after every move.
bool soundGame(GameState& s, int seats)
{
    if (holdsImpossibleValues(s, seats))
        return false;
    if (!s.noGameStarted && !piecesAsPlaced(s))
        return false;
    if (!finishingStateHolds(s))
        return false;
    if (s.gameInProgress()) {
        if (!isPlayable(s))
            return false;
        if (!s.inPlay(s.playerToMove))
            s.playerToMove = nextPlayer(s, s.playerToMove);
    }
    assignFirstPieces(s);
    return true;
}

std::vector<uint8_t> encodeSixSeats(const GameState& s)
{
    RecordWriter w(SixSeatBufferSize);
    w.u32(SixSeatSignature);
    w.u32(SixSeatVersion);
    writeFields(w, s, PlayerCount);
    return w.bytes;
}

// The six-seat format is read whole or not at all: nothing missing, nothing
// after the last field.
LoadStatus decodeSixSeats(const uint8_t* data, std::size_t size, GameState& out)
{
    if (size > SixSeatBufferSize)
        return LoadStatus::NotTavolux;
    RecordReader r(data, size);
    r.u32(); // the signature
    if (r.u32() != SixSeatVersion)
        return LoadStatus::NotTavolux;
    bool bad = false;
    GameState s = out;
    readFields(r, s, PlayerCount, bad);
    if (bad || !r.whole() || r.at() != size || !soundGame(s, PlayerCount))
        return LoadStatus::NotTavolux;
    out = s;
    return LoadStatus::Loaded;
}

} // namespace

std::vector<uint8_t> encodeGame(const GameState& s)
{
    if (!usesOnlyDesignSeats(s))
        return encodeSixSeats(s);
    RecordWriter w(SaveBufferSize);
    w.u32(SaveSignature);
    writeFields(w, s, DesignSeatCount);
    // A record with a field left out is not read back where it was written,
    // so a block after it could not be found.
    if (!w.skipped) {
        const std::vector<uint8_t> block = strengthBlock(s, w.bytes.size());
        w.bytes.insert(w.bytes.end(), block.begin(), block.end());
    }
    return w.bytes;
}

LoadStatus decodeGame(const uint8_t* data, std::size_t size, GameState& out)
{
    if (size >= 4 && RecordReader(data, size).u32() == SixSeatSignature)
        return decodeSixSeats(data, size, out);
    // Bytes past the buffer are not read; they only tell that a block ending
    // at the buffer's end has bytes after it.
    const bool beyondBuffer = size > SaveBufferSize;
    size = std::min(size, SaveBufferSize);
    RecordReader r(data, size);
    if (size < 4 || r.u32() != SaveSignature)
        return LoadStatus::NotTavolux;
    bool bad = false;
    GameState s = out;
    readFields(r, s, DesignSeatCount, bad);
    const bool recordRead = r.whole() && !beyondBuffer;
    readStrengths(data + r.at(), recordRead ? size - r.at() : 0, s);
    // Anything else could not come from a game.
    if (bad || !soundGame(s, DesignSeatCount))
        return LoadStatus::NotTavolux;
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
    return static_cast<bool>(
        writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

LoadStatus loadGameFile(const std::string& path, GameState& out)
{
    // One byte more than is read, so that the decoder sees whether the file
    // goes on past the buffer.
    const FileReading file = readRegularFile(path, SaveReadSize);
    if (!file.result)
        return LoadStatus::CannotOpen;
    return decodeGame(reinterpret_cast<const uint8_t*>(file.bytes.data()), file.bytes.size(), out);
}

} // namespace tavolux
