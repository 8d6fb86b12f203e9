// "Deal" and "New Game": the end of a match, the rotation of the opener, the
// ante, the opening bet and the answers and turns that follow it, and the
// confirmation and conversion of a new match.

#include "gametable.h"
#include "support/scriptedrandom.h"

#include <algorithm>

using namespace stud;
using stud::testing::FakeServices;

namespace {

constexpr int C = 0, D = 1, H = 2, S = 3;

class NewDeal : public stud::testing::GameTable {
  protected:
    ConstantRandom folding{0}; // every answer folds, every turn checks
    ConstantRandom willing{99};
    std::array<std::int32_t, kSeats> cashAtDeal{}; // before the last dealWithOpener

    void SetUp() override { game.startup(); }

    // Leave the deal in progress the way a player would: fold it.
    void endDeal() {
        if (!game.dealdecided()) game.click(Control::btnpass);
    }
    // Start the next deal with the given opener.
    void dealWithOpener(int opener) {
        endDeal();
        for (SeatId s : kAllSeats) cashAtDeal[s] = t.seats[s].cash;
        t.rotation = opener == 5 ? 1 : opener + 1;
        ui.clearLog();
        game.click(Control::btnnew);
        ASSERT_EQ(t.opener, opener);
    }

    // The simulation deck stacked so that, with a constant generator (whose
    // exchanges swap a card with itself), every estimate sees the same cards:
    // six simulated hands with a pair of Twos, and as the opponent's unseen
    // cards Ten, Six, King, Nine. With the deck in order that gives freak
    // (2-3-4 of clubs) and geek (3-4-5 of diamonds) no pair: strength 0;
    // master (Ten-Jack-Queen of diamonds) a straight and champ (4-5-6 of
    // hearts) a pair of Sixes: strength 100 and more. The strong two call
    // and raise, the weak two fold and check.
    void stackSimdeck() {
        const std::array<Card, 7> pairOfTwos{
            {{S, 0}, {H, 0}, {S, 1}, {H, 3}, {D, 5}, {C, 7}, {D, 9}}};
        for (int k = 0; k < 6; ++k)
            for (int i = 0; i < 7; ++i) t.simdeck[7 * k + i] = pairOfTwos[i];
        t.simdeck[48] = {C, 8};
        t.simdeck[49] = {S, 4};
        t.simdeck[50] = {H, 11};
        t.simdeck[51] = {S, 7};
    }

    // Seats whose card area was wiped, in order, skipping the five wipes
    // that start every deal.
    std::vector<SeatId> wipedAfterDeal() const {
        std::vector<SeatId> out;
        int fills = 0;
        for (const auto& d : ui.draws) {
            if (d.op != FakeServices::Op::FillRect || ++fills <= 5) continue;
            for (SeatId s : kAllSeats)
                if (kSeatInfo[s].areaLeft == d.x && kSeatInfo[s].areaTop == d.y) out.push_back(s);
        }
        return out;
    }
    std::array<std::string, kSeats> statuses() const {
        std::array<std::string, kSeats> out;
        for (SeatId s : kAllSeats) out[s] = ui.text(kSeatInfo[s].statusLabel);
        return out;
    }
    std::array<bool, 4> raisedFlags() const {
        return {t.seats[freak].raised, t.seats[geek].raised, t.seats[master].raised,
                t.seats[champ].raised};
    }
    void setCash(std::array<std::int32_t, kSeats> cash) {
        for (SeatId s : kAllSeats) steps.setcash(s, cash[s]);
    }
    std::int64_t moneyOnTable() const {
        std::int64_t sum = t.pot;
        for (SeatId s : kAllSeats) sum += t.seats[s].cash;
        return sum;
    }
};

TEST_F(NewDeal, OpenersRotateFromTheHumanRoundTheTable) {
    use(folding);
    std::vector<int> openers;
    for (int deal = 0; deal < 6; ++deal) {
        endDeal();
        game.click(Control::btnnew);
        openers.push_back(t.opener);
        EXPECT_EQ(t.rotation, t.opener);
        for (SeatId s : kOpponents)
            EXPECT_EQ(t.seats[s].raised, seatno(s) == t.opener) << "only the opener's bet stands";
    }
    EXPECT_EQ(openers, (std::vector<int>{5, 4, 3, 2, 1, 5}));
}

TEST_F(NewDeal, WhoAnswersTheOpeningBetAndInWhichOrder) {
    use(folding); // everybody asked folds at once, so the wipes show the order
    const std::vector<std::pair<int, std::vector<SeatId>>> rows{
        {1, {}},
        {2, {champ}},
        {3, {master, champ}},
        {4, {geek, master, champ}},
    };
    for (const auto& [opener, order] : rows) {
        SCOPED_TRACE(opener);
        dealWithOpener(opener);
        EXPECT_EQ(wipedAfterDeal(), order);
        const SeatId bettor = seatOfNo(opener);
        EXPECT_TRUE(t.seats[bettor].raised) << "the opening bet stands";
        EXPECT_EQ(t.pot, t.seated * t.ante) << "and is not paid yet";
        for (SeatId s : order) EXPECT_EQ(t.seats[s].status, "Folds");
        EXPECT_EQ(t.folds, static_cast<int>(order.size()));
        EXPECT_EQ(t.tocall, t.smallbet);
        EXPECT_EQ(enabledButtons(), "-CRF");
        EXPECT_EQ(ui.text(Control::btnstay), "Call");
    }
}

TEST_F(NewDeal, AllFourFoldingToTheHumansOpeningEndsTheDealAtOnce) {
    use(folding);
    const std::int32_t pot = 5;
    endDeal();
    const std::int32_t cashBefore = t.seats[player].cash;
    t.rotation = 1;
    ui.clearLog();
    game.click(Control::btnnew);
    ASSERT_EQ(t.opener, 5);
    EXPECT_EQ(wipedAfterDeal(), (std::vector<SeatId>{freak, geek, master, champ}));
    EXPECT_TRUE(t.decided);
    EXPECT_TRUE(game.dealdecided());
    EXPECT_EQ(t.seats[player].cash, cashBefore - 1 + pot) << "the human takes the pot";
    EXPECT_EQ(enabledButtons(), "D---");
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip3.wav"}));
    // No turn followed: freak's turn would have redrawn the table.
    int humanCards = 0;
    for (const auto& d : ui.images()) humanCards += d.set == ImageSet::cards && d.y == 500;
    EXPECT_EQ(humanCards, 3);

    // The next deal starts clean.
    game.click(Control::btnnew);
    EXPECT_FALSE(t.decided);
    EXPECT_EQ(t.opener, 4);
}

TEST_F(NewDeal, AnOpponentsRaiseStopsTheRowAndIsAnsweredAtOnce) {
    use(willing);
    stackSimdeck();

    // Geek opens: master and champ call, master raises in its turn, champ
    // answers that at once, and champ's own turn is not made.
    const std::int64_t money = moneyOnTable();
    dealWithOpener(3);
    EXPECT_EQ(statuses(), (std::array<std::string, kSeats>{"", "", "", "Raises", "Calls"}));
    EXPECT_EQ(raisedFlags(), (std::array<bool, 4>{false, false, true, false}))
        << "master's raise replaces geek's opening bet";
    EXPECT_EQ(t.seats[master].cash, cashAtDeal[master] - 1 - 2 - 2);
    EXPECT_EQ(t.seats[champ].cash, cashAtDeal[champ] - 1 - 2 - 2);
    EXPECT_EQ(t.seats[geek].cash, cashAtDeal[geek] - 1) << "geek's opening bet is still unpaid";
    EXPECT_EQ(t.pot, 5 + 2 + 2 + 2 + 2);
    EXPECT_EQ(moneyOnTable(), money);
    EXPECT_EQ(ui.text(Control::btnstay), "Call");
    EXPECT_EQ(enabledButtons(), "-C-F") << "the human must call or fold";
    EXPECT_EQ(ui.sounds, (std::vector<std::string>{"chip1.wav"}));
    EXPECT_EQ(ui.color(Control::masterstatus), TextColor::Yellow);
    EXPECT_EQ(wipedAfterDeal().size(), 0u);
}

TEST_F(NewDeal, WithTheHumanOpeningEveryOpponentAnswersThenTurnsFromFreak) {
    use(willing);
    stackSimdeck();
    dealWithOpener(5);
    // freak and geek fold the small bet, master and champ call; in the turns
    // freak and geek are out, master raises and champ answers it.
    EXPECT_EQ(wipedAfterDeal(), (std::vector<SeatId>{freak, geek}));
    EXPECT_EQ(statuses(),
              (std::array<std::string, kSeats>{"", "Folds", "Folds", "Raises", "Calls"}));
    EXPECT_EQ(raisedFlags(), (std::array<bool, 4>{false, false, true, false}));
    EXPECT_EQ(t.folds, 2);

    // Master opens: champ calls, then raises in its own turn; nobody is
    // after champ, and the lines before it are emptied.
    dealWithOpener(2);
    EXPECT_EQ(statuses(), (std::array<std::string, kSeats>{"", "", "", "", "Raises"}));
    EXPECT_EQ(raisedFlags(), (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(t.tocall, t.smallbet);
}

TEST_F(NewDeal, TheAnteIsSetIntoThePotAndBrokeOpponentsSitOut) {
    use(folding);
    endDeal();
    t.pot = 37; // whatever the last deal left is not carried over
    setCash({500, 0, 3, -4, 1});
    t.ante = 2;
    t.smallbet = 4;
    t.bigbet = 8;
    t.rotation = 2; // champ opens: nobody acts in the deal start
    game.click(Control::btnnew);
    EXPECT_EQ(t.seated, 3);
    EXPECT_EQ(t.folds, 2) << "freak and master are out before a card is dealt";
    EXPECT_EQ(t.pot, 6);
    EXPECT_EQ(ui.text(Control::betsize), "6");
    EXPECT_EQ(t.seats[player].cash, 498);
    EXPECT_EQ(t.seats[freak].cash, 0) << "nothing is taken from a broke seat";
    EXPECT_EQ(t.seats[geek].cash, 1);
    EXPECT_EQ(t.seats[master].cash, -4);
    EXPECT_EQ(t.seats[champ].cash, -1) << "a seat with less than the ante pays all of it";
    EXPECT_EQ(ui.text(Control::lblccash), "-1");
    EXPECT_EQ(t.tocall, 4);
}

TEST_F(NewDeal, DealStoresTheCashFirstAndRereadsTheSoundSwitch) {
    use(folding);
    endDeal();
    setCash({321, 654, 0, 987, 1});
    t.cardback = 57;
    writeSettings("[Settings]\nSound=0\n"); // changed by hand while the game runs
    t.rotation = 2;                         // champ opens: nobody answers at the start
    ui.clearLog();
    game.click(Control::btnnew);
    IniFile file(ini.path());
    EXPECT_EQ(file.readInteger("Background", "Color", 0), 57);
    EXPECT_EQ(file.readInteger("Cash", "player", 0), 321) << "before this deal's ante";
    EXPECT_EQ(file.readInteger("Cash", "freak", 0), 654);
    EXPECT_EQ(file.readInteger("Cash", "geek", -1), 0);
    EXPECT_EQ(file.readInteger("Cash", "champ", 0), 1);
    EXPECT_FALSE(t.soundon);
    EXPECT_EQ(ui.text(Control::SoundOff1), "Off");
    // The card back first, then the five seats from freak on.
    const std::string text = settingsText();
    std::size_t at = 0;
    for (const char* entry : {"[Background]", "Color=57", "[Cash]",
                              "freak=", "player=", "geek=", "master=", "champ="}) {
        const std::size_t found = text.find(entry, at);
        ASSERT_NE(found, std::string::npos) << entry << " in order in\n" << text;
        at = found;
    }

    // The deal start itself: blinking on, white lines, resting portraits,
    // every card area wiped before the new cards.
    EXPECT_TRUE(ui.isTimerEnabled(Timer::randomwink));
    for (SeatId s : kOpponents) EXPECT_EQ(ui.color(kSeatInfo[s].statusLabel), TextColor::White);
    const auto imgs = ui.images();
    ASSERT_GE(imgs.size(), 4u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(imgs[k].set, ImageSet::players);
    std::vector<int> wipes;
    for (const auto& d : ui.draws)
        if (d.op == FakeServices::Op::FillRect) wipes.push_back(d.x);
    EXPECT_EQ(wipes, (std::vector<int>{40, 120, 565, 650, 335}));
}

TEST_F(NewDeal, TheMatchEndsWhenTheHumanOrEveryOpponentIsBroke) {
    use(folding);
    endDeal();
    const int rotation = t.rotation;

    // Both at once: the human's loss is tested first.
    setCash({0, 0, -3, 0, 0});
    ui.clearLog();
    game.click(Control::btnnew);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "You lose!");
    EXPECT_EQ(ui.boxes[0].caption, "Game over");
    EXPECT_EQ(ui.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(enabledButtons(), "----");
    EXPECT_EQ(t.rotation, rotation) << "no deal was started";
    EXPECT_EQ(IniFile(ini.path()).readInteger("Cash", "geek", 0), -3)
        << "the final amounts are stored before the test";

    setCash({5, 0, -3, 0, 0});
    ui.clearLog();
    game.click(Control::btnnew);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "You win!");
    EXPECT_EQ(ui.boxes[0].caption, "Game over");
    EXPECT_EQ(enabledButtons(), "----");
    EXPECT_EQ(t.seats[player].cash, 5) << "no ante was taken";

    // One opponent with cash left: the match goes on.
    setCash({5, 0, -3, 0, 2});
    t.rotation = 2;
    ui.clearLog();
    game.click(Control::btnnew);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(t.folds, 3);
}

TEST_F(NewDeal, NewGameAnsweredNoChangesNothingButTheSeedAndPortraits) {
    ScriptedRandom script({7}, true);
    use(script);
    const TableState before = t;
    ui.clearLog();
    ui.answers.push_back(Answer::No);
    ui.setText(Control::money, "5000");
    game.click(Control::NewGame1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Are you sure?");
    EXPECT_EQ(ui.boxes[0].caption, "New game");
    EXPECT_EQ(ui.boxes[0].buttons, Buttons::YesNo);
    EXPECT_EQ(script.seeds, 1);
    EXPECT_EQ(script.draws, 0u);
    EXPECT_EQ(ui.images().size(), 4u) << "only the resting portraits";
    for (SeatId s : kAllSeats) EXPECT_EQ(t.seats[s].cash, before.seats[s].cash);
    EXPECT_EQ(t.deck, before.deck);
    EXPECT_EQ(t.pot, before.pot);
    EXPECT_EQ(t.initialcash, before.initialcash);
}

TEST_F(NewDeal, NewGameGivesEverySeatTheTypedAmount) {
    use(folding);
    game.click(Control::btnpass); // the match so far ends with a fold
    const int rotation = t.rotation;
    ui.setText(Control::money, "5000");
    ui.setText(Control::btnstay, "Check");
    ui.clearLog();
    game.click(Control::NewGame1);
    for (SeatId s : kAllSeats) EXPECT_EQ(t.seats[s].cash, 4999) << s;
    EXPECT_EQ(ui.text(Control::cash), "4999");
    EXPECT_EQ(t.pot, 5);
    EXPECT_EQ(t.initialcash, 5000);
    EXPECT_EQ(IniFile(ini.path()).readInteger("Cash", "initial", 0), 1200)
        << "the file follows at the next Deal";
    EXPECT_EQ(t.street, 1);
    EXPECT_EQ(t.opener, 1);
    EXPECT_EQ(t.rotation, rotation) << "the rotation carries on";
    EXPECT_EQ(raisedFlags(), (std::array<bool, 4>{})) << "no opening bet stands";
    for (SeatId s : kAllSeats) EXPECT_FALSE(t.seats[s].folded);
    EXPECT_EQ(t.folds, 0);
    EXPECT_FALSE(game.dealdecided());
    EXPECT_EQ(t.seats[player].status, "");
    EXPECT_EQ(ui.text(Control::btnbet), "Bet");
    EXPECT_EQ(ui.text(Control::btnstay), "Check") << "its caption is left alone";
    EXPECT_EQ(enabledButtons(), "-CRF");
    int cards = 0;
    for (const auto& d : ui.images()) cards += d.set == ImageSet::cards;
    EXPECT_EQ(cards, 15);

    // The ante in force is what is taken.
    t.ante = 3;
    game.click(Control::NewGame1);
    for (SeatId s : kAllSeats) EXPECT_EQ(t.seats[s].cash, 4997);
    EXPECT_EQ(t.pot, 15);
}

TEST_F(NewDeal, NewGameWithATextThatIsNoNumberLeavesTheMatchAlone) {
    use(folding);
    const TableState before = t;
    for (const char* text : {"abc", "", "12a", " 100", "99999999999"}) {
        ui.setText(Control::money, text);
        try {
            game.click(Control::NewGame1);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const StudError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + text + "' is not a valid integer value");
        }
        for (SeatId s : kAllSeats) EXPECT_EQ(t.seats[s].cash, before.seats[s].cash);
        EXPECT_EQ(t.pot, before.pot);
        EXPECT_EQ(t.initialcash, before.initialcash);
        EXPECT_EQ(t.deck, before.deck);
        EXPECT_TRUE(t.seats[champ].raised);
    }
}

TEST_F(NewDeal, NewGameRefusesAnAmountThatWouldLeaveNobodyToPlay) {
    use(folding);
    const TableState before = t;
    for (const char* text : {"0", "-50"}) {
        ui.clearLog();
        ui.setText(Control::money, text);
        game.click(Control::NewGame1);
        ASSERT_EQ(ui.boxes.size(), 2u);
        EXPECT_EQ(ui.boxes[1].text, "the value is off limits");
        for (SeatId s : kAllSeats) EXPECT_EQ(t.seats[s].cash, before.seats[s].cash);
        EXPECT_EQ(t.initialcash, before.initialcash);
        EXPECT_EQ(t.pot, before.pot);
        EXPECT_EQ(enabledButtons(), "-CRF") << "the match in progress goes on";
    }
    // One unit is still a match, however short.
    ui.setText(Control::money, "1");
    game.click(Control::NewGame1);
    EXPECT_EQ(t.initialcash, 1);
    EXPECT_EQ(t.pot, 5);
}

} // namespace
