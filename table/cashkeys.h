#pragma once

#include "table/settings.h"
#include "table/tablestate.h"

#include <array>
#include <string>

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

// Every seat's cash as one settings group, in the file's order.
inline std::array<SettingsValue, kSeats> cashgroup(const TableState& t) {
    std::array<SettingsValue, kSeats> group;
    for (std::size_t i = 0; i < kCashKeys.size(); ++i)
        group[i] = {"Cash", kCashKeys[i].key, std::to_string(t.seats[kCashKeys[i].seat].cash)};
    return group;
}

} // namespace stud
