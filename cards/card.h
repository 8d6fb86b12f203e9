#pragma once

#include <array>
#include <cstdint>

namespace stud {

inline constexpr int kRanks = 13;
inline constexpr int kDeckSize = 4 * kRanks;

// One playing card. Suits are only ever compared for equality; ranks run
// 0 (Two) .. 12 (Ace). The face image of a card is 13 * suit + rank.
struct Card {
    std::int32_t suit = 0; // 0 clubs, 1 diamonds, 2 hearts, 3 spades
    std::int32_t rank = 0; // 0 Two .. 8 Ten, 9 Jack, 10 Queen, 11 King, 12 Ace

    constexpr int image() const { return kRanks * suit + rank; }
    friend constexpr bool operator==(const Card&, const Card&) = default;
};

using Hand = std::array<Card, 7>; // dealing order; 0, 1 and 6 are the hole cards
using Deck = std::array<Card, kDeckSize>;

} // namespace stud
