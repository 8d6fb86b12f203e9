#pragma once

#include "cards/random.h"
#include "table/tablestate.h"

#include <cstdint>

namespace stud {

// An opponent's estimate of its own hand.
struct Estimate {
    int strength = 0; // percentage of trials won, plus the strong-start bonus on street 1
    int simwins = 0;  // trials in which the hand beat all six rivals
};

// Deals the unknown cards of `hand` and six rival hands from `simdeck`
// (whose order carries over to the next estimate), `level` + 1 times, and
// counts how often the hand is at least as good as all six. A level other
// than the four divides by nothing and keeps `previous` as the strength.
// Draws 202 numbers per trial.
Estimate handstrength(const Hand& hand, int street, std::int32_t level, int previous, Deck& simdeck,
                      Random& rng);

// Whether an opponent of this strength calls on `street`. One draw.
bool decidecall(int strength, int street, Random& rng);

// What an opponent of this strength raises on `street` (0: it checks). One draw.
std::int32_t decideraise(int strength, int street, std::int32_t smallbet, std::int32_t bigbet,
                         Random& rng);

} // namespace stud
