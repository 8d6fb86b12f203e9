// The human's buttons driven through whole clicks: who answers and acts in
// which order, who pays what, where the street moves on, and what the
// buttons, captions and sounds show afterwards.

#include "bettingtable.h"
#include "table/seattable.h"

#include <algorithm>

using namespace stud;
using namespace stud::testing;

namespace {

using PlayerActions = BettingTable;

TEST_F(PlayerActions, CallOfChampsOpeningBetIsPaidByEveryoneAndEndsTheFirstStreet) {
    script({kYes, kYes, kYes, kYes, kNo}); // four answers, then the card sound
    game.click(Control::btnstay);
    EXPECT_EQ(acts(), (Log{"freak Calls 1", "geek Calls 1", "master Calls 1", "champ Calls 1"}));
    for (SeatId s : kAllSeats) EXPECT_EQ(cash(s), 98) << s; // champ pays its own bet now
    EXPECT_EQ(t.pot, 15);
    EXPECT_EQ(t.street, 2);
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"card2.wav"}));
    EXPECT_EQ(buttons(), "-CRF");
    EXPECT_EQ(ui.text(Control::btnstay), "Check");
    EXPECT_EQ(draws.draws, 5u);
}

TEST_F(PlayerActions, RaiseOnFirstStreetSettlesTheOpeningBetUpToItsBettor) {
    deal(seatno(geek));
    script({kYes, kYes, kNo, kNo, kNo, kNo, kNo}); // freak, geek answer; sound; four turns
    game.click(Control::btnbet);
    // Only the seats up to the bettor owe the opening bet; geek's turn opens street 2.
    EXPECT_EQ(acts(), (Log{"freak Calls 1", "geek Calls 1", "freak Checks 1", "geek Checks 2",
                           "master Checks 2", "champ Checks 2"}));
    EXPECT_EQ(cash(player), 98);
    EXPECT_EQ(cash(freak), 98);
    EXPECT_EQ(cash(geek), 98);
    EXPECT_EQ(cash(master), 100);
    EXPECT_EQ(t.pot, 11);
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip1.wav", "card2.wav"}));
    EXPECT_EQ(buttons(), "-CRF");
}

TEST_F(PlayerActions, RaiseAsOpenerIsAnsweredThenTheTurnsBelongToTheNextStreet) {
    onstreet(3, seatno(player));
    script({kYes, kYes, kYes, kYes, kNo, kNo, kNo, kNo, kNo});
    game.click(Control::btnbet);
    EXPECT_EQ(acts(),
              (Log{"freak Calls 3", "geek Calls 3", "master Calls 3", "champ Calls 3",
                   "freak Checks 4", "geek Checks 4", "master Checks 4", "champ Checks 4"}));
    EXPECT_EQ(t.pot, 5 + 5 * t.smallbet);
    EXPECT_EQ(t.tocall, 0);
}

TEST_F(PlayerActions, RaiseOnLastStreetPaysTheBigBetAndGoesStraightToOneShowdown) {
    onstreet(5, seatno(player));
    t.seats[player].hand = hand("2c 4d 7h 9s Jc 3d 8h"); // loses the showdown
    script({kYes, kYes, kYes, kYes});
    game.click(Control::btnbet);
    EXPECT_EQ(cash(player), 100 - t.bigbet);
    EXPECT_EQ(t.pot, 5 + 5 * t.bigbet);
    EXPECT_EQ(t.street, 6);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
    EXPECT_EQ(draws.draws, 4u); // no card sound, no turns
    EXPECT_EQ(buttons(), "D---");
    game.click(Control::btnbet); // a late click on a decided deal moves nothing
    EXPECT_EQ(t.pot, 5 + 5 * t.bigbet);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
}

TEST_F(PlayerActions, RaiseButtonChipSoundAndRefusalForLackOfCash) {
    // After a new match the button reads "Bet": that click is silent.
    t.betopens = true;
    ui.setText(Control::btnbet, "Bet");
    onstreet(2, seatno(champ));
    script({kYes, kYes, kYes, kYes, kNo, kNo, kNo, kNo, kNo}); // answers, sound, turns
    game.click(Control::btnbet);
    EXPECT_EQ(ui.text(Control::btnbet), "Raise");
    EXPECT_EQ(ui.sounds.front(), "card2.wav");

    // With less than 2 the raise only whitens the status lines and chimes.
    ui.sounds.clear();
    const auto drawn = draws.draws;
    onstreet(3, seatno(champ));
    steps.setcash(player, 1);
    ui.setTextColor(Control::geekstatus, TextColor::Yellow);
    game.click(Control::btnbet);
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip1.wav"}));
    EXPECT_EQ(ui.color(Control::geekstatus), TextColor::White);
    EXPECT_EQ(cash(player), 1);
    EXPECT_EQ(draws.draws, drawn);
}

TEST_F(PlayerActions, EveryoneFoldingToTheRaiseHandsThePotOverAndStopsTheClick) {
    onstreet(2, seatno(player));
    script({kNo, kNo, kNo, kNo});
    const auto before = money();
    game.click(Control::btnbet);
    EXPECT_EQ(cash(player), 98 + 7);
    EXPECT_EQ(money(), before + t.pot); // the pot stays on show until the next deal
    EXPECT_EQ(t.street, 2);
    EXPECT_EQ(draws.draws, 4u);
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip1.wav", "chip3.wav"}));
    EXPECT_EQ(buttons(), "D---");
    EXPECT_EQ(game.showdownsThisDeal(), 0);
}

struct CheckRound {
    int opener;
    Log acts;
    int street; // after the click
};

TEST_F(PlayerActions, CheckLetsTheOpponentsActFromFreakAndTheOpenerOpensTheNextStreet) {
    // Street 2, nothing standing: the opener's turn shows street 3 before it
    // acts; with the human as opener the table moves on at the end.
    const CheckRound cases[] = {
        {1, {"freak Checks 2", "geek Checks 2", "master Checks 2", "champ Checks 3"}, 3},
        {2, {"freak Checks 2", "geek Checks 2", "master Checks 3", "champ Checks 3"}, 3},
        {3, {"freak Checks 2", "geek Checks 3", "master Checks 3", "champ Checks 3"}, 3},
        {4, {"freak Checks 3", "geek Checks 3", "master Checks 3", "champ Checks 3"}, 3},
        {5, {"freak Checks 2", "geek Checks 2", "master Checks 2", "champ Checks 2"}, 3},
    };
    for (const CheckRound& c : cases) {
        onstreet(2, c.opener);
        ui.log.clear();
        ui.sounds.clear();
        script({kNo, kNo, kNo, kNo, kYes});
        game.click(Control::btnstay);
        EXPECT_EQ(acts(), c.acts) << "opener " << c.opener;
        EXPECT_EQ(t.street, c.street) << "opener " << c.opener;
        EXPECT_EQ(money(), 505);
        EXPECT_EQ(cash(player), 100);
        EXPECT_EQ(ui.sounds, (std::vector<std::string>{"card1.wav"}));
        EXPECT_EQ(ui.text(Control::btnstay), "Check");
        EXPECT_EQ(buttons(), "-CRF");
    }
}

TEST_F(PlayerActions, RaiseInATurnStopsTheTurnsAndIsAnsweredAtOnceByThoseAfterIt) {
    onstreet(3, seatno(champ));
    for (SeatId s : kOpponents) steps.setstatus(s, Told::calls);
    ui.log.clear();
    script({kNo, kYes, kYes, kYes, kNo}); // freak checks, geek raises, master and champ call
    game.click(Control::btnstay);
    EXPECT_EQ(acts(), (Log{"freak Checks 3", "geek Raises 3", "master Calls 3", "champ Calls 3"}));
    EXPECT_EQ(ui.text(Control::freakstatus), "");
    EXPECT_EQ(cash(geek), 100 - t.bigbet);
    EXPECT_EQ(cash(champ), 100 - t.bigbet);
    EXPECT_EQ(t.street, 3);
    EXPECT_TRUE(t.seats[geek].raised);
    EXPECT_EQ(buttons(), "-C-F");
    EXPECT_EQ(ui.text(Control::btnstay), "Call");
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip1.wav", "card2.wav"}));
}

TEST_F(PlayerActions, CallOfARaiseLetsOnlyTheSeatsAfterTheBettorTakeTurns) {
    onstreet(3, seatno(champ));
    standing(freak, t.bigbet);
    script({kYes, kYes, kYes, kNo}); // geek raises again, master and champ answer it
    game.click(Control::btnstay);
    EXPECT_EQ(cash(player), 96);
    EXPECT_EQ(acts(), (Log{"geek Raises 3", "master Calls 3", "champ Calls 3"}));
    EXPECT_FALSE(t.seats[freak].raised);
    EXPECT_TRUE(t.seats[geek].raised);
    EXPECT_EQ(buttons(), "-C-F");

    // Calling geek's raise: freak answers it, then master and champ take turns.
    ui.log.clear();
    script({kYes, kNo, kNo, kNo});
    game.click(Control::btnstay);
    EXPECT_EQ(acts(), (Log{"freak Calls 3", "master Checks 3", "champ Checks 4"}));
    EXPECT_EQ(cash(player), 92);
    EXPECT_EQ(buttons(), "-CRF");
}

TEST_F(PlayerActions, FoldWhileARaiseStandsLetsTheSeatsBeforeItAnswerThenShowsDown) {
    onstreet(3, seatno(champ));
    standing(master, t.bigbet);
    script({kYes, kYes});
    game.click(Control::btnpass);
    const Log answered(acts().begin(), acts().begin() + 3); // the hand names follow
    EXPECT_EQ(answered, (Log{"freak Calls 3", "geek Calls 3", "player you fold 3"}));
    EXPECT_EQ(t.pot, 5 + 2 * t.bigbet);
    EXPECT_EQ(cash(master), 100); // the bettor does not answer its own raise
    EXPECT_TRUE(t.seats[player].folded);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
    EXPECT_EQ(t.finalscore[player], -180);
    EXPECT_EQ(buttons(), "D---");
    EXPECT_EQ(ui.text(Control::btnstay), "Check");
    bool wiped = false;
    for (const auto& d : ui.draws)
        wiped |= d.op == FakeServices::Op::FillRect && d.x == 335 && d.y == 500 && d.right == 635 &&
                 d.bottom == 600;
    EXPECT_TRUE(wiped);
}

TEST_F(PlayerActions, FoldAgainstABrokeOpenersBetPaysThePotOnlyOnce) {
    // Master opened without cash and champ is broke too: when freak and geek
    // fold in answer, every opponent is out and the human has won.
    deal(seatno(master));
    steps.setcash(master, 0);
    steps.setcash(champ, 0);
    t.folds = 2;
    script({kNo, kNo});
    const auto before = money();
    game.click(Control::btnpass);
    EXPECT_EQ(cash(player), 100 + 5);
    EXPECT_EQ(cash(champ), 0);
    EXPECT_EQ(money(), before + t.pot);
    EXPECT_EQ(game.showdownsThisDeal(), 0);
    EXPECT_EQ(buttons(), "D---");
}

TEST_F(PlayerActions, CheckOnTheLastStreetAsOpenerEndsInExactlyOneShowdown) {
    onstreet(5, seatno(player));
    script({kYes, kYes, kYes, kYes}); // nobody raises on the last street
    game.click(Control::btnstay);
    const Log turns(acts().begin(), acts().begin() + 4); // the hand names follow
    EXPECT_EQ(turns, (Log{"freak Checks 5", "geek Checks 5", "master Checks 5", "champ Checks 5"}));
    EXPECT_EQ(t.street, 6);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
    EXPECT_EQ(draws.draws, 4u);
    game.click(Control::btnstay);
    game.click(Control::btnpass);
    EXPECT_EQ(game.showdownsThisDeal(), 1);
}

TEST_F(PlayerActions, AnswersStayOnShowOnTheFirstStreetAndAreClearedForTheTurnsAfter) {
    // Street 1: the call settles the opening bet and the answers stay up.
    script({kYes, kYes, kYes, kYes, kNo});
    game.click(Control::btnstay);
    for (SeatId s : kOpponents) EXPECT_EQ(t.seats[s].status, "Calls") << s;

    // Later streets: the lines of the seats still in are cleared before the
    // turns; a seat that is out keeps what it last did.
    onstreet(3, seatno(champ));
    standing(champ, t.bigbet);
    t.seats[geek].folded = true;
    steps.setstatus(geek, Told::folds);
    script({kYes, kYes, kNo}); // freak and master answer, then the card sound
    game.click(Control::btnstay);
    EXPECT_EQ(t.seats[freak].status, "");
    EXPECT_EQ(t.seats[master].status, "");
    EXPECT_EQ(t.seats[geek].status, "Folds");
    EXPECT_EQ(cash(champ), 98); // the bettor is not asked again after street 1
}

TEST_F(PlayerActions, TheHumansLineKeepsItsColourThroughFoldAndShowdown) {
    // A win of the last deal can leave the human's line yellow: only Raise
    // and Check/Call whiten it, Fold and the showdown whiten the others.
    onstreet(2, seatno(champ));
    for (SeatId s : kAllSeats) ui.setTextColor(kSeatInfo[s].statusLabel, TextColor::Yellow);
    game.click(Control::btnpass);
    EXPECT_EQ(ui.color(Control::playerstatus), TextColor::Yellow);
    for (SeatId s : kOpponents)
        EXPECT_EQ(ui.color(kSeatInfo[s].statusLabel),
                  t.finalscore[s] == t.bestscore ? TextColor::Yellow : TextColor::White)
            << s;

    deal(seatno(champ));
    ui.setTextColor(Control::playerstatus, TextColor::Yellow);
    t.seats[player].folded = false;
    game.click(Control::btnstay);
    EXPECT_EQ(ui.color(Control::playerstatus), TextColor::White);
}

TEST_F(PlayerActions, ATurnOfASeatInTheDealZeroesWhatTheSeatsBeforeTheOpenerStillOwe) {
    // Master's opening bet stands. Champ's check sets tocall to 0, so a fold
    // of the human then costs freak and geek nothing; a broke champ's turn
    // leaves the small bet for them to pay.
    for (bool champBroke : {false, true}) {
        deal(seatno(master));
        for (SeatId s : kAllSeats) {
            t.seats[s].folded = false;
            steps.setcash(s, 100);
        }
        steps.setpot(5);
        if (champBroke)
            steps.setcash(champ, 0);
        else
            script({kNo}); // champ checks
        steps.turnsfrom(champ);
        EXPECT_TRUE(t.seats[master].raised);
        script({kYes, kYes});
        game.click(Control::btnpass);
        EXPECT_EQ(t.pot, 5 + (champBroke ? 2 * t.smallbet : 0)) << champBroke;
        const Log folded{"freak Calls 1", "geek Calls 1", "player you fold 1"};
        EXPECT_TRUE(std::search(acts().begin(), acts().end(), folded.begin(), folded.end()) !=
                    acts().end())
            << champBroke;
        ui.log.clear();
    }
}

TEST_F(PlayerActions, CardSoundSplitsAtFifty) {
    script({50, 51, 0, 99});
    steps.cardsound();
    steps.cardsound();
    t.soundon = false;
    steps.cardsound();
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"card2.wav", "card1.wav"}));
    EXPECT_EQ(draws.draws, 3u); // silent, but the draw is still taken
}

} // namespace

namespace {

TEST_F(PlayerActions, TheHumansBetIsTheSmallBetOnStreetsOneToFourAndTheBigBetOnTheLast) {
    const std::pair<int, std::int32_t> bets[] = {{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 12}};
    for (const auto& [street, bet] : bets) {
        SCOPED_TRACE(street);
        onstreet(street, seatno(player));
        for (SeatId s : kAllSeats) t.seats[s].folded = false;
        t.folds = 0;
        steps.setcash(player, 100);
        t.ante = 3;
        t.smallbet = 6;
        t.bigbet = 12;
        t.seats[player].hand = hand("2c 4d 7h 9s Jc 3d 8h"); // never wins what it paid back
        game.click(Control::btnbet);
        EXPECT_EQ(cash(player), 100 - bet);
    }
}

} // namespace
