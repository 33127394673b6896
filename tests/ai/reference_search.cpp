#include "reference_search.h"

#include "model/board.h"
#include "model/movegen.h"
#include "model/moverules.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace tavolux::testing {

namespace {

constexpr double Weight[17] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 14, 17, 20, 23, 26, 29, 32};
constexpr double Unset = -1000000.0;
constexpr int Slots = 250;

struct Node {
    Node* next = nullptr;
    Node* prev = nullptr;
    Position positions[5]{};
    uint16_t lastMover = 0;
    uint16_t level = 0;
    uint16_t slot = Slots;
    uint32_t count = 0;
    double baseValue = 0;
    double replyBest[3] = {Unset, Unset, Unset};
};

// The circular list through a head node.
class NodeList {
public:
    NodeList() { head_.next = head_.prev = &head_; }
    ~NodeList()
    {
        while (!empty())
            delete popBack();
    }
    bool empty() const { return head_.count == 0; }
    void pushBack(Node* n) { insertAfter(head_.prev, n); }
    void pushFront(Node* n) { insertAfter(&head_, n); }
    Node* popBack()
    {
        Node* n = head_.prev;
        n->prev->next = &head_;
        head_.prev = n->prev;
        --head_.count;
        return n;
    }

private:
    void insertAfter(Node* at, Node* n)
    {
        n->prev = at;
        n->next = at->next;
        at->next->prev = n;
        at->next = n;
        ++head_.count;
    }
    Node head_;
};

int dist(int a, int b) { return HoleDistance[a][b]; }
int apex(int p) { return TargetApex[p]; }

int total(const GameState& s, const Position& pos, int p)
{
    int sum = 0;
    for (int i = s.slots[p].firstPiece; i < s.slots[p].firstPiece + 10; ++i)
        sum += dist(pos[i].hole, apex(p));
    return sum;
}

double score(const GameState& s, const Position& pos, int p)
{
    double sum = 0;
    for (int i = s.slots[p].firstPiece; i < s.slots[p].firstPiece + 10; ++i)
        sum -= Weight[dist(pos[i].hole, apex(p))];
    return sum;
}

double style(int st, double reply) { return st == Friendly ? reply : st == Hostile ? -2 * reply : 0; }

std::vector<int> destinationsOf(MoveGenerator& gen, int p, int i, const Position& pos)
{
    gen.findDestinations(p, i, pos);
    std::vector<int> out;
    for (const uint16_t* d = gen.destinations; *d != ListEnd; ++d)
        out.push_back(*d);
    return out;
}

ReferenceMove firstChanged(const GameState& s, int me, const Position& pos)
{
    for (int j = 0; j < PieceCount; ++j)
        if (s.pieces[j].owner == OwnerMark[me] && pos[j].hole != s.pieces[j].hole)
            return {j, pos[j].hole};
    return {};
}

struct Slot {
    Position pos{};
    double replyBest[3] = {Unset, Unset, Unset};
    double bestWhole = Unset;
};

} // namespace

ReferenceResult referenceSearch(const GameState& s, const std::function<double()>& random)
{
    ReferenceResult r;
    const int me = s.playerToMove;
    MoveGenerator gen;
    std::vector<Slot> slots(Slots);
    int used = 0;
    NodeList list;
    Node* root = new Node;
    root->positions[0] = s.pieces;
    root->lastMover = previousPlayer(s, me);
    list.pushBack(root);

    // Stage 1.
    bool first = true;
    while (!list.empty()) {
        std::unique_ptr<Node> n(list.popBack());
        if (first) {
            r.depth = total(s, n->positions[0], n->lastMover) < 28 ? 4 : 2;
            first = false;
        }
        const int L = n->level;
        const int p1 = nextPlayer(s, n->lastMover), p2 = nextPlayer(s, p1);
        if (L > 0 && p1 == me)
            continue; // nobody else in play: no replies
        bool taken = false;
        for (int i = 0; i < PieceCount; ++i) {
            const uint32_t owner = n->positions[L][i].owner;
            int m;
            if (owner == OwnerMark[p1])
                m = p1;
            else if (L != 0 && p2 != me && owner == OwnerMark[p2])
                m = p2;
            else
                continue;
            for (int d : destinationsOf(gen, m, i, n->positions[L])) {
                const int from = dist(n->positions[L][i].hole, apex(m)), to = dist(d, apex(m));
                if (!(to <= from || m == me || !taken))
                    continue;
                taken = true;
                auto x = std::make_unique<Node>();
                x->lastMover = static_cast<uint16_t>(m);
                x->level = static_cast<uint16_t>(L + 1);
                x->slot = n->slot;
                x->positions[L + 1] = n->positions[L];
                x->positions[L + 1][i].hole = static_cast<uint16_t>(d);
                const Position& xp = x->positions[L + 1];
                if (m == me) {
                    if (total(s, xp, me) == HomeDistanceSum) {
                        r.candidates = used;
                        r.finishing = r.found = true;
                        r.move = firstChanged(s, me, x->positions[1]);
                        return r;
                    }
                    const double v = score(s, xp, me);
                    if (used < Slots) {
                        Slot& sl = slots[used];
                        sl.replyBest[me] = v;
                        sl.pos = xp;
                        x->slot = static_cast<uint16_t>(used++);
                    } else {
                        x->slot = Slots;
                    }
                    list.pushFront(x.release());
                } else if (x->slot != Slots) {
                    const double v = score(s, xp, m);
                    Slot& sl = slots[x->slot];
                    if (v > sl.replyBest[m]) {
                        sl.replyBest[m] = v;
                        for (int k = 0; k < PieceCount; ++k)
                            if (xp[k].owner == OwnerMark[m])
                                sl.pos[k] = xp[k];
                    }
                }
            }
        }
    }
    r.candidates = used;

    // Stage 2.
    const int lower = me == 0 ? 1 : 0, higher = me == 2 ? 1 : 2;
    for (int k = 0; k < used; ++k) {
        Node* n = new Node;
        n->lastMover = static_cast<uint16_t>(me);
        n->level = 1;
        n->slot = static_cast<uint16_t>(k);
        n->positions[1] = slots[k].pos;
        n->baseValue = slots[k].replyBest[me];
        if (s.slots[lower].active && slots[k].replyBest[lower] != Unset)
            n->baseValue += style(s.slots[me].styleTowardLower, slots[k].replyBest[lower]);
        if (s.slots[higher].active && slots[k].replyBest[higher] != Unset)
            n->baseValue += style(s.slots[me].styleTowardHigher, slots[k].replyBest[higher]);
        list.pushBack(n);
    }

    // Stage 3.
    double best = Unset;
    Position bestPos{};
    while (!list.empty()) {
        std::unique_ptr<Node> n(list.popBack());
        const int L = n->level;
        bool taken = false;
        for (int i = 0; i < PieceCount; ++i) {
            if (n->positions[L][i].owner != OwnerMark[me])
                continue;
            struct Chosen {
                int hole, gain;
            };
            std::vector<Chosen> chosen;
            for (int d : destinationsOf(gen, me, i, n->positions[L])) {
                const int gain = dist(n->positions[L][i].hole, apex(me)) - dist(d, apex(me));
                if (!(gain > 0 || !taken))
                    continue;
                taken = true;
                if (L < r.depth - 1 || chosen.empty())
                    chosen.push_back({d, gain});
                else if (gain > chosen[0].gain)
                    chosen[0] = {d, gain};
            }
            for (const Chosen& c : chosen) {
                auto x = std::make_unique<Node>();
                x->lastMover = static_cast<uint16_t>(me);
                x->level = static_cast<uint16_t>(L + 1);
                x->slot = n->slot;
                x->baseValue = n->baseValue;
                for (int k = 1; k <= L; ++k)
                    x->positions[k] = n->positions[k];
                x->positions[L + 1] = n->positions[L];
                x->positions[L + 1][i].hole = static_cast<uint16_t>(c.hole);
                const double own = score(s, x->positions[L + 1], me);
                const double v = own + random() + x->baseValue;
                if (total(s, x->positions[L + 1], me) == HomeDistanceSum || L + 1 >= r.depth) {
                    ++r.leaves;
                    slots[x->slot].bestWhole = std::max(slots[x->slot].bestWhole, own + x->baseValue);
                    if (v > best) {
                        best = v;
                        bestPos = x->positions[1];
                    }
                } else {
                    list.pushBack(x.release());
                }
            }
        }
    }

    if (best == Unset) {
        const int f = s.slots[me].firstPiece;
        r.move = {f, s.pieces[f].hole};
        return r;
    }
    r.found = true;
    r.move = firstChanged(s, me, bestPos);
    double top = Unset;
    for (int k = 0; k < used; ++k)
        top = std::max(top, slots[k].bestWhole);
    r.best = static_cast<int>(top);
    for (int k = 0; k < used; ++k)
        if (slots[k].bestWhole == top)
            r.ties.push_back(firstChanged(s, me, slots[k].pos));
    std::sort(r.ties.begin(), r.ties.end(),
              [](const ReferenceMove& a, const ReferenceMove& b) { return a.piece != b.piece ? a.piece < b.piece : a.hole < b.hole; });
    return r;
}

} // namespace tavolux::testing
