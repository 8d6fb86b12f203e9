// The opponents' estimate of their own hand: deal the unknown cards and six
// rival hands at random from the private simulation deck, many times, and
// count how often the opponent's hand is at least as good as all six. The
// level is the number of trials, so a higher level means less noise.

#include "betting/decisions.h"
#include "cards/evaluator.h"
#include "table/rules.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace stud {

namespace {

constexpr int kExchangesPerTrial = 101;
constexpr int kDrawsPerTrial = 2 * kExchangesPerTrial;
constexpr int kRivals = 6;

// First position of the hand that the opponent does not hold yet, per street
// from the first. On the last street the seventh card is replaced as well.
constexpr std::array<int, kStreets> kFirstUnknown = [] {
    std::array<int, kStreets> first{};
    for (int street = kFirstStreet; street <= kLastStreet; ++street)
        first[street - kFirstStreet] =
            street == kLastStreet ? kHandCards - 1 : cardsOnStreet(street);
    return first;
}();

// Position p of a trial hand takes simdeck[kReplaceBase + p]: the deck's
// last cards, past the six rival hands at the start of the deck.
constexpr int kReplaceBase = kDeckSize - kHandCards;
static_assert(kRivals * kHandCards <= kReplaceBase + kFirstUnknown[0]);

// Every draw modulo the deck's size, in a pass of its own that the compiler vectorises:
// the exchanges depend on each other and stay serial. Machines with AVX2
// get a version of their own, picked when the program is loaded.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
[[gnu::target_clones("avx2", "default")]]
#endif
void moduloDeck(std::uint32_t* draws, int n) {
    for (int k = 0; k < n; ++k) draws[k] %= kDeckSize;
}

// Bonus for a strong start, judged on the first three cards on street 1.
// The first row that holds wins.
struct StartBonus {
    int ranksAbove; // every rank must be above this
    bool suited;    // all three of one suit
    int bonus;
};
constexpr std::array<StartBonus, 3> kStartBonus{{
    {6, true, 15},  // Nine or better, suited
    {7, false, 10}, // Ten or better
    {4, true, 7},   // Seven or better, suited
}};

int startbonusof(const Hand& h) {
    const bool suited = h[0].suit == h[1].suit && h[1].suit == h[2].suit;
    const int low = std::min({int{h[0].rank}, int{h[1].rank}, int{h[2].rank}});
    for (const StartBonus& b : kStartBonus)
        if (low > b.ranksAbove && (suited || !b.suited)) return b.bonus;
    return 0;
}

} // namespace

Estimate handstrength(const Hand& hand, int street, std::int32_t level, int previous, Deck& simdeck,
                      Random& rng) {
    Estimate result;
    int startbonus = 0;

    street = std::clamp(street, kFirstStreet, kLastStreet);
    const int firstUnknown = kFirstUnknown[street - kFirstStreet];
    // Counted in 64 bits: the level comes from a file the user can edit.
    const std::int64_t trials = std::int64_t{level} + 1;

    // Work on local copies so the loop keeps them in registers and cache;
    // the deck goes back at the end.
    Deck deck = simdeck;
    Hand trial = hand;
    std::uint32_t draws[kDrawsPerTrial];
    HandValue last{};

    for (std::int64_t n = 0; n < trials; ++n) {
        rng.fill(draws, kDrawsPerTrial);
        moduloDeck(draws, kDrawsPerTrial);
        for (int k = 0; k < kDrawsPerTrial; k += 2) std::swap(deck[draws[k]], deck[draws[k + 1]]);

        for (int p = firstUnknown; p < kHandCards; ++p) trial[p] = deck[kReplaceBase + p];
        if (street == kFirstStreet) startbonus = startbonusof(trial);

        const std::int32_t own = evaluate(trial).handscore;
        int beaten = 0;
        for (int k = 0; k < kRivals; ++k) {
            // Straight from the deck: a copy would be written a byte at a
            // time and read back two at a time, which the processor cannot
            // forward from its store buffer.
            last = evaluate(
                std::span<const Card, kHandCards>(deck.data() + kHandCards * k, kHandCards));
            if (own >= last.handscore) ++beaten; // ties go to the opponent
        }
        if (beaten == kRivals) ++result.simwins;
    }

    simdeck = deck;
    result.strength = previous;
    // The wins per hundred trials give a percentage. Any other level leaves
    // the previous strength standing.
    if (levelItem(level) >= 0) result.strength = result.simwins / (level / 100);
    result.strength += startbonus;
    return result;
}

} // namespace stud
