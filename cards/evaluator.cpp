#include "cards/evaluator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The evaluator is a fixed chain of tests, strongest category first; the
// first test that succeeds decides. The opponents' estimate runs it thousands
// of times per decision, so the common case is a table lookup:
//
// - Without five cards of one suit neither the straight flush test nor the
//   flush test can succeed (a straight flush puts five cards into the suit
//   of its starting card), and every later test reads only how many cards of
//   each rank there are. So for those hands the result is a function of the
//   rank counts alone. There are 50,388 ways to spread seven cards over the
//   thirteen ranks; at start-up the chain is run once for each of them and
//   the results are stored under a perfect hash of the counts.
// - A hand with five or more cards of one suit (about one in thirty) runs
//   the straight flush and flush tests directly on the cards.
//
// The counts are gathered by adding one 64-bit key per card, which also
// counts the cards of each suit, so the whole common case is seven additions,
// two multiplications and two table reads, without a branch that depends on
// the cards.
//
// The game only hands over seven different cards of the deck. Anything else
// still gets the chain's answer: a repeated card simply counts twice (the
// table covers up to seven cards of a rank), and a card outside the deck
// sends the hand down a careful path that skips such cards and lets a kicker
// that does not exist count 0. Nothing is ever read out of bounds.

namespace stud {

namespace {

// ---- the chain, written on rank masks (bit r = rank r) ----------------------

// Highest rank in a mask; -1 for an empty one.
int top(std::uint32_t mask) {
    return std::bit_width(mask) - 1;
}

// One of the straight walks: from `start`, climb while the next rank is held.
// Returns the top rank and sets n to the number of steps.
int walk(std::uint32_t held, int start, int& n) {
    int t = start;
    n = 0;
    while (t + 1 <= 12 && ((held >> (t + 1)) & 1)) {
        ++t;
        ++n;
    }
    return t;
}

// The k highest ranks of a mask, weighted; a missing rank counts 0.
int weighted(std::uint32_t mask, std::array<int, 3> weights) {
    int sum = 0;
    for (int w : weights) {
        if (mask == 0) break;
        const int r = top(mask);
        sum += w * r;
        mask &= ~(std::uint32_t{1} << r);
    }
    return sum;
}

bool inDeck(const Card& c) {
    return static_cast<std::uint32_t>(c.suit) < 4 && static_cast<std::uint32_t>(c.rank) < 13;
}

// Ranks held at least once, twice, three and four times.
struct Counts {
    std::uint32_t held = 0, pairs = 0, trips = 0, quads = 0;

    void add(int rank) {
        const std::uint32_t b = std::uint32_t{1} << rank;
        quads |= trips & b;
        trips |= pairs & b;
        pairs |= held & b;
        held |= b;
    }
};

// The straight flush and flush tests, for cards with five or more of suit f;
// fm holds the ranks of that suit. One of the two always decides.
HandValue flushChain(const Hand& cards, int f, std::uint32_t fm, std::uint32_t held) {
    const std::uint32_t starts = held & (held >> 1); // x with x and x + 1 held
    if (starts != 0) {
        const int x = std::countr_zero(starts);
        // Only the first card of rank x, in slot order, may start the run.
        if (((fm >> x) & 0x1F) == 0x1F) {
            for (const Card& c : cards) {
                if (c.rank == x && inDeck(c)) {
                    if (c.suit == f) return {1000, 0};
                    break;
                }
            }
        }
    }
    return {450 + top(fm), 0};
}

// The tests from the straight down, for cards without a flush.
HandValue countChain(const Counts& m) {
    // Straight: the walk from the lowest start, with the wheel, then the walk
    // from the next start.
    if (const std::uint32_t starts = m.held & (m.held >> 1)) {
        const int a = std::countr_zero(starts);
        int n = 0;
        const int t = walk(m.held, a, n);
        if (n >= 4) return {400 + t, 0};
        if (n == 3 && t == 3 && ((m.held >> 12) & 1)) return {403, 0};
        if (const std::uint32_t others = starts & ~(std::uint32_t{1} << a)) {
            const int t2 = walk(m.held, std::countr_zero(others), n);
            if (n >= 4) return {400 + t2, 0};
        }
    }
    if (m.quads != 0) return {800 + std::countr_zero(m.quads), 0};
    if (m.trips != 0) {
        const int t = top(m.trips);
        const std::uint32_t tbit = std::uint32_t{1} << t;
        if (const std::uint32_t p = m.pairs & ~tbit) return {500 + t, 5 * top(p)};
        return {300 + t, weighted(m.held & ~tbit, {5, 1, 0})};
    }
    if (m.pairs != 0) {
        const int p1 = top(m.pairs);
        const std::uint32_t p1bit = std::uint32_t{1} << p1;
        if (const std::uint32_t second = m.pairs & ~p1bit) {
            const int p2 = top(second);
            const std::uint32_t others = m.held & ~p1bit & ~(std::uint32_t{1} << p2);
            return {200 + p1, 5 * p2 + weighted(others, {1, 0, 0})};
        }
        return {100 + p1, weighted(m.held & ~p1bit, {5, 3, 1})};
    }
    if (m.held == 0) return {0, 0}; // nothing from the deck at all
    const int h = top(m.held);
    return {h, weighted(m.held & ~(std::uint32_t{1} << h), {5, 1, 0})};
}

// Card by card, for anything: cards outside the deck are skipped, repeated
// cards count as often as they appear.
[[gnu::noinline]] HandValue evaluateCarefully(const Hand& cards) {
    Counts m;
    std::array<std::uint32_t, 4> suitranks{};
    std::array<int, 4> suitcards{};
    for (const Card& c : cards) {
        if (!inDeck(c)) continue;
        m.add(c.rank);
        suitranks[static_cast<std::size_t>(c.suit)] |= std::uint32_t{1} << c.rank;
        ++suitcards[static_cast<std::size_t>(c.suit)];
    }
    // Seven cards leave room for only one suit with five.
    for (int s = 0; s < 4; ++s)
        if (suitcards[static_cast<std::size_t>(s)] >= 5)
            return flushChain(cards, s, suitranks[static_cast<std::size_t>(s)], m.held);
    return countChain(m);
}

// Cards of the deck with five or more in suit f.
[[gnu::noinline]] HandValue flushHand(const Hand& cards, int f) {
    std::uint32_t held = 0, fm = 0;
    for (const Card& c : cards) {
        const std::uint32_t b = std::uint32_t{1} << c.rank;
        held |= b;
        fm |= c.suit == f ? b : 0;
    }
    return flushChain(cards, f, fm, held);
}

// ---- the lookup -------------------------------------------------------------

// The sum of the card keys: bits 0..38 count the cards of each rank (three
// bits a rank, enough for seven), bits 39..42 count cards with a rank of 13
// to 15, bits 44..59 count the cards of each suit in four bits, starting at 3
// so that a fifth card sets the top bit.
constexpr std::uint64_t kRankCounts = (std::uint64_t{1} << 39) - 1;
constexpr std::uint64_t kStray = std::uint64_t{0xF} << 39;
constexpr std::uint64_t kSuitStart = std::uint64_t{0x3333} << 44;
constexpr std::uint64_t kFive = std::uint64_t{0x8888} << 44;

struct CardKeys {
    std::array<std::uint64_t, 64> key{}; // by 16 * suit + rank
};

constexpr CardKeys makeCardKeys() {
    CardKeys k;
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 16; ++r)
            k.key[static_cast<std::size_t>(16 * s + r)] =
                (r < 13 ? std::uint64_t{1} << (3 * r) : std::uint64_t{1} << 39) |
                std::uint64_t{1} << (44 + 4 * s);
    return k;
}

constexpr CardKeys kCardKeys = makeCardKeys();

// A perfect hash of the rank counts by "hash and displace": the counts pick
// a bucket and a home slot; each bucket has a displacement, xor-ed into the
// home slot, chosen when the table is built so that no two counts meet.
constexpr int kBucketBits = 13; // about six counts per bucket
constexpr int kSlotBits = 16;   // 65,536 slots for 50,388 counts

struct Lookup {
    bool built = false; // false until construction succeeded: use the careful path
    std::uint64_t mulBucket = 0;
    std::uint64_t mulSlot = 0;
    std::array<std::uint16_t, std::size_t{1} << kBucketBits> disp{};
    std::array<std::uint32_t, std::size_t{1} << kSlotBits> value{}; // score | kick << 16

    std::uint32_t bucketOf(std::uint64_t counts) const {
        return static_cast<std::uint32_t>((counts * mulBucket) >> (64 - kBucketBits));
    }
    std::uint32_t homeOf(std::uint64_t counts) const {
        return static_cast<std::uint32_t>((counts * mulSlot) >> (64 - kSlotBits));
    }

    Lookup() {
        try {
            build();
        } catch (const std::bad_alloc&) {
            built = false; // every hand goes the careful way; slower, never wrong
        }
    }

    void build() {
        std::vector<std::uint64_t> keys;
        std::vector<std::uint32_t> values;
        keys.reserve(50'388);
        values.reserve(50'388);
        std::array<int, 13> count{};
        // Every way of spreading seven cards over the thirteen ranks.
        auto spread = [&](auto&& self, int r, int left) -> void {
            if (r == 12) {
                count[12] = left;
                Counts m;
                std::uint64_t key = 0;
                for (int i = 0; i < 13; ++i) {
                    for (int k = 0; k < count[static_cast<std::size_t>(i)]; ++k) m.add(i);
                    key += static_cast<std::uint64_t>(count[static_cast<std::size_t>(i)])
                           << (3 * i);
                }
                const HandValue v = countChain(m);
                keys.push_back(key);
                values.push_back(static_cast<std::uint32_t>(v.handscore) |
                                 static_cast<std::uint32_t>(v.kickscore) << 16);
                return;
            }
            for (int c = 0; c <= left; ++c) {
                count[static_cast<std::size_t>(r)] = c;
                self(self, r + 1, left - c);
            }
        };
        spread(spread, 0, 7);

        // Multipliers from a fixed sequence: the same table on every run. The
        // first pair already works; the others are there so that a failure
        // can only ever cost time.
        std::uint64_t state = 0x5EED;
        auto next = [&state] {
            std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            return (z ^ (z >> 31)) | 1;
        };
        for (int attempt = 0; attempt < 64 && !built; ++attempt) {
            mulBucket = next();
            mulSlot = next();
            built = place(keys, values);
        }
    }

    // Largest buckets first, each with the smallest displacement that lands
    // all its counts on free slots.
    bool place(const std::vector<std::uint64_t>& keys, const std::vector<std::uint32_t>& values) {
        std::vector<std::vector<std::uint32_t>> buckets(disp.size());
        for (std::uint32_t i = 0; i < keys.size(); ++i) buckets[bucketOf(keys[i])].push_back(i);
        std::vector<std::uint32_t> order(buckets.size());
        for (std::uint32_t b = 0; b < order.size(); ++b) order[b] = b;
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return buckets[a].size() > buckets[b].size();
        });
        std::vector<bool> used(value.size());
        std::vector<std::uint32_t> slots;
        for (std::uint32_t b : order) {
            const std::vector<std::uint32_t>& members = buckets[b];
            if (members.empty()) break;
            bool placed = false;
            for (std::uint32_t d = 0; d < value.size() && !placed; ++d) {
                slots.clear();
                placed = true;
                for (std::uint32_t i : members) {
                    const std::uint32_t s = homeOf(keys[i]) ^ d;
                    if (used[s] || std::find(slots.begin(), slots.end(), s) != slots.end()) {
                        placed = false;
                        break;
                    }
                    slots.push_back(s);
                }
                if (placed) {
                    disp[b] = static_cast<std::uint16_t>(d);
                    for (std::size_t k = 0; k < members.size(); ++k) {
                        used[slots[k]] = true;
                        value[slots[k]] = values[members[k]];
                    }
                }
            }
            if (!placed) return false;
        }
        return true;
    }
};

// Built during start-up. Until then (a static initialiser elsewhere that
// ranks hands) it reads as not built and the careful path answers.
Lookup gLookup;

// False when every suit is 0..3 and every rank 0..15; ranks 13..15 are
// counted apart by the card keys.
inline bool farOutside(const Hand& cards) {
#if defined(__SSE2__)
    static_assert(sizeof(Hand) == 56);
    const auto* p = reinterpret_cast<const __m128i*>(cards.data());
    const __m128i all = _mm_or_si128(_mm_or_si128(_mm_loadu_si128(p), _mm_loadu_si128(p + 1)),
                                     _mm_or_si128(_mm_loadu_si128(p + 2), _mm_loadl_epi64(p + 3)));
    const __m128i high = _mm_and_si128(all, _mm_setr_epi32(~3, ~15, ~3, ~15));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(high, _mm_setzero_si128())) != 0xFFFF;
#else
    std::uint32_t all = 0;
    for (const Card& c : cards)
        all |= (static_cast<std::uint32_t>(c.suit) & ~3u) |
               (static_cast<std::uint32_t>(c.rank) & ~15u);
    return all != 0;
#endif
}

} // namespace

namespace detail {
// For the tests: whether the lookup is in place, so that they know they
// check the fast path and not only the careful one.
bool evaluatorLookupReady() noexcept {
    return gLookup.built;
}
} // namespace detail

HandValue evaluate(const Hand& cards) noexcept {
    if (farOutside(cards) || !gLookup.built) [[unlikely]]
        return evaluateCarefully(cards);
    std::uint64_t sum = kSuitStart;
    for (const Card& c : cards)
        sum +=
            kCardKeys
                .key[16 * static_cast<std::uint32_t>(c.suit) + static_cast<std::uint32_t>(c.rank)];
    if ((sum & (kFive | kStray)) != 0) [[unlikely]] {
        if ((sum & kStray) != 0) return evaluateCarefully(cards);
        // The top bit of suit s's count is bit 47 + 4s.
        return flushHand(cards, std::countr_zero(sum & kFive) / 4 - 11);
    }
    const std::uint64_t counts = sum & kRankCounts;
    const std::uint32_t v =
        gLookup.value[gLookup.homeOf(counts) ^ gLookup.disp[gLookup.bucketOf(counts)]];
    return {static_cast<std::int32_t>(v & 0xFFFF), static_cast<std::int32_t>(v >> 16)};
}

} // namespace stud
