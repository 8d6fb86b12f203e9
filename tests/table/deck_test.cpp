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

TEST(Random, DrawsStayBelowTwoToThe31) {
    Xoshiro x(1);
    SplitMix s(1, false);
    for (int i = 0; i < 100000; ++i) {
        ASSERT_LT(x.next(), 1u << 31);
        ASSERT_LT(s.next(), 1u << 31);
    }
}

TEST(Random, SplitMixMatchesReferenceAndIgnoresClockWhenFixed) {
    // Reference value: SplitMix64 from state 0, first output 0xE220A8397B1DCDAF >> 33.
    SplitMix s(0);
    s.seed(999); // fixed: the clock has no say
    EXPECT_EQ(s.next(), static_cast<std::uint32_t>(0xE220A8397B1DCDAFull >> 33));
    std::uint32_t buf[3];
    SplitMix a(5), b(5);
    a.fill(buf, 3);
    EXPECT_EQ(buf[0], b.next());
    EXPECT_EQ(buf[1], b.next());
    EXPECT_EQ(buf[2], b.next());
}

// The opponents take their draws in blocks; a block must hold exactly the
// draws that single calls give, whatever its size and however blocks and
// single draws alternate. The reference is xoshiro256** written out plainly,
// seeded word by word from SplitMix64.
TEST(Random, XoshiroFillGivesTheDrawsOfNextInOrder) {
    struct Plain {
        std::uint64_t s[4]{};
        explicit Plain(std::uint64_t x) {
            for (std::uint64_t& w : s) {
                std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
                w = z ^ (z >> 31);
            }
        }
        static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
        std::uint32_t next() {
            const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
            const std::uint64_t t = s[1] << 17;
            s[2] ^= s[0];
            s[3] ^= s[1];
            s[1] ^= s[2];
            s[0] ^= s[3];
            s[2] ^= t;
            s[3] = rotl(s[3], 45);
            return static_cast<std::uint32_t>(result >> 33);
        }
    };
    Xoshiro x(77);
    Plain plain(77);
    std::vector<std::uint32_t> buf;
    for (std::size_t n : {0, 1, 3, 63, 64, 65, 127, 128, 129, 202, 1000}) {
        buf.assign(n + 1, 0xFFFFFFFFu);
        x.fill(buf.data(), n);
        for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(buf[i], plain.next()) << n << " " << i;
        EXPECT_EQ(buf[n], 0xFFFFFFFFu) << "wrote past the block of " << n;
        ASSERT_EQ(x.next(), plain.next()); // single draws carry on from there
    }
    x.seed(5); // a reseed starts the stream afresh, blocks included
    Plain again(5);
    buf.assign(300, 0);
    x.fill(buf.data(), buf.size());
    for (std::uint32_t d : buf) ASSERT_EQ(d, again.next());
}
