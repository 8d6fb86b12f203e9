// The award of a showdown on its own, without the game around it: the
// comparison key, the seats out of it and the split of the pot.

#include "cards/evaluator.h"
#include "showdown/award.h"
#include "support/cardtext.h"
#include "table/seattable.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace stud;
using stud::testing::hand;

namespace {

// Five seats in the showdown with the given hands and some cash each.
std::array<Seat, kSeats> seats(const std::array<std::string, kSeats>& hands) {
    std::array<Seat, kSeats> out{};
    for (SeatId s : kAllSeats) {
        out[s].hand = hand(hands[s]);
        out[s].cash = 10;
    }
    return out;
}

const std::array<std::string, kSeats> kFiveHands{
    "Ac Ad 7h 6s 4c 3d 2h",  // pair of Aces, weak kickers
    "Kc Kd Ah Qs Jc 3d 2h",  // pair of Kings, the best kickers
    "2c 2d 3h 3s 5c 7d 9h",  // two pairs
    "Ah Kh Qh Jh 9c 7d 5s",  // Ace high
    "As Ah Kc Qd 9s 3c 2d"}; // pair of Aces, better kickers

TEST(Award, TheCategoryOutweighsEveryKickerAndKickersDecideWithinIt) {
    const Award a = award(seats(kFiveHands), 100);
    for (SeatId s : kAllSeats) {
        const HandValue v = evaluate(hand(kFiveHands[s]));
        EXPECT_EQ(a.category[s], v.handscore) << s;
        EXPECT_EQ(a.finalscore[s], v.handscore * kCategoryWeight + v.kickscore) << s;
    }
    // Two pairs beat both pairs of Aces; of those, the better kickers rank higher.
    EXPECT_EQ(a.bestscore, a.finalscore[geek]);
    EXPECT_GT(a.finalscore[champ], a.finalscore[player]);
    EXPECT_GT(a.finalscore[player], a.finalscore[freak]);
    EXPECT_EQ(a.winners, 1);
    EXPECT_EQ(a.share, 100);
}

TEST(Award, AFoldedOrBrokeSeatScoresItsSeatsOutscoreWhateverItHolds) {
    auto s = seats(kFiveHands);
    s[geek].folded = true;
    s[champ].cash = 0;
    const Award a = award(s, 100);
    EXPECT_EQ(a.finalscore[geek], kSeatInfo[geek].outscore);
    EXPECT_EQ(a.finalscore[champ], kSeatInfo[champ].outscore);
    EXPECT_EQ(a.category[geek], evaluate(s[geek].hand).handscore); // still ranked for the caption
    EXPECT_EQ(a.bestscore, a.finalscore[player]);

    // Everyone out: the seats' fixed scores alone decide, and they never tie.
    for (SeatId seat : kAllSeats) s[seat].folded = true;
    const Award none = award(s, 100);
    EXPECT_EQ(none.winners, 1);
    EXPECT_EQ(none.share, 100);
}

TEST(Award, EqualBestHandsShareThePotAndTheRemainderIsPaidToNobody) {
    // The same cards in other suits tie exactly.
    auto s = seats({"Ac Kd 9h 7s 5c 3d 2h", "Ad Kh 9s 7c 5d 3h 2s", "Ah Ks 9c 7d 5h 3s 2c",
                    "4c 4d 8h 9s Jc 2d 3h", "2c 3d 4h 6s 7c 9d Jh"});
    s[master].folded = true;
    const Award a = award(s, 100);
    EXPECT_EQ(a.winners, 3);
    EXPECT_EQ(a.share, 33);
    EXPECT_EQ(a.finalscore[player], a.finalscore[freak]);
    EXPECT_EQ(a.finalscore[freak], a.finalscore[geek]);
}

} // namespace
