#include "cards/evaluator.h"

#include "cards/handscore.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

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
// The counts are gathered as a sum of 64-bit keys, which also counts the
// cards of each suit. A card is one byte, the deck's cards 0..51 (see Card),
// so two neighbouring cards read as one 16-bit number pick the sum of their
// keys from a table of pairs: the hand is three reads of pairs and one of
// the seventh card (evaluator.h, inline, so that the estimate's loops keep
// the tables' addresses in registers); two more reads (a displacement and
// the slot) give the result, packed in 32 bits. One test of the sum catches
// the rare hands: five of a suit, a card outside the deck, tables not built
// yet. Tables: pairs 512 KB of address space of which the deck's 2,704
// entries use 23 KB, the seventh card 2 KB (built by the compiler),
// displacements 32 KB and slots 256 KB (built at start-up in a few
// milliseconds).
//
// The game only hands over seven different cards of the deck. Anything else
// still gets the chain's answer: a repeated card simply counts twice (the
// table covers up to seven cards of a rank), and a card outside the deck
// sends the hand down a careful path that skips such cards and lets a kicker
// that does not exist count 0. Nothing is ever read out of bounds.

namespace stud {

using detail::Cards;

// The one writer of the lookup tables.
struct detail::LookupBuilder {
    template <class T, std::size_t N> static std::array<T, N>& cells(LookupTable<T, N>& table) {
        return table.cells_;
    }
};

namespace {

// ---- the chain, written on rank masks (bit r = rank r) ----------------------

constexpr std::uint32_t kAllRanks = (std::uint32_t{1} << kRanks) - 1;

// Highest rank in a mask; -1 for an empty one.
int top(std::uint32_t mask) {
    return std::bit_width(mask) - 1;
}

// One of the straight walks: from `start`, climb while the next rank is held.
// Returns the top rank and sets n to the number of steps.
int walk(std::uint32_t held, int start, int& n) {
    int t = start;
    n = 0;
    while (t + 1 <= kAce && ((held >> (t + 1)) & 1)) {
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

// Every suit a card can hold is real; a rank of 13 or more is no card of the deck.
bool inDeck(const Card& c) {
    return c.rank < kRanks;
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
HandValue flushChain(Cards cards, int f, std::uint32_t fm, std::uint32_t held) {
    const std::uint32_t starts = held & (held >> 1); // x with x and x + 1 held
    if (starts != 0) {
        const int x = std::countr_zero(starts);
        // Only the first card of rank x, in slot order, may start the run.
        if (((fm >> x) & 0x1F) == 0x1F) {
            for (const Card& c : cards) {
                if (c.rank == x && inDeck(c)) {
                    if (c.suit == f) return {category::kStraightFlush, 0};
                    break;
                }
            }
        }
    }
    return {category::kFlush + top(fm), 0};
}

// The tests from the straight down, for cards without a flush.
HandValue countChain(const Counts& m) {
    // Straight: the walk from the lowest start, with the wheel, then the walk
    // from the next start.
    if (const std::uint32_t starts = m.held & (m.held >> 1)) {
        const int a = std::countr_zero(starts);
        int n = 0;
        const int t = walk(m.held, a, n);
        if (n >= 4) return {category::kStraight + t, 0};
        if (n == 3 && t == 3 && ((m.held >> kAce) & 1)) return {kWheelStraight, 0};
        if (const std::uint32_t others = starts & ~(std::uint32_t{1} << a)) {
            const int t2 = walk(m.held, std::countr_zero(others), n);
            if (n >= 4) return {category::kStraight + t2, 0};
        }
    }
    if (m.quads != 0) return {category::kFour + std::countr_zero(m.quads), 0};
    if (m.trips != 0) {
        const int t = top(m.trips);
        const std::uint32_t tbit = std::uint32_t{1} << t;
        if (const std::uint32_t p = m.pairs & ~tbit)
            return {category::kFullHouse + t, kicker::kFullHousePair * top(p)};
        return {category::kThree + t,
                weighted(m.held & ~tbit, {kicker::kThree[0], kicker::kThree[1], 0})};
    }
    if (m.pairs != 0) {
        const int p1 = top(m.pairs);
        const std::uint32_t p1bit = std::uint32_t{1} << p1;
        if (const std::uint32_t second = m.pairs & ~p1bit) {
            const int p2 = top(second);
            const std::uint32_t others = m.held & ~p1bit & ~(std::uint32_t{1} << p2);
            return {category::kTwoPairs + p1,
                    kicker::kTwoPairs[0] * p2 + weighted(others, {kicker::kTwoPairs[1], 0, 0})};
        }
        return {category::kOnePair + p1, weighted(m.held & ~p1bit, kicker::kOnePair)};
    }
    if (m.held == 0) return {category::kHighCard, 0}; // nothing from the deck at all
    const int h = top(m.held);
    return {category::kHighCard + h, weighted(m.held & ~(std::uint32_t{1} << h),
                                              {kicker::kHighCard[0], kicker::kHighCard[1], 0})};
}

// Card by card, for anything: cards outside the deck are skipped, repeated
// cards count as often as they appear.
[[gnu::cold, gnu::noinline]] HandValue careful(Cards cards) {
    Counts m;
    std::array<std::uint32_t, kSuits> suitranks{};
    std::array<int, kSuits> suitcards{};
    for (const Card& c : cards) {
        if (!inDeck(c)) continue;
        m.add(c.rank);
        suitranks[static_cast<std::size_t>(c.suit)] |= std::uint32_t{1} << c.rank;
        ++suitcards[static_cast<std::size_t>(c.suit)];
    }
    // Seven cards leave room for only one suit with five.
    for (int s = 0; s < kSuits; ++s)
        if (suitcards[static_cast<std::size_t>(s)] >= 5)
            return flushChain(cards, s, suitranks[static_cast<std::size_t>(s)], m.held);
    return countChain(m);
}

// ---- the lookup -------------------------------------------------------------

// Every rank has a weight, and the sum of the weights of seven ranks tells
// the seven ranks apart: no two ways of spreading seven cards over the
// thirteen ranks (counts up to seven, for repeated cards) share a sum. The
// weights were found by a greedy search, each the smallest that keeps all
// the sums apart; the largest sum, seven Aces, fits in 24 bits.
constexpr std::array<std::uint32_t, kRanks> kRankWeight{
    0, 1, 8, 57, 256, 1153, 4181, 14180, 47381, 115267, 307214, 737909, 1682367};
static_assert(kHandCards * kRankWeight[kAce] < (1u << 24));

// The sums crowd together at the low end, which no row layout packs well, so
// the weights are scrambled: times an odd number, modulo 2^24. That keeps the
// sums apart (multiplying by an odd number is a one-to-one map modulo 2^24)
// and, because it distributes over the sum, costs nothing per hand: the card
// keys carry scrambled weights and the sum wraps by itself at bit 64.
constexpr std::uint32_t kScramble = 0x5BD1E995;
static_assert(detail::kRankShift + 24 == 64);

constexpr std::uint32_t scrambled(std::uint32_t rankKey) {
    return (rankKey * kScramble) & 0xFFFFFF;
}

// A card's key: its scrambled rank weight in the top 24 bits and one count
// in its suit's four-bit field in the lower 16 (bits 4 * suit). The sum of
// seven keys starts the suit fields at 3, so a fifth card of a suit sets the
// field's top bit. A seventh card outside the deck counts in bits 20..22.
//
// The hand is summed as three pairs and the seventh card. Each pair's entry
// holds the two keys and one mark at bit 24, and the seventh card's takes
// three marks away again; a pair with a card outside the deck has no entry
// (zero), and then the missing mark borrows through bits 24..39. Either way
// the hand goes the careful way, and so it does before the pairs are built.
constexpr std::uint64_t kSuitStart = 0x3333;
constexpr std::uint64_t kFive = detail::kFive;
constexpr std::uint64_t kOutside = std::uint64_t{1} << 20;
constexpr std::uint64_t kPairMark = std::uint64_t{1} << 24;
static_assert((detail::kRare & (kFive | kOutside | kPairMark)) == (kFive | kOutside | kPairMark));
static_assert(((0 - kPairMark) & detail::kRare & ~kFive) != 0);

// The key of a card by its byte, suit + 4 * rank.
constexpr std::uint64_t cardKey(std::size_t index) {
    if (index >= kDeckSize) return kOutside;
    return std::uint64_t{scrambled(kRankWeight[index >> 2])} << detail::kRankShift |
           std::uint64_t{1} << (4 * (index & 3));
}

constexpr std::array<std::uint64_t, detail::kCardIndexes> makeLastKeys() {
    std::array<std::uint64_t, detail::kCardIndexes> k{};
    for (std::size_t i = 0; i < k.size(); ++i) k[i] = cardKey(i) + kSuitStart - 3 * kPairMark;
    return k;
}

// Per card byte: bit 16 * suit + rank, none for a card outside the deck.
constexpr std::array<std::uint64_t, detail::kCardIndexes> makeSuitRankBits() {
    std::array<std::uint64_t, detail::kCardIndexes> k{};
    for (std::size_t i = 0; i < kDeckSize; ++i)
        k[i] = std::uint64_t{1} << (16 * (i & 3) + (i >> 2));
    return k;
}
constexpr std::array<std::uint64_t, detail::kCardIndexes> kSuitRankBits = makeSuitRankBits();

// The scrambled key into a table of 2^16 slots by hash and displace: its low
// sixteen bits are its home slot, its top thirteen its bucket, and each
// bucket has a displacement, chosen when the table is built, that is xor-ed
// into the home slots of its keys so that no two keys meet. (Two keys of one
// bucket never share a home: together the two fields hold all 24 bits.)
constexpr std::size_t kBuckets = std::size_t{1} << (64 - detail::kBucketShift);
constexpr std::size_t kSlots = std::size_t{1} << 16; // 50,388 keys: 77 % full
static_assert(detail::kBucketShift == detail::kRankShift + 11);

// Fills the displacements and slots at start-up, then the pairs. Should that
// fail the pairs stay empty and every hand goes the careful way: slower,
// never wrong.
struct Lookup {
    bool built = false;

    Lookup() {
        auto& pairKeys = detail::LookupBuilder::cells(detail::gPairKeys);
        try {
            build();
        } catch (const std::bad_alloc&) {
            built = false;
        }
        if (built)
            for (std::size_t a = 0; a < kDeckSize; ++a)
                for (std::size_t b = 0; b < kDeckSize; ++b)
                    pairKeys[a + 256 * b] = cardKey(a) + cardKey(b) + kPairMark;
    }

    void build() {
        // Every way of spreading seven cards over the thirteen ranks, with the
        // chain's answer for it, in the bucket of its scrambled key.
        struct Entry {
            std::uint16_t home;
            std::uint32_t value;
        };
        std::vector<std::vector<Entry>> buckets(kBuckets);
        std::array<int, kRanks> count{};
        auto spread = [&](auto&& self, int r, int left) -> void {
            if (r == kAce) {
                count[kAce] = left;
                Counts m;
                std::uint32_t key = 0;
                for (int i = 0; i < kRanks; ++i) {
                    const int c = count[static_cast<std::size_t>(i)];
                    for (int k = 0; k < c; ++k) m.add(i);
                    key += static_cast<std::uint32_t>(c) * kRankWeight[static_cast<std::size_t>(i)];
                }
                const std::uint64_t at = std::uint64_t{scrambled(key)} << detail::kRankShift;
                const HandValue v = countChain(m);
                buckets[at >> detail::kBucketShift].push_back(
                    {static_cast<std::uint16_t>(at >> detail::kRankShift),
                     static_cast<std::uint32_t>(v.handscore) |
                         static_cast<std::uint32_t>(v.kickscore) << 16});
                return;
            }
            for (int c = 0; c <= left; ++c) {
                count[static_cast<std::size_t>(r)] = c;
                self(self, r + 1, left - c);
            }
        };
        spread(spread, 0, kHandCards);

        // Largest buckets first, each with the smallest displacement that
        // lands all its keys on free slots.
        std::vector<std::uint32_t> order(kBuckets);
        for (std::uint32_t b = 0; b < kBuckets; ++b) order[b] = b;
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return buckets[a].size() > buckets[b].size();
        });
        auto& displacement = detail::LookupBuilder::cells(detail::gDisplacement);
        auto& slots = detail::LookupBuilder::cells(detail::gSlot);
        std::vector<char> used(kSlots);
        for (std::uint32_t b : order) {
            const std::vector<Entry>& members = buckets[b];
            if (members.empty()) break;
            std::uint32_t d = 0;
            while (!std::all_of(members.begin(), members.end(),
                                [&](const Entry& e) { return !used[e.home ^ d]; }))
                if (++d == kSlots) return;        // no room: stays unbuilt (cannot happen)
            displacement[b] = d | (b >> 5) << 16; // the bucket holds key bits 11..23
            for (const Entry& e : members) {
                used[e.home ^ d] = 1;
                slots[e.home ^ d] = e.value;
            }
        }
        built = true;
    }
};
} // namespace

namespace detail {

// The seventh card's keys are built by the compiler; the pairs, of which the
// deck's 2,704 are ever written (the rest of the table stays untouched
// zeros), at start-up.
constinit const std::array<std::uint64_t, kCardIndexes> kLastKeys = makeLastKeys();
constinit LookupTable<std::uint64_t, std::size_t{1} << 16> gPairKeys;
constinit LookupTable<std::uint32_t, std::size_t{1} << (64 - kBucketShift)> gDisplacement;
constinit LookupTable<std::uint32_t, std::size_t{1} << 16> gSlot;

} // namespace detail

namespace {
// Built during start-up. Until then (a static initialiser elsewhere that
// ranks hands) the empty pairs send every hand the careful way.
Lookup gLookup;
} // namespace

namespace detail {

// Five or more cards of one suit, every card from the deck: a flush, unless
// the suit's ranks hold the run that starts at the lowest pair of
// neighbouring ranks (then the straight flush test looks at the order).
HandValue evaluateRare(Cards cards, std::uint64_t sum) noexcept {
    if ((sum & (kRare & ~kFive)) != 0) return careful(cards);
    std::uint64_t bits = 0;
    for (const Card& c : cards) bits |= kSuitRankBits[std::bit_cast<std::uint8_t>(c)];
    const int f = std::countr_zero(sum & kFive) / 4; // bit 3 + 4 * suit
    const auto fm = static_cast<std::uint32_t>(bits >> (16 * f)) & kAllRanks;
    // Only five neighbouring ranks in the suit can make a straight flush, and
    // only then does the order of the cards matter (about one flush in a
    // hundred); every other flush is decided by its top card.
    if ((fm & fm >> 1 & fm >> 2 & fm >> 3 & fm >> 4) == 0)
        return {category::kFlush - 1 + static_cast<int>(std::bit_width(fm)), 0}; // its top card
    const auto held =
        static_cast<std::uint32_t>(bits | bits >> 16 | bits >> 32 | bits >> 48) & kAllRanks;
    return flushChain(cards, f, fm, held);
}

} // namespace detail

} // namespace stud
