#pragma once

#include "table/tablestate.h"

#include <array>
#include <cstdint>

namespace stud {

// Weight of the category over the kickers in the showdown's comparison.
inline constexpr std::int32_t kCategoryWeight = 300;

// What a showdown pays.
struct Award {
    std::array<std::int32_t, kSeats> category{};   // each seat's handscore
    std::array<std::int32_t, kSeats> finalscore{}; // its comparison key, or its outscore when out
    std::int32_t bestscore = 0;
    int winners = 0;        // seats at the best score: they share the pot
    std::int32_t share = 0; // each winner's part; the remainder is paid to nobody
};

// Ranks every seat's seven cards; a seat that folded or has no cash left is
// out and gets its seat's fixed low score.
Award award(const std::array<Seat, kSeats>& seats, std::int32_t pot);

} // namespace stud
