#pragma once

// A deal set up by hand for the tests of the player's actions, the betting
// rounds, the opponents and the showdown: the recording fake of the window
// (which also logs every status line in order), a settings file in a private
// temporary folder, and scripted draws.

#include "cards/random.h"
#include "game/game.h"
#include "support/cardtext.h"
#include "support/fakeservices.h"
#include "support/gamesteps.h"
#include "support/scriptedrandom.h"
#include "support/tempdir.h"
#include "table/deck.h"
#include "table/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace stud::testing {

// Remembers every status line the game writes, with the street it was
// written on, so a test can read the order in which the seats acted.
class LoggingServices : public FakeServices {
  public:
    const TableState* table = nullptr;
    std::vector<std::string> log; // "geek Calls 2"

    void setText(Control c, const std::string& s) override {
        static const std::pair<Control, const char*> names[] = {{Control::playerstatus, "player"},
                                                                {Control::freakstatus, "freak"},
                                                                {Control::geekstatus, "geek"},
                                                                {Control::masterstatus, "master"},
                                                                {Control::champstatus, "champ"}};
        for (const auto& [control, name] : names)
            if (c == control && !s.empty())
                log.push_back(std::string(name) + " " + s + " " + std::to_string(table->street));
        FakeServices::setText(c, s);
    }
};

class BettingTable : public ::testing::Test {
  protected:
    // A level outside the four runs no trial and leaves the strength as the
    // test set it, so every opponent decision costs exactly one draw.
    static constexpr std::int32_t kNoTrials = -1;
    // Draws for the decisions at a strength of 50: 99 calls and raises
    // (street 5 never raises), 0 folds and checks. For the card sound 0 is
    // "card2.wav", 99 "card1.wav".
    static constexpr std::uint32_t kYes = 99, kNo = 0;

    TempDir dir{"studbet"};
    LoggingServices ui;
    IniFile ini{dir.file("tarvo.ini")};
    ScriptedRandom draws{{}, false, kYes};
    Game game{ui, draws, ini};
    GameSteps steps{game};
    TableState& t = steps.table();

    BettingTable() {
        ui.table = &t;
        builddecks(t);
        dealhands(t);
        for (SeatId s : kAllSeats) steps.setcash(s, 100);
        steps.setpot(5);
        t.complevel = kNoTrials;
        t.strength = 50;
        ui.setText(Control::btnstay, "Call");
        ui.setText(Control::btnbet, "Raise");
        ui.setEnabled(Control::btnnew, false);
        deal(1);
    }
    // A deal on street 1 with `opener`'s opening bet standing, as the deal
    // start leaves it once the opening answers are done.
    void deal(int opener) {
        t.street = 1;
        t.opener = opener;
        t.tocall = t.smallbet;
        for (SeatId s : kOpponents) t.seats[s].raised = s == seatOfNo(opener);
    }
    // Street `street` with nothing standing.
    void onstreet(int street, int opener) {
        deal(opener);
        t.street = street;
        t.tocall = 0;
        for (SeatId s : kOpponents) t.seats[s].raised = false;
    }
    // `s` raised on the current street and the rest answered it.
    void standing(SeatId s, std::int32_t amount) {
        for (SeatId o : kOpponents) t.seats[o].raised = o == s;
        t.tocall = amount;
        ui.setEnabled(Control::btnbet, false);
    }
    void script(std::initializer_list<std::uint32_t> values) {
        for (auto v : values) draws.push(v);
    }
    // What the seats did, in order, without the emptied lines.
    const std::vector<std::string>& acts() const { return ui.log; }
    std::string buttons() const { return ui.enabledButtons(); }
    std::int64_t money() const {
        std::int64_t sum = t.pot;
        for (SeatId s : kAllSeats) sum += t.seats[s].cash;
        return sum;
    }
    std::int32_t cash(SeatId s) const { return t.seats[s].cash; }
};

using Log = std::vector<std::string>;

} // namespace stud::testing
