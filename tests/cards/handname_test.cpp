#include "cards/evaluator.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

using namespace stud;

namespace {

// Every text the status line can show, by handscore.
const std::map<int, std::string>& expectedNames() {
    static const std::map<int, std::string> names = [] {
        const char* plural[13] = {"Twos",  "Threes", "Fours", "Fives",  "Sixes", "Sevens", "Eights",
                                  "Nines", "Tens",   "Jacks", "Queens", "Kings", "Aces"};
        const char* single[13] = {nullptr, nullptr, "Four", "Five",  "Six",  "Seven", "Eight",
                                  "Nine",  "Ten",   "Jack", "Queen", "King", "Ace"};
        std::map<int, std::string> m;
        for (int r = 0; r <= 12; ++r) {
            m[100 + r] = std::string("One pair ") + plural[r];
            if (r >= 1) m[200 + r] = std::string("Two pairs ") + plural[r];
            m[300 + r] = std::string("Three ") + plural[r];
            if (r >= 4) m[400 + r] = std::string("Straight ") + single[r] + " High";
            if (r >= 4) m[450 + r] = std::string("Flush ") + single[r] + " High";
            m[500 + r] = std::string("Full house ") + plural[r];
            m[800 + r] = std::string("Four ") + plural[r];
            if (r >= 2) m[r] = single[r];
        }
        m[1000] = "Straight flush";
        return m;
    }();
    return names;
}

} // namespace

TEST(Handname, NamesEveryCategoryAndRank) {
    ASSERT_EQ(expectedNames().size(), 94u);
    for (const auto& [score, text] : expectedNames()) EXPECT_EQ(handname(score), text) << score;
}

TEST(Handname, SpotChecksOfTheTable) {
    EXPECT_EQ(handname(512), "Full house Aces");
    EXPECT_EQ(handname(408), "Straight Ten High");
    EXPECT_EQ(handname(454), "Flush Six High");
    EXPECT_EQ(handname(201), "Two pairs Threes");
    EXPECT_EQ(handname(800), "Four Twos");
    EXPECT_EQ(handname(2), "Four");
    EXPECT_EQ(handname(3), "Five");
    EXPECT_EQ(handname(12), "Ace");
    EXPECT_EQ(handname(1000), "Straight flush");
}

TEST(Handname, EveryOtherValueHasNoText) {
    // The wheel, the impossible two pairs of Twos, flushes and straights
    // below Six, the gaps between categories and values far outside.
    for (int score :
         {403, 200, 401, 402, 450, 453, 0,   1,   13,  99,   113, 199,  213,     299,    313,
          399, 413, 449, 463, 499, 513, 799, 813, 999, 1001, -1,  -100, INT_MIN, INT_MAX})
        EXPECT_TRUE(handname(score).empty()) << score;

    int named = 0;
    for (int score = -2000; score <= 3000; ++score) {
        const auto it = expectedNames().find(score);
        if (it == expectedNames().end())
            EXPECT_TRUE(handname(score).empty()) << score;
        else
            ++named;
    }
    EXPECT_EQ(named, 94);
}
