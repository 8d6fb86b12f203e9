// The opponents' betting decisions on their own: how many of the hundred
// draws call and raise at each street and strength, and what a raise is.

#include "betting/decisions.h"
#include "support/scriptedrandom.h"
#include "table/rules.h"

#include <gtest/gtest.h>

using namespace stud;

namespace {

constexpr std::int32_t kSmallBet = kSmallBetAntes * kDefaultAnte;
constexpr std::int32_t kBigBet = kBigBetAntes * kDefaultAnte;

// How many of the hundred draws 0..99 make `decide` say yes.
template <class Decide> int yeses(ScriptedRandom& draws, Decide decide) {
    int n = 0;
    for (std::uint32_t r = 0; r < 100; ++r) {
        draws.push(r);
        n += decide() ? 1 : 0;
    }
    return n;
}

struct Threshold {
    int street, strength, calls, raises;
};

TEST(Decisions, CallAndRaiseThresholdsPerStreet) {
    ScriptedRandom draws{{}, false, 99};
    const Threshold cases[] = {
        {1, 15, 0, 0},   // 15 always folds on the first street
        {1, 16, 99, 0},  // 16 calls unless the draw is 0
        {1, 21, 99, 49}, // a chance of 50 raises for 49 draws
        {1, 41, 99, 69}, {2, 10, 0, 0},   {2, 11, 99, 0}, {2, 26, 99, 89}, // chance 90
        {2, 31, 99, 99}, {3, 5, 0, 0},    {3, 6, 99, 0},  {3, 26, 99, 59}, {3, 41, 99, 99},
        {4, 21, 99, 49}, {4, 26, 99, 79}, {5, 5, 0, 0},   {5, 100, 99, 0}, // nobody raises on the
                                                                           // last street
    };
    for (const Threshold& c : cases) {
        const int calls = yeses(draws, [&] { return decidecall(c.strength, c.street, draws); });
        const int raises = yeses(draws, [&] {
            return decideraise(c.strength, c.street, kSmallBet, kBigBet, draws) > 0;
        });
        EXPECT_EQ(calls, c.calls) << "street " << c.street << " strength " << c.strength;
        EXPECT_EQ(raises, c.raises) << "street " << c.street << " strength " << c.strength;
    }
}

TEST(Decisions, RaiseIsTheSmallBetOnTheFirstTwoStreetsAndTheBigBetAfter) {
    ScriptedRandom draws{{}, false, 99};
    for (int street = 1; street <= 4; ++street) {
        draws.push(99);
        EXPECT_EQ(decideraise(50, street, kSmallBet, kBigBet, draws),
                  street <= 2 ? kSmallBet : kBigBet)
            << street;
    }
}

} // namespace
