#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace stud {

inline constexpr int kRanks = 13;
inline constexpr int kAce = kRanks - 1; // the highest rank
inline constexpr int kSuits = 4;
inline constexpr int kDeckSize = kSuits * kRanks;
inline constexpr int kOutsideRank = kRanks; // any rank from here on: a card not of the deck

// One playing card, in one byte. Suits are only ever compared for equality.
// The face image of a card is 13 * suit + rank.
//
// Built from two numbers of which either is outside the deck (a suit outside
// 0..3, a rank outside 0..12), a card stores rank 13, "not a card of the
// deck", and suit 0 for a suit it cannot keep: no number however large can
// pass for a real card once stored (65536 + 3 is not suit 3). Writing a
// field directly keeps only its low bits; build cards with the constructor.
// The byte reads suit + 4 * rank, so the deck's cards are the bytes 0..51
// and every other byte is a card outside it; the evaluator reads it as is.
struct Card {
    std::uint8_t suit : 2 = 0; // 0 clubs, 1 diamonds, 2 hearts, 3 spades
    std::uint8_t rank : 6 = 0; // 0 Two .. 8 Ten, 9 Jack, 10 Queen, 11 King, 12 Ace; 13.. outside

    constexpr Card() noexcept = default;
    constexpr Card(int s, int r) noexcept
        : suit(static_cast<std::uint8_t>(s >= 0 && s < kSuits ? s : 0)),
          rank(static_cast<std::uint8_t>(
              s >= 0 && s < kSuits && r >= 0 && r < kRanks ? r : kOutsideRank)) {}

    constexpr int image() const { return kRanks * suit + rank; }
    friend constexpr bool operator==(const Card&, const Card&) = default;
};
static_assert(sizeof(Card) == 1);
// Older clang cannot look through bit-fields at compile time; the tests check it there.
#if !defined(__clang__) || __clang_major__ >= 15
static_assert(std::bit_cast<std::uint8_t>(Card{3, 12}) == 3 + 4 * 12,
              "the byte is suit + 4 * rank");
#endif

inline constexpr int kHandCards = 7;
using Hand = std::array<Card, kHandCards>; // dealing order; 0, 1 and 6 are the hole cards
using Deck = std::array<Card, kDeckSize>;

} // namespace stud
