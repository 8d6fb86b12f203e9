#pragma once

#include <array>
#include <cstdint>

namespace stud {

inline constexpr int kRanks = 13;
inline constexpr int kDeckSize = 4 * kRanks;

// A number of a card, 0 .. N - 1, kept in one byte. Any other number given
// to it becomes N, "outside the deck", so that no value however large can
// pass for a real suit or rank once stored (65536 + 3 is not suit 3). It
// reads and compares as a plain int.
template <int N> class CardNumber {
  public:
    constexpr CardNumber(int n = 0) noexcept
        : v_(static_cast<std::uint8_t>(n >= 0 && n < N ? n : N)) {}
    constexpr operator int() const noexcept { return v_; }

  private:
    std::uint8_t v_;
};

using Suit = CardNumber<4>;      // 0 clubs, 1 diamonds, 2 hearts, 3 spades; 4 outside the deck
using Rank = CardNumber<kRanks>; // 0 Two .. 8 Ten, 9 Jack, 10 Queen, 11 King, 12 Ace; 13 outside

// One playing card, in two bytes. Suits are only ever compared for equality.
// The face image of a card is 13 * suit + rank. The rank comes first in
// memory: read as one 16-bit number the card is rank + 256 * suit, which is
// how the evaluator picks a card's key with a single load.
struct Card {
    Rank rank;
    Suit suit;

    constexpr Card() noexcept = default;
    constexpr Card(int s, int r) noexcept : rank(r), suit(s) {}

    constexpr int image() const { return kRanks * suit + rank; }
    friend constexpr bool operator==(const Card&, const Card&) = default;
};
static_assert(sizeof(Card) == 2);

using Hand = std::array<Card, 7>; // dealing order; 0, 1 and 6 are the hole cards
using Deck = std::array<Card, kDeckSize>;

} // namespace stud
