// The opponents' two decisions: a strength, weighed against the street's
// threshold, and a roll of a hundred.

#include "betting/decisions.h"
#include "table/rules.h"

#include <algorithm>
#include <array>

namespace stud {

namespace {

// decidecall: an opponent calls when its strength is above the street's
// threshold (and the roll is not the one losing number), else it folds.
constexpr std::array<int, kStreets> kCallAbove{15, 10, 5, 5, 5};

// decideraise: the raise chance of the highest strength bound exceeded.
// Rows are streets 1 to 5; nobody raises on the last street.
constexpr std::array<int, 4> kRaiseBounds{20, 25, 30, 40};
constexpr std::array<std::array<int, kRaiseBounds.size()>, kStreets> kRaiseChance{{
    {50, 70, 70, 70},
    {50, 90, 100, 100},
    {40, 60, 60, 100},
    {50, 80, 80, 100},
    {0, 0, 0, 0},
}};

// Index of a betting street into the tables above.
int streetrow(int street) {
    return std::clamp(street, kFirstStreet, kLastStreet) - kFirstStreet;
}

} // namespace

bool decidecall(int strength, int street, Random& rng) {
    const int chance = strength > kCallAbove[streetrow(street)] ? 100 : 0;
    const auto r = static_cast<int>(rng.next() % 100);
    return r > 100 - chance;
}

std::int32_t decideraise(int strength, int street, std::int32_t smallbet, std::int32_t bigbet,
                         Random& rng) {
    int chance = 0;
    const auto& row = kRaiseChance[streetrow(street)];
    for (std::size_t i = 0; i < kRaiseBounds.size(); ++i)
        if (strength > kRaiseBounds[i]) chance = row[i];
    const auto r = static_cast<int>(rng.next() % 100);
    if (r > 100 - chance) return street <= kLastSmallRaiseStreet ? smallbet : bigbet;
    return 0;
}

} // namespace stud
