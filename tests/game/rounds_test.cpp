// The shared steps of the betting: the next street, answers, turns and the
// human's win when every opponent has left.

#include "bettingtable.h"

using namespace stud;
using namespace stud::testing;

namespace {

using Rounds = BettingTable;

TEST_F(Rounds, StreetupShowsTheNextStreetAndRunsTheShowdownOnceAtTheEnd) {
    onstreet(4, seatno(player));
    ui.draws.clear();
    steps.streetup();
    EXPECT_EQ(t.street, 5);
    EXPECT_FALSE(ui.images().empty());
    EXPECT_EQ(game.showdownsThisDeal(), 0);
    steps.streetup();
    EXPECT_EQ(t.street, 6);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
    steps.streetup(); // nothing after the end of the deal
    EXPECT_EQ(t.street, 6);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
}

TEST_F(Rounds, AnswersAreAskedOnlyOfSeatsStillInTheDeal) {
    onstreet(2, seatno(champ));
    t.tocall = 2;
    t.seats[geek].folded = true;
    steps.setcash(master, 0);
    script({kYes, kYes});
    steps.answerupto(champ, true);
    EXPECT_EQ(acts(), (Log{"freak Calls 2", "champ Calls 2"}));
    EXPECT_EQ(draws.draws, 2u);

    ui.log.clear();
    script({kYes});
    steps.answerupto(master, false); // up to the one before master: freak (geek is out)
    EXPECT_EQ(acts(), (Log{"freak Calls 2"}));
}

TEST_F(Rounds, EveryTurnIsMadeSoABrokeOpenerStillOpensTheStreet) {
    onstreet(2, seatno(master));
    steps.setcash(master, 0);
    script({kNo, kNo, kNo});
    steps.turnsfrom(freak);
    EXPECT_EQ(acts(), (Log{"freak Checks 2", "geek Checks 2", "champ Checks 3"}));
    EXPECT_EQ(t.opener, seatno(master)); // out for lack of cash, it keeps the role
}

TEST_F(Rounds, TurnsStopAtTheShowdownWhenTheOpenerClosesTheLastStreet) {
    onstreet(5, seatno(geek));
    script({kNo});
    steps.turnsfrom(freak);
    EXPECT_EQ(t.street, 6);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
    EXPECT_EQ(draws.draws, 1u); // master and champ never decide
}

TEST_F(Rounds, FoldwinPaysThePotMarksTheDealAndStartsTheHumansWin) {
    onstreet(3, seatno(player));
    steps.setpot(40);
    steps.foldwin();
    EXPECT_EQ(cash(player), 140);
    EXPECT_EQ(ui.text(Control::cash), "140");
    EXPECT_EQ(t.pot, 40);
    EXPECT_EQ(t.finalscore[player], 1000);
    EXPECT_EQ(t.bestscore, 1000);
    EXPECT_EQ(t.winstep, 0);
    EXPECT_TRUE(ui.isTimerEnabled(Timer::wintimer));
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip3.wav"}));
    EXPECT_EQ(buttons(), "D---");
    EXPECT_TRUE(game.dealdecided());
    EXPECT_EQ(t.street, 3);

    // Every button handler now leaves the table alone.
    game.click(Control::btnstay);
    game.click(Control::btnbet);
    game.click(Control::btnpass);
    EXPECT_EQ(cash(player), 140);
    EXPECT_EQ(draws.draws, 0u);
    EXPECT_EQ(game.showdownsThisDeal(), 0);
}

TEST_F(Rounds, FoldwinNearTheLimitDoesNotWrap) {
    steps.setcash(player, INT32_MAX - 3);
    steps.setpot(10);
    steps.foldwin();
    EXPECT_EQ(cash(player), INT32_MAX);
}

} // namespace
