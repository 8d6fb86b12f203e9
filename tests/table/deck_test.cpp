#include "support/scriptedrandom.h"
#include "table/deck.h"
#include "table/services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

using namespace stud;

namespace {

bool isPermutation(const Deck& d) {
    std::set<int> seen;
    for (const Card& c : d) {
        if (c.suit < 0 || c.suit > 3 || c.rank < 0 || c.rank > 12) return false;
        seen.insert(c.image());
    }
    return seen.size() == 52;
}

} // namespace

TEST(Deck, BuildFillsBothDecksInOrder) {
    TableState t;
    builddecks(t);
    EXPECT_EQ(t.deck[0], (Card{0, 0}));
    EXPECT_EQ(t.deck[12], (Card{0, 12}));
    EXPECT_EQ(t.deck[13], (Card{1, 0}));
    EXPECT_EQ(t.deck[51], (Card{3, 12}));
    EXPECT_EQ(t.deck, t.simdeck);
}

TEST(Deck, ConstantGeneratorKeepsOrderAndDealsFixedSlices) {
    TableState t;
    builddecks(t);
    ConstantRandom rng(7);
    shuffle(t, rng);
    EXPECT_EQ(rng.draws, 2u * 20001u); // two draws per exchange, 20001 exchanges
    for (int p = 0; p < 7; ++p) {
        EXPECT_EQ(t.seats[freak].hand[p], (Card{0, p})) << p;   // cards 0..6
        EXPECT_EQ(t.seats[player].hand[p], t.deck[7 + p]) << p; // the second slice
        EXPECT_EQ(t.seats[geek].hand[p], t.deck[14 + p]) << p;
        EXPECT_EQ(t.seats[master].hand[p], t.deck[21 + p]) << p;
        EXPECT_EQ(t.seats[champ].hand[p], t.deck[28 + p]) << p;
    }
}

TEST(Deck, ShuffleIsPermutationAndCarriesOrderOver) {
    TableState t;
    builddecks(t);
    SplitMix a(42);
    shuffle(t, a);
    EXPECT_TRUE(isPermutation(t.deck));
    const Deck first = t.deck;
    // The same seed again, but from the order the first deal left: another deal.
    SplitMix b(42);
    shuffle(t, b);
    EXPECT_TRUE(isPermutation(t.deck));
    EXPECT_NE(first, t.deck);
}

TEST(Deck, RepeatedPositionsNeverLoseCards) {
    TableState t;
    builddecks(t);
    ScriptedRandom rng({3, 3, 3, 51, 51, 0});
    shuffle(t, rng);
    EXPECT_TRUE(isPermutation(t.deck));
}
