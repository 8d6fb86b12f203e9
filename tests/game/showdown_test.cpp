// The showdown: who is still in, the names shown, who is paid and how a
// split loses its remainder, and the end of the match at the target.

#include "bettingtable.h"
#include "table/seattable.h"

using namespace stud;
using namespace stud::testing;

namespace {

const char* const kNines = "9c 9d Kh Qs 5c 3d 2h";       // One pair Nines, kickers K Q 5
const char* const kNinesAgain = "9h 9s Kd Qc 5d 3h 2s";  // the same hand in other suits
const char* const kNinesWeaker = "9h 9s Kc Jd 5h 3c 2d"; // the same pair, lower kickers
const char* const kFullHouse = "7c 7d 7h 4s 4c 9d Kh";   // Full house Sevens
const char* const kFlush = "2h 5h 8h Jh Kh 3c 4d";       // Flush King High
const char* const kAceHigh = "Ac Kd 9h 7s 5c 3d 2h";
const char* const kWheel = "Ac 2d 3h 4s 5c 9c Kd"; // the straight from the Ace to the Five

class Showdown : public BettingTable {
  protected:
    void seat(std::initializer_list<const char*> hands, std::int32_t pot) {
        int s = 0;
        for (const char* h : hands) t.seats[s++].hand = hand(h);
        steps.setpot(pot);
        t.street = 6;
        ui.sounds.clear();
    }
    std::string status(SeatId s) const { return ui.text(kSeatInfo[s].statusLabel); }
    TextColor color(SeatId s) const { return ui.color(kSeatInfo[s].statusLabel); }
};

TEST_F(Showdown, TheBestHandTakesThePotAndEverySeatStillInIsNamed) {
    seat({kNines, kFullHouse, kAceHigh, kAceHigh, kFlush}, 40);
    t.seats[geek].folded = true;
    steps.setstatus(geek, Told::folds);
    steps.showdown();

    EXPECT_EQ(status(player), "One pair Nines");
    EXPECT_EQ(status(freak), "Full house Sevens");
    EXPECT_EQ(status(geek), "Folds");
    EXPECT_EQ(status(master), "Ace");
    EXPECT_EQ(status(champ), "Flush King High");
    EXPECT_EQ(t.finalscore[freak], 505 * 300 + 5 * 2);
    EXPECT_EQ(t.finalscore[geek], -120);
    EXPECT_EQ(t.bestscore, t.finalscore[freak]);

    EXPECT_EQ(cash(freak), 140);
    EXPECT_EQ(ui.text(Control::lblfcash), "140");
    EXPECT_EQ(cash(player), 100);
    EXPECT_EQ(t.pot, 40); // on show until the next deal
    EXPECT_EQ(color(freak), TextColor::Yellow);
    EXPECT_EQ(color(champ), TextColor::White);
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip4.wav"}));
    EXPECT_EQ(buttons(), "D---");
    EXPECT_TRUE(ui.isTimerEnabled(Timer::wintimer));
    EXPECT_EQ(t.winstep, 0);
    EXPECT_TRUE(ui.boxes.empty());
}

struct Split {
    std::vector<const char*> hands;
    std::int32_t pot;
    std::vector<std::int32_t> cash;
};

TEST_F(Showdown, EqualBestHandsShareThePotAndTheRemainderLeavesPlay) {
    const Split cases[] = {
        {{kNines, kAceHigh, kNinesAgain, kAceHigh, kAceHigh}, 7, {103, 100, 103, 100, 100}},
        {{kNines, kNines, kNines, kNines, kNines}, 23, {104, 104, 104, 104, 104}},
        {{kAceHigh, kNines, kNines, kNines, kNines}, 9, {100, 102, 102, 102, 102}},
        {{kNines, kAceHigh, kNines, kNines, kNines}, 9, {102, 100, 102, 102, 102}},
        {{kNines, kNines, kAceHigh, kNines, kNines}, 9, {102, 102, 100, 102, 102}},
        {{kNines, kNines, kNines, kAceHigh, kNines}, 9, {102, 102, 102, 100, 102}},
        {{kNines, kNines, kNines, kNines, kAceHigh}, 9, {102, 102, 102, 102, 100}},
        // The same pair with lower kickers does not share.
        {{kNinesWeaker, kNines, kAceHigh, kAceHigh, kAceHigh}, 9, {100, 109, 100, 100, 100}},
    };
    for (const Split& c : cases) {
        for (SeatId s : kAllSeats) steps.setcash(s, 100);
        seat({c.hands[0], c.hands[1], c.hands[2], c.hands[3], c.hands[4]}, c.pot);
        steps.showdown();
        for (SeatId s : kAllSeats) {
            EXPECT_EQ(cash(s), c.cash[s]) << "pot " << c.pot << " seat " << s;
            EXPECT_EQ(ui.text(kSeatInfo[s].cashLabel), std::to_string(c.cash[s]));
        }
    }
}

TEST_F(Showdown, TiedWinnersAllLightUpAndChimeInSeatOrder) {
    seat({kNines, kAceHigh, kNinesAgain, kAceHigh, kNines}, 9);
    steps.showdown();
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip3.wav", "chip4.wav", "chip4.wav"}));
    for (SeatId s : {player, geek, champ}) EXPECT_EQ(color(s), TextColor::Yellow) << s;
    EXPECT_EQ(color(freak), TextColor::White);
}

TEST_F(Showdown, SeatsOutOfTheShowdownKeepTheirStatusAndCannotWin) {
    // The human folded; master has the best hand but spent its last money.
    seat({kFullHouse, kAceHigh, kNines, kFullHouse, kFlush}, 30);
    t.seats[player].folded = true;
    steps.setstatus(player, Told::youfold);
    steps.setstatus(master, Told::calls);
    steps.setcash(master, 0);
    steps.showdown();
    EXPECT_EQ(status(player), "you fold");
    EXPECT_EQ(status(master), "Calls");
    EXPECT_EQ(t.finalscore[player], -180);
    EXPECT_EQ(t.finalscore[master], -170);
    EXPECT_EQ(cash(champ), 130);
    EXPECT_EQ(cash(master), 0);
}

TEST_F(Showdown, WithEveryoneOutAndTheCardsHiddenChampIsPaidAndNoLineIsLeft) {
    seat({kFullHouse, kFullHouse, kFullHouse, kFullHouse, kAceHigh}, 12);
    for (SeatId s : kAllSeats) t.seats[s].folded = true;
    t.folds = 4;
    for (SeatId s : kAllSeats) steps.setstatus(s, Told::folds);
    steps.showdown();
    EXPECT_TRUE(t.revealblock);
    for (SeatId s : kAllSeats) EXPECT_EQ(status(s), "") << s;
    EXPECT_EQ(cash(champ), 112);
    EXPECT_EQ(color(champ), TextColor::Yellow);
}

TEST_F(Showdown, TheStraightFromTheAceIsNamedAfterItsFive) {
    seat({kWheel, kAceHigh, kAceHigh, kAceHigh, kNines}, 5);
    steps.showdown();
    EXPECT_EQ(status(player), "Straight Five High");
    EXPECT_EQ(cash(player), 105);
}

TEST_F(Showdown, EverySeatAtTheTargetEndsTheMatchWithItsOwnBoxInSeatOrder) {
    t.initialcash = 100;
    t.playuntil = 10;
    seat({kAceHigh, kNines, kAceHigh, kAceHigh, kNinesAgain}, 21);
    steps.showdown();
    EXPECT_EQ(cash(freak), 110);
    EXPECT_EQ(cash(champ), 110);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, "Freak wins");
    EXPECT_EQ(ui.boxes[1].text, "Champ wins");
    for (const auto& box : ui.boxes) {
        EXPECT_EQ(box.caption, "Game over");
        EXPECT_EQ(box.buttons, Buttons::Ok);
    }
    EXPECT_EQ(buttons(), "----");

    // A seat already past the target counts too, the human included, and
    // the target is worked out without overflowing.
    ui.boxes.clear();
    t.initialcash = INT32_MAX;
    t.playuntil = INT32_MAX;
    for (SeatId s : kAllSeats) t.seats[s].folded = false;
    seat({kNines, kAceHigh, kAceHigh, kAceHigh, kAceHigh}, 5);
    steps.showdown();
    EXPECT_TRUE(ui.boxes.empty());
    t.initialcash = 50;
    t.playuntil = 0;
    seat({kNines, kAceHigh, kAceHigh, kAceHigh, kAceHigh}, 0);
    steps.setcash(freak, 10);
    steps.showdown();
    ASSERT_EQ(ui.boxes.size(), 4u);
    EXPECT_EQ(ui.boxes[0].text, "You win!");
}

} // namespace
