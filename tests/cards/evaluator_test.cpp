#include "cards/evaluator.h"
#include "reference_evaluator.h"
#include "support/evaluatorready.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace stud;

namespace {

// "Ah 10c 2d ..." in slot order; the test data is trusted, so no error handling.
Hand cards(const std::string& text) {
    Hand h{};
    std::istringstream in(text);
    std::string tok;
    int slot = 0;
    while (in >> tok) {
        const std::string rankText = tok.substr(0, tok.size() - 1);
        const char suitChar = tok.back();
        static const std::string ranks[13] = {"2", "3",  "4", "5", "6", "7", "8",
                                              "9", "10", "J", "Q", "K", "A"};
        const int rank = static_cast<int>(std::find(ranks, ranks + 13, rankText) - ranks);
        const int suit = static_cast<int>(std::string("cdhs").find(suitChar));
        h.at(static_cast<std::size_t>(slot++)) = Card{suit, rank};
    }
    EXPECT_EQ(slot, 7) << text;
    return h;
}

HandValue eval(const std::string& text) {
    return evaluate(cards(text));
}

std::string show(const Hand& h) {
    std::string s;
    for (const Card& c : h) {
        s += std::to_string(c.rank) + "/" + std::to_string(c.suit) + " ";
    }
    return s;
}

Hand randomHand(std::mt19937_64& rng) {
    std::array<int, 52> deck{};
    for (int i = 0; i < 52; ++i) deck[i] = i;
    Hand h{};
    for (int i = 0; i < 7; ++i) {
        std::uniform_int_distribution<int> pick(i, 51);
        std::swap(deck[i], deck[pick(rng)]);
        h[i] = Card{deck[i] / 13, deck[i] % 13};
    }
    return h;
}

// Seven distinct cards from a narrow part of the deck, so that flushes,
// straights and straight flushes, rare among random hands, come up often.
Hand crowdedHand(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> pickSuits(1, 2), pickLow(0, 6), pickSpan(6, 9);
    const int suits = pickSuits(rng);
    const int low = pickLow(rng);
    const int span = std::min(pickSpan(rng), 13 - low);
    std::vector<Card> pool;
    std::uniform_int_distribution<int> firstSuit(0, 3);
    const int s0 = firstSuit(rng);
    for (int k = 0; k < suits; ++k)
        for (int r = low; r < low + span; ++r) pool.push_back(Card{(s0 + k) % 4, r});
    // Sprinkle two cards from anywhere to bring in pairs and a stray suit.
    std::uniform_int_distribution<int> any(0, 51);
    for (int added = 0; added < 2 || pool.size() < 7;) {
        const int c = any(rng);
        const Card card{c / 13, c % 13};
        if (std::find(pool.begin(), pool.end(), card) == pool.end()) {
            pool.push_back(card);
            ++added;
        }
    }
    std::shuffle(pool.begin(), pool.end(), rng);
    Hand h{};
    std::copy_n(pool.begin(), 7, h.begin());
    return h;
}

void expectHand(const std::string& text, int handscore, int kickscore) {
    const HandValue v = eval(text);
    EXPECT_EQ(v.handscore, handscore) << text;
    EXPECT_EQ(v.kickscore, kickscore) << text;
}

} // namespace

// The straight flush is looked for from one card only: the first card, in
// slot order, of the lowest rank that starts a pair of neighbours.
TEST(Evaluator, StraightFlushOnlyFromTheOneStartingCard) {
    expectHand("2c 3d 7h 8h 9h 10h Jh", 459, 0); // starts at the Two of clubs
    expectHand("Ah Kh Qh Jh 10h 2d 3c", 462, 0); // starts at the Two of diamonds
    expectHand("4h 5h 6h 7h 8h 9h Kc", 1000, 0);
    expectHand("2c 3c 4c 5c 6c 2d 9h", 1000, 0);
    expectHand("2d 3c 4c 5c 6c 2c 9h", 454, 0); // the same cards, Two of diamonds first
    expectHand("Ah 2h 3h 4h 5h 9c Kd", 462, 0); // the Ace is not low here
    // A run reaching the Ace counts when it starts at x.
    expectHand("10s Js Qs Ks As 2d 5c", 1000, 0);
    // The run is counted from x + 1, so x itself need not be part of the five.
    expectHand("9d 10c Jc Qc Kc Ac 3h", 462, 0); // starts at the Nine of diamonds
    expectHand("9c 10c Jc Qc Kc 2d 4h", 1000, 0);
}

TEST(Evaluator, AllStraightFlushesAndEqualFlushesTie) {
    EXPECT_EQ(eval("2s 3s 4s 5s 6s Kd Kh").handscore, eval("9h 10h Jh Qh Kh Ah 2c").handscore);
    const HandValue a = eval("Ac 9c 7c 5c 3c Kd Qh");
    const HandValue b = eval("Ad Kd Qd Jd 9d 2c 2h");
    EXPECT_EQ(a.handscore, 462);
    EXPECT_EQ(b.handscore, 462);
    EXPECT_EQ(a.kickscore, 0);
    EXPECT_EQ(b.kickscore, 0);
}

TEST(Evaluator, FlushOutranksStraightAndIsRankedByItsTopCardAlone) {
    expectHand("5h 6c 7h 8h 9d Jh Kh", 461, 0); // straight and flush at once
    expectHand("2s 4s 6s 8s 9s As Ks", 462, 0); // seven of a suit
    expectHand("3d 5d 7d 9d Jd Ac Kc", 459, 0); // the Ace is not in the suit
}

TEST(Evaluator, Straights) {
    expectHand("Ac 2d 3h 4s 5c 9c Kd", 403, 0); // Ace to Five
    // ... which beats three Aces and loses to the straight Two to Six.
    EXPECT_GT(eval("Ac 2d 3h 4s 5c 9c Kd").handscore, eval("Ac Ad Ah 4s 6c 9c Kd").handscore);
    EXPECT_LT(eval("Ac 2d 3h 4s 5c 9c Kd").handscore, eval("2d 3h 4s 5c 6c 9c Kd").handscore);
    expectHand("Ac 2d 3h 4s 5c 6c Kd", 404, 0); // Two to Six beats the wheel
    expectHand("10c Jd Qh Ks Ac 2d 3h", 412, 0);
    expectHand("2c 3d 4h 5s 6c 7d 8h", 406, 0);  // a run of seven is ranked by its top
    expectHand("2c 3d 9h 10s Jc Qd Kh", 411, 0); // found from the second start
    expectHand("2c 3d 5h 6s 7c 8d 9h", 407, 0);
    expectHand("2c 3d 4h 5s Kc Qd Jh", 11, 5 * 10 + 9); // no Ace, no straight: King high
    expectHand("Ac Ad 2h 3s 4c 5d 9h", 403, 0);         // wheel over a pair of Aces
    expectHand("3c 3d 4h 5s 6c 7d 7h", 405, 0);         // straight over two pairs
}

TEST(Evaluator, FourOfAKindAndFullHouse) {
    expectHand("Ac Ad Ah As Kc Kd 2h", 812, 0);
    expectHand("2c 2d 2h 2s Ac Ad Ah", 800, 0);  // four over a set of Aces
    expectHand("7c 7d 7h 4s 4c 4d Kh", 505, 10); // two sets: the higher one is T
    expectHand("7c 7d 7h 4s 4c Kd Kh", 505, 55); // the higher of two pairs is P
    expectHand("Ac Ad 2c 2d 2h 9s 8s", 500, 60);
}

TEST(Evaluator, ThreeOfAKind) {
    expectHand("9c 9d 9h Ks 5c 3d 2h", 307, 5 * 11 + 3);
    expectHand("Ac Ad Ah Ks Qc 3d 2h", 312, 5 * 11 + 10);
    expectHand("2c 2d 2h Ks Qc 5d 4h", 300, 5 * 11 + 10);
}

// Two pairs: the weight 5 on the lower pair does not always outweigh the
// kicker, and a third pair's rank can be the kicker.
TEST(Evaluator, TwoPairsWeighLowerPairAndKicker) {
    expectHand("Kc Kd 9h 9s 5c 5d Ah", 211, 47);
    expectHand("Ac As 3c 3d Kh 8s 6d", 212, 16);
    expectHand("Ac As 4c 4d 2h 8s 6d", 212, 16);
    expectHand("Ac As 3c 3d Kh 5s 2d", 212, 16);
    expectHand("Ac As 4c 4d 7h 5s 2d", 212, 15);
    expectHand("Qc Qd 5h 5s 9c 9d 2h", 210, 5 * 7 + 3); // the Fives become the kicker
    expectHand("3c 3d 2h 2s 4c 6d 8h", 201, 5 * 0 + 6);
}

TEST(Evaluator, OnePairAndHighCard) {
    expectHand("9c 9d Kh Qs 5c 3d 2h", 107, 88);
    expectHand("2c 2d Ah Ks Qc 5d 7h", 100, 103); // the largest kickscore there is
    expectHand("2c 2d 3h 4s 6c 7d 9h", 100, 5 * 7 + 3 * 5 + 4);
    expectHand("Ac Kd 9h 7s 5c 3d 2h", 12, 62);
    expectHand("2c 3d 4h 6s 7c 9d 10h", 8, 5 * 7 + 5);
    expectHand("2c 3d 4h 6s 7c 8d 10h", 8, 5 * 6 + 5);
}

// The fast evaluator against the step-by-step chain on random hands in
// random slot order, and on hands crowded into few suits and ranks.
TEST(Evaluator, AgreesWithTheStepByStepChain) {
    ASSERT_TRUE(stud::testing::evaluatorLookupReady()) << "only the careful path would be checked";
    std::mt19937_64 rng(20240601);
    long mismatches = 0;
    for (int i = 0; i < 3'000'000; ++i) {
        const Hand h = (i % 4 == 3) ? crowdedHand(rng) : randomHand(rng);
        const HandValue fast = evaluate(h);
        const HandValue slow = reference::evaluate(h);
        if (fast.handscore != slow.handscore || fast.kickscore != slow.kickscore) {
            if (++mismatches <= 10)
                ADD_FAILURE() << show(h) << " fast " << fast.handscore << "/" << fast.kickscore
                              << " chain " << slow.handscore << "/" << slow.kickscore;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// Values far outside the deck in any one slot, including those that share
// their low bits with a real card, take the careful way: none of them may be
// read as the card it resembles.
TEST(Evaluator, FarOutsideValuesInAnySlotAreNeverTakenForCards) {
    const Hand base = cards("Ac Kd 9h 7s 5c 3d 2h");
    const int odd[] = {-1,        4,          13,         15,    16,    52,        65536,
                       65536 + 3, 65536 + 12, -65536 + 2, 32767, 32768, INT32_MAX, INT32_MIN};
    for (std::size_t slot = 0; slot < 7; ++slot) {
        for (int v : odd) {
            for (int field = 0; field < 2; ++field) {
                Hand h = base;
                h[slot] = field == 0 ? Card{v, h[slot].rank} : Card{h[slot].suit, v};
                const HandValue fast = evaluate(h);
                const HandValue slow = reference::evaluate(h);
                EXPECT_EQ(fast.handscore, slow.handscore) << show(h);
                EXPECT_EQ(fast.kickscore, slow.kickscore) << show(h);
            }
        }
    }
}

// Near the deck's edges a card keeps each number in a few bits: every pair of
// small out-of-deck numbers, in every slot of a plain hand and of a flush,
// must still be recognised as foreign and never alias a real card (suit 5
// must not read as suit 1, rank 13 as the Two of the next suit).
TEST(Evaluator, NumbersJustOutsideTheDeckNeverAliasARealCard) {
    const Hand bases[] = {cards("Ac Kd 9h 7s 5c 3d 2h"), cards("2h 3h 4h 5h 6h Kd Ac")};
    for (const Hand& base : bases) {
        for (std::size_t slot = 0; slot < 7; ++slot) {
            for (int suit = -6; suit <= 9; ++suit) {
                for (int rank = -6; rank <= 19; ++rank) {
                    Hand h = base;
                    h[slot] = Card{suit, rank};
                    const HandValue fast = evaluate(h);
                    const HandValue slow = reference::evaluate(h);
                    ASSERT_EQ(fast.handscore, slow.handscore) << show(h);
                    ASSERT_EQ(fast.kickscore, slow.kickscore) << show(h);
                }
            }
        }
    }
}

// A card is one byte and the evaluator reads it as it stands, so every byte
// in every slot, next to real cards and to another foreign one, must give
// the chain's answer; and a number outside the deck, however large, is
// stored as outside.
TEST(Evaluator, EveryByteInEverySlotFollowsTheChain) {
    for (int v : {13, 52, 65536 + 3, 256 + 1, 64 + 2, -1, INT32_MAX, INT32_MIN}) {
        EXPECT_GE(Card(v, 2).rank, kRanks) << v;
        EXPECT_GE(Card(1, v).rank, kRanks) << v;
    }
    EXPECT_GE(Card(4, 2).rank, kRanks);
    for (int i = 0; i < kDeckSize; ++i) {
        const Card c{i / kRanks, i % kRanks};
        EXPECT_EQ(c.image(), i);
        EXPECT_EQ(std::bit_cast<std::uint8_t>(c), c.suit + 4 * c.rank);
    }
    const Hand bases[] = {cards("Ac Kd 9h 7s 5c 3d 2h"), cards("2h 3h 4h 5h 6h Kd Ac")};
    for (const Hand& base : bases) {
        for (std::size_t slot = 0; slot < 7; ++slot) {
            for (int byte = 0; byte < 256; ++byte) {
                for (bool foreignNeighbour : {false, true}) {
                    Hand h = base;
                    h[slot] = std::bit_cast<Card>(static_cast<std::uint8_t>(byte));
                    if (foreignNeighbour) h[slot == 6 ? 5 : slot ^ 1] = Card{0, kOutsideRank};
                    const HandValue fast = evaluate(h);
                    const HandValue slow = reference::evaluate(h);
                    ASSERT_EQ(fast.handscore, slow.handscore) << show(h);
                    ASSERT_EQ(fast.kickscore, slow.kickscore) << show(h);
                }
            }
        }
    }
}

// Every way of spreading seven cards over the thirteen ranks (up to seven of
// a rank, with repeated cards) in suits that never make five of a kind: the
// whole rank table, entry by entry, against the chain.
TEST(Evaluator, EveryRankSpreadWithoutAFlushAgreesWithTheChain) {
    ASSERT_TRUE(stud::testing::evaluatorLookupReady());
    std::array<int, 13> count{};
    long spreads = 0, mismatches = 0;
    auto spread = [&](auto&& self, int r, int left) -> void {
        if (r == 12) {
            count[12] = left;
            Hand h{};
            int slot = 0;
            for (int rank = 0; rank < 13; ++rank)
                for (int k = 0; k < count[static_cast<std::size_t>(rank)]; ++k, ++slot)
                    h[static_cast<std::size_t>(slot)] = Card{slot % 4, rank};
            ++spreads;
            const HandValue fast = evaluate(h);
            const HandValue slow = reference::evaluate(h);
            if ((fast.handscore != slow.handscore || fast.kickscore != slow.kickscore) &&
                ++mismatches <= 10)
                ADD_FAILURE() << show(h) << " fast " << fast.handscore << "/" << fast.kickscore
                              << " chain " << slow.handscore << "/" << slow.kickscore;
            return;
        }
        for (int c = 0; c <= left; ++c) {
            count[static_cast<std::size_t>(r)] = c;
            self(self, r + 1, left - c);
        }
    };
    spread(spread, 0, 7);
    EXPECT_EQ(spreads, 50'388);
    EXPECT_EQ(mismatches, 0);
}

// The game never repeats a card or hands over a value outside the deck, but
// the evaluator must still give the chain's answer (and never read out of
// bounds): repeated cards count as often as they appear, foreign cards are
// skipped.
TEST(Evaluator, RepeatedAndForeignCardsFollowTheChain) {
    expectHand("Ah Ah Ah Ah Ah Ah Ah", 462, 0); // seven hearts: the flush test comes first
    expectHand("Ah Ah Ah Ah As As As", 812, 0); // seven Aces are four of a kind
    expectHand("Ah Ah Kd Qc 9s 5d 3c", 112, 5 * 11 + 3 * 10 + 7);
    expectHand("2h 3h 4h 5h 6h 6h 6h", 1000, 0);
    expectHand("2c 2c 2c 3d 3d 9s 9s", 500, 35); // three copies of a card make a set

    Hand h = cards("Ac Kd 9h 7s 5c 3d 2h");
    h[6] = Card{4, 0};  // a fifth suit
    h[5] = Card{1, 13}; // a fourteenth rank
    h[4] = Card{-1, -7};
    const HandValue v = evaluate(h);
    EXPECT_EQ(v.handscore, 12);
    EXPECT_EQ(v.kickscore, 5 * 11 + 7);

    Hand none{};
    none.fill(Card{INT32_MIN, INT32_MAX});
    EXPECT_EQ(evaluate(none).handscore, 0);
    EXPECT_EQ(evaluate(none).kickscore, 0);

    std::mt19937_64 rng(99);
    std::uniform_int_distribution<int> suit(-1, 4), rank(-1, 13), wide(0, 9);
    for (int i = 0; i < 500'000; ++i) {
        Hand odd{};
        // Mostly real cards from a small pool so that repeats are common:
        // two suits of six ranks (many flushes) or four suits of three ranks
        // (five or more cards of a rank without a flush).
        const int suits = i % 2 ? 2 : 4, ranks = i % 2 ? 6 : 3;
        for (Card& c : odd) {
            c = wide(rng) == 0
                    ? Card{suit(rng), rank(rng)}
                    : Card{static_cast<int>(rng() % suits), static_cast<int>(rng() % ranks)};
        }
        const HandValue fast = evaluate(odd);
        const HandValue slow = reference::evaluate(odd);
        ASSERT_EQ(fast.handscore, slow.handscore) << show(odd);
        ASSERT_EQ(fast.kickscore, slow.kickscore) << show(odd);
    }
}

TEST(Evaluator, AHandWithoutKickersScoresNone) {
    const HandValue pair = evaluate(cards("9c 9d Kh Qs 5c 3d 2h"));
    EXPECT_EQ(pair.handscore, 107);
    EXPECT_EQ(pair.kickscore, 88);
    const HandValue straightFlush = evaluate(cards("4h 5h 6h 7h 8h 9h Kc"));
    EXPECT_EQ(straightFlush.handscore, 1000);
    EXPECT_EQ(straightFlush.kickscore, 0);
}
