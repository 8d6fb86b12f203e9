#pragma once

#include "cards/card.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace stud {

// Result of ranking seven cards: the category score and its tie-break.
struct HandValue {
    std::int32_t handscore = 0; // category and deciding rank, see handname
    std::int32_t kickscore = 0; // weighted kickers inside the category, < 300
};

// Display text of a handscore ("Full house Aces"), or an empty view when the
// score has no name (403, the straight Ace to Five, among others).
std::string_view handname(std::int32_t handscore) noexcept;
// The name a seat's status line shows at the showdown: handname, and for the
// straight Ace to Five, which handname leaves without a name, its own.
std::string_view showdownname(std::int32_t handscore) noexcept;

// The lookup behind evaluate(), inline so that the opponents' estimate loops
// keep it in registers; evaluator.cpp explains the keys and builds the tables.
namespace detail {

// Every byte is some card (see Card): 0..51 the deck, the rest outside it.
inline constexpr std::size_t kCardIndexes = 256;
inline constexpr int kRankShift = 40;   // the scrambled rank key: bits 40..63 of a sum
inline constexpr int kBucketShift = 51; // its top thirteen bits pick the displacement
// Bits of a sum that send the hand off the lookup: a suit field that reached
// five cards (0x8888), a card outside the deck or a pair not yet built
// (bits 20..39).
inline constexpr std::uint64_t kRare = 0xFF'FFF0'8888;
inline constexpr std::uint64_t kFive = 0x8888;

// A table that evaluator.cpp fills at start-up and everyone else only reads.
struct LookupBuilder; // evaluator.cpp
template <class T, std::size_t N> class LookupTable {
  public:
    constexpr LookupTable() = default;
    LookupTable(const LookupTable&) = delete;
    LookupTable& operator=(const LookupTable&) = delete;

    T operator[](std::size_t i) const noexcept { return cells_[i]; }

  private:
    friend struct LookupBuilder;
    std::array<T, N> cells_{};
};

// Two cards read as one 16-bit number, first + 256 * second: the sum of their
// keys, for pairs of the deck's cards; zero, and so a rare sum, for the rest.
extern LookupTable<std::uint64_t, std::size_t{1} << 16> gPairKeys;
extern const std::array<std::uint64_t, kCardIndexes> kLastKeys; // the seventh card
// Per bucket: its displacement, and the bucket's share of the key's bits
// 16..23, so that one xor of the whole 24-bit key gives the slot.
extern LookupTable<std::uint32_t, std::size_t{1} << (64 - kBucketShift)> gDisplacement;
extern LookupTable<std::uint32_t, std::size_t{1} << 16> gSlot; // handscore | kickscore << 16

using Cards = std::span<const Card, kHandCards>;

// Five cards of a suit, a card outside the deck, or tables not built yet.
HandValue evaluateRare(Cards cards, std::uint64_t sum) noexcept;

inline std::size_t pairIndex(const Card* first) noexcept {
    std::uint16_t two;
    std::memcpy(&two, first, sizeof two);
    if constexpr (std::endian::native == std::endian::big)
        two = static_cast<std::uint16_t>(two >> 8 | two << 8);
    return two;
}

} // namespace detail

// Rank seven cards in slot order with the game's own rules (one straight-flush
// start, flush by its top card, weighted kickers). Allocation-free.
//
// The cards are read two at a time. Rank seven cards where they lie (a span
// of the deck) rather than copying them into a hand just before: a copy is
// written in pieces that the processor cannot hand on to a two-card read
// until they reach the cache, and that wait costs more than the ranking.
inline HandValue evaluate(std::span<const Card, kHandCards> cards) noexcept {
    using namespace detail;
    const std::uint64_t sum = gPairKeys[pairIndex(&cards[0])] + gPairKeys[pairIndex(&cards[2])] +
                              gPairKeys[pairIndex(&cards[4])] +
                              kLastKeys[std::bit_cast<std::uint8_t>(cards[6])];
    if ((sum & kRare) != 0) [[unlikely]]
        return evaluateRare(cards, sum);
    const auto key = static_cast<std::uint32_t>(sum >> kRankShift);
    const std::uint32_t v = gSlot[key ^ gDisplacement[sum >> kBucketShift]];
    return {static_cast<std::int32_t>(v & 0xFFFF), static_cast<std::int32_t>(v >> 16)};
}

inline HandValue evaluate(const Hand& cards) noexcept {
    return evaluate(std::span<const Card, kHandCards>(cards));
}

} // namespace stud
