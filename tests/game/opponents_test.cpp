// The opponents' answers and turns, and the thresholds behind their calls and
// raises. The strength is set by hand (no trials), so each decision takes
// exactly one draw and every one of the hundred draws can be tried.

#include "bettingtable.h"
#include "support/scriptedrandom.h"
#include "table/seattable.h"

using namespace stud;
using namespace stud::testing;

namespace {

using Opponents = BettingTable;

constexpr const char* kNames[] = {"player", "freak", "geek", "master", "champ"};

TEST_F(Opponents, AnOpponentThatCannotPayTheWholeCallFolds) {
    onstreet(3, seatno(champ));
    t.tocall = 4;
    steps.setcash(geek, 3);
    script({kYes});
    steps.answers(geek);
    EXPECT_TRUE(t.seats[geek].folded);
    EXPECT_EQ(t.folds, 1);
    EXPECT_EQ(ui.text(Control::geekstatus), "Folds");
    EXPECT_EQ(cash(geek), 3);
    const auto& wipe = ui.draws.back();
    EXPECT_EQ(wipe.op, FakeServices::Op::FillRect);
    EXPECT_EQ((std::array{wipe.x, wipe.y, wipe.right, wipe.bottom}),
              (std::array{120, 160, 380, 260}));

    // With exactly the amount it calls down to zero and is then out.
    steps.setcash(master, 4);
    script({kYes});
    steps.answers(master);
    EXPECT_EQ(ui.text(Control::masterstatus), "Calls");
    EXPECT_EQ(cash(master), 0);
    EXPECT_FALSE(t.seats[master].folded);
    EXPECT_FALSE(indeal(t, master));
}

struct OpenerCase {
    SeatId folding;
    std::vector<SeatId> folded, broke;
    int opener;
};

TEST_F(Opponents, AFoldingOpenerHandsTheRoleToTheNextOpponentStillIn) {
    const OpenerCase cases[] = {
        {freak, {}, {}, 3},
        {freak, {geek}, {master}, 1}, // out by folding or for lack of cash alike
        {freak, {geek, champ}, {master}, 5},
        {geek, {master}, {}, 1},
        {geek, {}, {master, champ}, 5},
        {master, {}, {}, 1},
        {champ, {}, {}, 5}, // never backwards to an earlier opponent
    };
    for (const OpenerCase& c : cases) {
        onstreet(2, seatno(c.folding));
        for (SeatId s : kAllSeats) {
            t.seats[s].folded = false;
            steps.setcash(s, 100);
        }
        t.folds = 0;
        for (SeatId s : c.folded) t.seats[s].folded = true;
        for (SeatId s : c.broke) steps.setcash(s, 0);
        script({kNo});
        steps.answers(c.folding);
        EXPECT_EQ(t.opener, c.opener) << "folding " << c.folding;
    }
}

struct RaiseCase {
    SeatId raiser;
    Log answered;
    std::vector<SeatId> emptied;
    int frame;
};

TEST_F(Opponents, ARaiseIsPaidAnsweredAtOnceAndLeavesTheHumanToCallOrFold) {
    const RaiseCase cases[] = {
        {freak, {"geek Calls 2", "master Calls 2", "champ Calls 2"}, {}, 1},
        {geek, {"master Calls 2", "champ Calls 2"}, {freak}, 3},
        {master, {"champ Calls 2"}, {freak, geek}, 5},
        {champ, {}, {freak, geek, master}, 7},
    };
    for (const RaiseCase& c : cases) {
        onstreet(2, seatno(player));
        for (SeatId s : kOpponents) steps.setstatus(s, Told::checks);
        t.seats[freak].raised = true; // an earlier raise is taken over
        ui.log.clear();
        ui.sounds.clear();
        ui.draws.clear();
        ui.setEnabled(Control::btnbet, true);
        ui.setTimerEnabled(Timer::winkanim, true);
        const auto pot = t.pot;
        const auto before = cash(c.raiser);
        script({kYes, kYes, kYes, kYes});

        steps.turn(c.raiser);
        Log expected{std::string(kNames[c.raiser]) + " Raises 2"};
        expected.insert(expected.end(), c.answered.begin(), c.answered.end());
        EXPECT_EQ(acts(), expected);
        EXPECT_EQ(cash(c.raiser), before - t.smallbet);
        EXPECT_EQ(t.pot, pot + t.smallbet * static_cast<int>(expected.size()));
        for (SeatId s : kOpponents) EXPECT_EQ(t.seats[s].raised, s == c.raiser) << s;
        for (SeatId s : c.emptied) EXPECT_EQ(t.seats[s].status, "") << s;
        EXPECT_EQ(ui.color(kSeatInfo[c.raiser].statusLabel), TextColor::Yellow);
        EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip1.wav"}));
        EXPECT_FALSE(ui.isTimerEnabled(Timer::winkanim));
        bool lit = false;
        for (const auto& d : ui.images()) lit |= d.set == ImageSet::players && d.index == c.frame;
        EXPECT_TRUE(lit) << c.raiser;
        EXPECT_EQ(ui.text(Control::btnstay), "Call");
        EXPECT_FALSE(ui.isEnabled(Control::btnbet));
    }
}

TEST_F(Opponents, ARaiseIsNotLimitedByCashAndLeavesTheRaiserOutButNotFolded) {
    onstreet(3, seatno(player));
    steps.setcash(geek, 1);
    script({kYes, kYes, kYes});
    steps.turn(geek);
    EXPECT_EQ(cash(geek), 1 - t.bigbet);
    EXPECT_FALSE(t.seats[geek].folded);
    EXPECT_FALSE(indeal(t, geek));
}

TEST_F(Opponents, OnlyFreaksTurnRedrawsTheTableWhenTheSeatIsOut) {
    onstreet(2, seatno(player));
    for (SeatId s : kOpponents) t.seats[s].folded = true;
    for (SeatId s : kOpponents) {
        ui.draws.clear();
        steps.turn(s);
        EXPECT_EQ(!ui.images().empty(), s == freak) << s;
    }
    EXPECT_EQ(draws.draws, 0u);
}

TEST_F(Opponents, AnAnswerCostsItsEstimatesTrialsAndOneDrawToDecide) {
    for (std::int32_t level : {200, 400, 600, 900}) {
        t.complevel = level;
        draws.draws = 0;
        steps.answers(geek);
        EXPECT_EQ(draws.draws, static_cast<std::uint64_t>(level + 1) * 202 + 1) << level;
    }
}

} // namespace
