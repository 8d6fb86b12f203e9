// The opponents' simulated estimate of their own hand. The decks are set up
// by hand, and the draws either keep them as they are (every exchange swaps
// a card with itself) or toggle one card in and out of the hand.

#include "betting/decisions.h"
#include "cards/evaluator.h"
#include "support/cardtext.h"
#include "support/scriptedrandom.h"
#include "table/deck.h"
#include "table/tablestate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

using namespace stud;
using namespace stud::testing;

namespace {

constexpr std::int32_t kLevels[] = {200, 400, 600, 900};
// The unscripted draw 99 swaps simdeck[47] with itself: the deck stays put.
constexpr std::uint32_t kStay = 99;

class Estimate : public ::testing::Test {
  protected:
    TableState t;
    // Unscripted draws keep the deck as it is.
    ScriptedRandom draws{{}, false, kStay};

    // Six rival hands of one pair of Twos (handscore 100). Trial hands are
    // built from the base below: a pair of Aces beats the rivals, anything
    // else is Ace high and loses.
    Estimate() {
        builddecks(t);
        const Hand rival = hand("2c 2d 5h 7s 9c Jd Kh");
        for (int k = 0; k < 6; ++k)
            std::copy(rival.begin(), rival.end(), t.simdeck.begin() + 7 * k);
        // The cards a trial deals for positions 3..6 are those of the base.
        for (int p = 3; p < 7; ++p) t.simdeck[45 + p] = base[p];
        t.complevel = 200;
    }
    const Hand base = hand("As 3c 5d 7h 9s Jh Kc");

    int estimate(int street, const Hand& h) {
        last = stud::handstrength(h, street, t.complevel, previous, t.simdeck, draws);
        return last.strength;
    }
    stud::Estimate last;
    int previous = 0;
    static Hand with(Hand h, int pos, const char* card) {
        h[pos] = cards(card).front();
        return h;
    }
    // One trial's 101 exchanges: the first swaps the Ace of diamonds at 44
    // into the replaced seventh card at 51 (or back out), the rest do nothing.
    void script(std::initializer_list<std::uint32_t> values) {
        for (auto v : values) draws.push(v);
    }
    void trial(bool toggle) {
        draws.push(toggle ? 44 : 43);
        draws.push(toggle ? 51 : 43);
        for (int i = 0; i < 200; ++i) draws.push(43);
    }
};

TEST_F(Estimate, EachTrialTakes202Draws) {
    for (std::int32_t level : kLevels) {
        t.complevel = level;
        draws.draws = 0;
        estimate(2, base);
        EXPECT_EQ(draws.draws, static_cast<std::uint64_t>(level + 1) * 202) << level;
    }
}

TEST_F(Estimate, OnlyThePositionsNotYetSeenAreReplacedFromTheDecksLastCards) {
    // First unknown position per street: 3, 4, 5, 6, and 6 again on the last
    // street, where the seventh card already held is replaced too.
    const int firstUnknown[] = {3, 4, 5, 6, 6};
    for (int street = 1; street <= 5; ++street) {
        const int p = firstUnknown[street - 1];
        EXPECT_EQ(estimate(street, with(base, p - 1, "Ad")), 100) << "kept, street " << street;
        EXPECT_EQ(estimate(street, with(base, p, "Ad")), 0) << "replaced, street " << street;
    }
    t.simdeck[51] = cards("Ah").front(); // position 6 comes from simdeck[51]
    EXPECT_EQ(estimate(4, base), 100);
}

TEST_F(Estimate, TiesOnTheCategoryCountForTheOpponentAtEveryLevel) {
    // King high against King high with better kickers: only handscore counts.
    const Hand rival = hand("Kh Qd 9c 7s 5h 3d 2c");
    for (int k = 0; k < 6; ++k) std::copy(rival.begin(), rival.end(), t.simdeck.begin() + 7 * k);
    const Hand own = hand("Kc Jd 9h 7d 5s 3c 2d");
    t.simdeck[51] = own[6];
    ASSERT_EQ(evaluate(own).handscore, evaluate(rival).handscore);
    ASSERT_LT(evaluate(own).kickscore, evaluate(rival).kickscore);
    for (std::int32_t level : kLevels) {
        t.complevel = level;
        EXPECT_EQ(estimate(4, own), 100) << level;
        EXPECT_EQ(last.simwins, level + 1);
    }
}

TEST_F(Estimate, WinsAreDividedByTheLevelInHundredsTruncating) {
    struct Case {
        std::int32_t level;
        int wins, strength;
    } cases[] = {{200, 60, 30}, {200, 61, 30}, {400, 123, 30}, {600, 185, 30}, {900, 271, 30}};
    t.simdeck[44] = cards("Ad").front();
    for (const Case& c : cases) {
        t.complevel = c.level;
        // Ad in for the first c.wins trials, then out again for the rest.
        for (int n = 0; n <= c.level; ++n) trial(n == 0 || n == c.wins);
        EXPECT_EQ(estimate(4, base), c.strength) << c.level;
        EXPECT_EQ(last.simwins, c.wins) << c.level;
    }
}

TEST_F(Estimate, ExchangesDrawIThenJModulo52AndTheOrderCarriesOver) {
    const Deck start = t.simdeck;
    t.complevel = 0; // one trial; a level outside the four keeps the old strength
    previous = 37;
    script({52, 103}); // 0 and 51
    EXPECT_EQ(estimate(2, base), 37);
    EXPECT_EQ(t.simdeck[0], start[51]);
    EXPECT_EQ(t.simdeck[51], start[0]);
    script({0, 1});
    estimate(2, base);
    EXPECT_EQ(t.simdeck[0], start[1]);
    EXPECT_EQ(t.simdeck[1], start[51]);
}

TEST_F(Estimate, StrongStartBonusOnTheFirstStreetOnly) {
    builddecks(t); // rival 2c..8c is a straight flush: every trial is lost
    const std::pair<const char*, int> cases[] = {
        {"Jh Qh Kh", 15},  {"Jh Qd Kh", 10}, {"7s 8s 9s", 7},   {"7s 8d 9s", 0},
        {"9c 10c Jc", 15}, {"8c 9c 10c", 7}, {"10c Jd Qh", 10}, {"9c 10d Jc", 0},
    };
    for (const auto& [start, bonus] : cases) {
        const Hand h = hand(std::string(start) + " 2d 3d 4d 5d");
        EXPECT_EQ(estimate(1, h), bonus) << start;
        EXPECT_EQ(estimate(2, h), 0) << start;
    }
}

TEST(EstimateWithRealDraws, AMadeHandRatesFarAboveABrokenOne) {
    Xoshiro rng(7);
    TableState t;
    builddecks(t);
    EXPECT_GT(stud::handstrength(hand("Ac Ad Ah As Kc Kd 2h"), 4, 900, 0, t.simdeck, rng).strength,
              80);
    EXPECT_LT(stud::handstrength(hand("2c 4d 7h 9s Jc 3d 8h"), 4, 900, 0, t.simdeck, rng).strength,
              10);
}

} // namespace
