#include "showdown/evaluator.h"

#include <array>
#include <bit>
#include <cstdint>

// The evaluator is a fixed chain of tests, strongest category first, and the
// first test that succeeds decides. The opponents call it thousands of times
// per decision, so instead of counting passes over the thirteen ranks it
// works on bit masks: bit r of a rank mask stands for rank r, and the seven
// cards become one 64-bit word with a 16-bit lane per suit. Everything that
// depends on the set of ranks alone (straights, kicker weights) is looked up
// in tables that are built at compile time by running the very same rule on
// each of the 8192 possible rank sets, so a table can only be as right as the
// rule it was made from.
//
// Why the shortcuts keep the outcome of the chain:
// - A straight flush needs five cards of one suit, and seven cards hold at
//   most one such suit, so it can only be found when there is a flush, and
//   only in that flush suit: the run x+1..x+4 walked from the starting card
//   puts five cards into the starting card's suit. The starting suit still
//   comes from the first card of rank x in slot order, as the rule says.
// - With seven cards the walk from the lowest start and the one from the
//   next start find a straight exactly when the held ranks contain five in a
//   row, and then its top; the wheel is the 2-3-4-5 run with an Ace. (Two
//   runs of two plus a run of five already need nine ranks.) The straight
//   table is nevertheless made by running both walks literally.
// - Four of a kind, a full house and a flush or straight cannot share seven
//   distinct cards, so taking the flush and straight tests first, as the
//   chain does, never hides a better hand.
//
// The game only ever hands over seven different cards from one deck, which
// is what the fast path expects. Any other input (the same card twice, a suit
// or rank out of range) takes a slower path that counts card by card and
// gives the same answers as the chain; a card outside the deck is ignored
// there rather than read out of bounds, and a kicker that does not exist
// counts 0.

namespace stud {

namespace {

constexpr std::uint32_t kRankBits = 0x1FFF; // ranks 0..12

constexpr int top(std::uint32_t mask) {
    return std::bit_width(mask) - 1;
}

// One of the straight walks: from `start`, climb while the next rank is held.
// Returns the top rank t and sets n to the number of steps.
constexpr int walk(std::uint32_t held, int start, int& n) {
    int t = start;
    n = 0;
    while (t + 1 <= 12 && ((held >> (t + 1)) & 1)) {
        ++t;
        ++n;
    }
    return t;
}

// handscore - 400 of the straight in `held`, 0 for none: both walks as the
// chain does them.
constexpr int straightOf(std::uint32_t held) {
    const std::uint32_t starts = held & (held >> 1);
    if (starts == 0) return 0;
    const int a = std::countr_zero(starts);
    int n = 0;
    const int t = walk(held, a, n);
    if (n >= 4) return t;
    if (n == 3 && t == 3 && ((held >> 12) & 1)) return 3; // Ace to Five
    const std::uint32_t others = starts & ~(std::uint32_t{1} << a);
    if (others == 0) return 0;
    const int t2 = walk(held, std::countr_zero(others), n);
    return n >= 4 ? t2 : 0;
}

// The k highest ranks of a mask, weighted; a missing rank counts 0.
constexpr int weighted(std::uint32_t mask, std::array<int, 3> weights) {
    int sum = 0;
    for (int w : weights) {
        if (mask == 0) break;
        const int r = top(mask);
        sum += w * r;
        mask &= ~(std::uint32_t{1} << r);
    }
    return sum;
}

struct Tables {
    std::array<std::uint8_t, 8192> straight{}; // handscore - 400, 0 = none
    std::array<std::uint8_t, 8192> kick1{};    // highest rank, 0 for an empty mask
    std::array<std::uint8_t, 8192> kick2{};    // 5*K1 + K2
    std::array<std::uint8_t, 8192> kick3{};    // 5*K1 + 3*K2 + K3
};

constexpr Tables makeTables() {
    Tables t;
    for (std::uint32_t m = 0; m < 8192; ++m) {
        t.straight[m] = static_cast<std::uint8_t>(straightOf(m));
        t.kick1[m] = static_cast<std::uint8_t>(weighted(m, {1, 0, 0}));
        t.kick2[m] = static_cast<std::uint8_t>(weighted(m, {5, 1, 0}));
        t.kick3[m] = static_cast<std::uint8_t>(weighted(m, {5, 3, 1}));
    }
    return t;
}

constexpr Tables kTables = makeTables();

// What the chain needs to know about seven cards, as rank masks.
struct Masks {
    std::uint32_t held = 0;  // ranks with at least one card
    std::uint32_t pairs = 0; // ... at least two
    std::uint32_t trips = 0; // ... at least three
    std::uint32_t quads = 0; // ... at least four
    std::uint64_t suits = 0; // per suit lane (16 bits each), the ranks held in it
    int flushsuit = -1;      // the suit with five or more cards, -1 for none
};

constexpr std::uint32_t lane(std::uint64_t suits, int suit) {
    return static_cast<std::uint32_t>(suits >> (16 * suit)) & kRankBits;
}

constexpr bool valid(const Card& c) {
    return static_cast<std::uint32_t>(c.suit) < 4 && static_cast<std::uint32_t>(c.rank) < 13;
}

// The chain from the straight flush down, once the masks are known.
inline HandValue rank(const Hand& cards, const Masks& m) {
    const Tables& tab = kTables;
    if (m.flushsuit >= 0) [[unlikely]] {
        const std::uint32_t fm = lane(m.suits, m.flushsuit);
        const std::uint32_t starts = m.held & (m.held >> 1);
        if (starts != 0) {
            const int x = std::countr_zero(starts);
            if (((fm >> x) & 0x1F) == 0x1F) {
                // Only the suit of the first card of rank x counts.
                for (const Card& c : cards) {
                    if (c.rank == x && valid(c)) {
                        if (c.suit == m.flushsuit) return {1000, 0};
                        break;
                    }
                }
            }
        }
        return {450 + top(fm), 0};
    }
    if (const int st = tab.straight[m.held]) return {400 + st, 0};
    if (m.quads != 0) [[unlikely]]
        return {800 + std::countr_zero(m.quads), 0};
    if (m.trips != 0) {
        const int t = top(m.trips);
        const std::uint32_t tbit = std::uint32_t{1} << t;
        if (const std::uint32_t p = m.pairs & ~tbit) return {500 + t, 5 * top(p)};
        return {300 + t, tab.kick2[m.held & ~tbit]};
    }
    if (m.pairs != 0) {
        const int p1 = top(m.pairs);
        const std::uint32_t p1bit = std::uint32_t{1} << p1;
        if (const std::uint32_t rest = m.pairs & ~p1bit) {
            const int p2 = top(rest);
            const std::uint32_t p2bit = std::uint32_t{1} << p2;
            return {200 + p1, 5 * p2 + tab.kick1[m.held & ~p1bit & ~p2bit]};
        }
        return {100 + p1, tab.kick3[m.held & ~p1bit]};
    }
    if (m.held == 0) return {0, 0}; // nothing valid to rank
    const int h = top(m.held);
    return {h, tab.kick2[m.held & ~(std::uint32_t{1} << h)]};
}

// Card by card, for input the game never produces: repeated cards or values
// outside the deck. Counts are exact here, so repeats rank as what they are.
HandValue evaluateAny(const Hand& cards) {
    Masks m;
    std::array<int, 4> suitcards{};
    for (const Card& c : cards) {
        if (!valid(c)) continue;
        const std::uint32_t b = std::uint32_t{1} << c.rank;
        m.quads |= m.trips & b;
        m.trips |= m.pairs & b;
        m.pairs |= m.held & b;
        m.held |= b;
        m.suits |= std::uint64_t{b} << (16 * c.suit);
        ++suitcards[c.suit];
    }
    // Seven cards leave room for only one suit with five.
    for (int s = 0; s < 4; ++s)
        if (suitcards[s] >= 5) m.flushsuit = s;
    return rank(cards, m);
}

} // namespace

HandValue evaluate(const Hand& cards) noexcept {
    std::uint64_t suits = 0;
    std::uint64_t repeated = 0;
    std::uint32_t outside = 0;
    for (const Card& c : cards) {
        const auto s = static_cast<std::uint32_t>(c.suit);
        const auto r = static_cast<std::uint32_t>(c.rank);
        outside |= static_cast<std::uint32_t>(s > 3) | static_cast<std::uint32_t>(r > 12);
        const std::uint64_t b = std::uint64_t{1} << ((16 * s + r) & 63);
        repeated |= suits & b;
        suits |= b;
    }
    if ((repeated | outside) != 0) [[unlikely]]
        return evaluateAny(cards);

    Masks m;
    m.suits = suits;
    const std::uint32_t c = lane(suits, 0), d = lane(suits, 1), h = lane(suits, 2),
                        s = lane(suits, 3);
    // With one card per suit and rank, the number of suits holding a rank is
    // the number of cards of that rank.
    const std::uint32_t cd = c & d, hs = h & s, cord = c | d, hors = h | s;
    m.held = cord | hors;
    m.pairs = cd | hs | (cord & hors);
    m.trips = (cd & hors) | (hs & cord);
    m.quads = cd & hs;

    // Cards per suit, summed inside each 16-bit lane; five or more is a flush.
    std::uint64_t n = suits - ((suits >> 1) & 0x5555555555555555ull);
    n = (n & 0x3333333333333333ull) + ((n >> 2) & 0x3333333333333333ull);
    n = (n + (n >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    n = (n + (n >> 8)) & 0x001F001F001F001Full;
    const std::uint64_t five = (n + 0x0003000300030003ull) & 0x0008000800080008ull;
    if (five != 0) m.flushsuit = std::countr_zero(five) / 16;

    return rank(cards, m);
}

} // namespace stud
