#pragma once

#include "game/tablestate.h"

#include <array>

namespace stud {

// The settings key of each seat's cash, in the order the file is read and
// written: freak first, as the file has always been laid out.
struct CashKey {
    SeatId seat;
    const char* key;
};
inline constexpr std::array<CashKey, kSeats> kCashKeys{{
    {freak, "freak"},
    {player, "player"},
    {geek, "geek"},
    {master, "master"},
    {champ, "champ"},
}};

} // namespace stud
