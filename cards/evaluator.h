#pragma once

#include "cards/card.h"

#include <cstdint>
#include <string_view>

namespace stud {

// Result of ranking seven cards: the category score and its tie-break.
struct HandValue {
    std::int32_t handscore = 0; // category and deciding rank, see handname
    std::int32_t kickscore = 0; // weighted kickers inside the category, < 300
};

// Rank seven cards in slot order with the game's own rules (one straight-flush
// start, flush by its top card, weighted kickers). Allocation-free.
HandValue evaluate(const Hand& cards) noexcept;

// Display text of a handscore ("Full house Aces"), or an empty view when the
// score has no name (403, the straight Ace to Five, among others).
std::string_view handname(std::int32_t handscore) noexcept;

} // namespace stud
