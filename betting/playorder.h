#pragma once

#include "table/tablestate.h"

#include <array>

namespace stud {

// A short, fixed list of seats that can be walked with a range-for.
struct SeatList {
    std::array<SeatId, kOpponentSeats> seats{};
    int count = 0;

    constexpr const SeatId* begin() const { return seats.data(); }
    constexpr const SeatId* end() const { return seats.data() + count; }
    constexpr bool empty() const { return count == 0; }
};

// The opponents after each seat in play order (player, freak, geek, master,
// champ). They answer a raise of that seat at once, and when that seat folds
// as the opener the role goes to the first of them still in the deal.
inline constexpr std::array<SeatList, kSeats> kOpponentsAfter{{
    {{freak, geek, master, champ}, 4},
    {{geek, master, champ}, 3},
    {{master, champ}, 2},
    {{champ}, 1},
    {{}, 0},
}};

// The opponents before each seat in play order. When an opponent raises,
// their status lines are emptied: what they did earlier no longer stands.
inline constexpr std::array<SeatList, kSeats> kOpponentsBefore{{
    {{}, 0},
    {{}, 0},
    {{freak}, 1},
    {{freak, geek}, 2},
    {{freak, geek, master}, 3},
}};

// The opponent whose raise stands, or the player (who never has one) when
// no opponent's raise stands.
inline SeatId standingbettor(const TableState& t) {
    for (SeatId s : kOpponents)
        if (t.seats[s].raised) return s;
    return player;
}

} // namespace stud
