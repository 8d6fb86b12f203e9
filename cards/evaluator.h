#pragma once

#include "cards/card.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// The lookup behind evaluate(), inline so that the opponents' estimate loops
// keep it in registers; evaluator.cpp explains the keys and builds the tables.
namespace detail {

// A card read as one 16-bit number, rank + 256 * suit (see Card): at most
// 13 + 256 * 4, the card outside the deck.
inline constexpr std::size_t kCardIndexes = kRanks + 1 + 256 * 4;
inline constexpr int kRankShift = 40;   // the scrambled rank key: bits 40..63 of a sum
inline constexpr int kBucketShift = 51; // its top thirteen bits pick the displacement
// Bits of a sum that send the hand off the lookup: a suit field that reached
// five cards (0x8888), a card outside the deck (bits 20..22) and the
// not-yet-built mark (bit 16).
inline constexpr std::uint64_t kRare = 0xFF'FFFF'8888;

extern const std::array<std::uint64_t, kCardIndexes> kCardKeys; // cards 0..5
extern std::array<std::uint64_t, kCardIndexes> gLastKeys;       // the seventh card
// Per bucket: its displacement, and the bucket's share of the key's bits
// 16..23, so that one xor of the whole 24-bit key gives the slot.
extern std::array<std::uint32_t, std::size_t{1} << (64 - kBucketShift)> gDisplacement;
extern std::array<std::uint32_t, std::size_t{1} << 16> gSlot; // handscore | kickscore << 16

// Five cards of a suit, a card outside the deck, or tables not built yet.
HandValue evaluateRare(const Hand& cards, std::uint64_t sum) noexcept;

inline std::size_t cardIndex(const Card& c) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint16_t v;
        std::memcpy(&v, &c, sizeof v);
        return v;
    } else {
        return static_cast<std::size_t>(c.rank) | static_cast<std::size_t>(c.suit) << 8;
    }
}

} // namespace detail

// Rank seven cards in slot order with the game's own rules (one straight-flush
// start, flush by its top card, weighted kickers). Allocation-free.
inline HandValue evaluate(const Hand& cards) noexcept {
    using namespace detail;
    static_assert(sizeof(Card) == 2 && sizeof(Hand) == 14);
    const std::uint64_t sum = kCardKeys[cardIndex(cards[0])] + kCardKeys[cardIndex(cards[1])] +
                              kCardKeys[cardIndex(cards[2])] + kCardKeys[cardIndex(cards[3])] +
                              kCardKeys[cardIndex(cards[4])] + kCardKeys[cardIndex(cards[5])] +
                              gLastKeys[cardIndex(cards[6])];
    if ((sum & kRare) != 0) [[unlikely]]
        return evaluateRare(cards, sum);
    const auto key = static_cast<std::uint32_t>(sum >> kRankShift);
    const std::uint32_t v = gSlot[key ^ gDisplacement[sum >> kBucketShift]];
    return {static_cast<std::int32_t>(v & 0xFFFF), static_cast<std::int32_t>(v >> 16)};
}

} // namespace stud
