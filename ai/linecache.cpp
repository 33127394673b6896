#include "ai/linecache.h"

#include <cstring>

namespace tavolux {

LineCache::LineCache() : entries_(new Entry[Size]) {}

void LineCache::clear()
{
    if (++generation_ != 0)
        return;
    // After 2^32 clears the stamps would repeat: start the table afresh.
    for (int i = 0; i < Size; ++i)
        entries_[i].generation = 0;
    generation_ = 1;
}

bool LineCache::matches(const Entry& e, const uint8_t* holes, int count) const
{
    return e.generation == generation_ && std::memcmp(e.holes, holes, count) == 0;
}

const LastMoveSummary* LineCache::find(uint64_t key, const uint8_t* holes, int count) const
{
    if (count > MaxPieces)
        return nullptr;
    for (int p = 0; p < Probes; ++p) {
        const Entry& e = entries_[(key + p) & (Size - 1)];
        if (e.generation != generation_)
            return nullptr;
        if (matches(e, holes, count))
            return &e.summary;
    }
    return nullptr;
}

void LineCache::store(uint64_t key, const uint8_t* holes, int count, const LastMoveSummary& summary)
{
    if (count > MaxPieces)
        return;
    for (int p = 0; p < Probes; ++p) {
        Entry& e = entries_[(key + p) & (Size - 1)];
        if (e.generation == generation_)
            continue;
        e.generation = generation_;
        std::memcpy(e.holes, holes, count);
        e.summary = summary;
        return;
    }
}

} // namespace tavolux
