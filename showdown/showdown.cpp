// The end of a deal that nobody won by default: every seat still in shows its
// seven cards, the best hand takes the pot (equal hands split it), and a seat
// that has reached the target ends the match.

#include "game/game.h"
#include "game/seattable.h"
#include "showdown/evaluator.h"

#include <algorithm>
#include <string>

namespace stud {

namespace {

// The straight from the Ace down to the Five has no entry in the name
// table; a winner should still see what it won with.
constexpr std::int32_t kWheelStraight = 403;
constexpr const char* kWheelName = "Straight Five High";

// Weight of the category over the kickers in the showdown's comparison.
constexpr std::int32_t kCategoryWeight = 300;

std::string showdownname(std::int32_t handscore) {
    if (handscore == kWheelStraight) return kWheelName;
    return std::string(handname(handscore));
}

} // namespace

void Game::showdown() {
    ++showdowns;
    for (SeatId s : kOpponents) setstatuscolor(s, TextColor::White);

    // Every seat is ranked, also those out of the showdown.
    std::array<std::int32_t, kSeats> category{};
    std::array<std::int32_t, kSeats> key{};
    for (SeatId s : kAllSeats) {
        t.scratchhand = t.seats[s].hand;
        evalhand(t);
        category[s] = t.handscore;
        key[s] = t.handscore * kCategoryWeight + t.kickscore;
    }
    drawcards();

    for (SeatId s : kAllSeats) {
        // Out: folded, or spent its last money during the deal. Its status
        // keeps what it last did ("Folds", "you fold").
        if (t.seats[s].folded || t.seats[s].cash <= 0) {
            t.finalscore[s] = kSeatInfo[s].outscore;
            continue;
        }
        t.finalscore[s] = key[s];
        const std::string name = showdownname(category[s]);
        if (!name.empty()) setstatus(s, name);
    }
    if (t.revealblock)
        for (SeatId s : kAllSeats) setstatus(s, "");

    t.bestscore = *std::max_element(t.finalscore.begin(), t.finalscore.end());
    t.winstep = 0;
    ui.setTimerEnabled(Timer::wintimer, true);

    int winners = 0;
    for (SeatId s : kAllSeats) {
        if (t.finalscore[s] != t.bestscore) continue;
        ++winners;
        setstatuscolor(s, TextColor::Yellow);
        playsound(kSeatInfo[s].winSound);
    }

    // Equal best hands share the pot; what does not divide evenly is paid
    // to nobody.
    const std::int32_t share = t.pot / winners;
    for (SeatId s : kAllSeats)
        if (t.finalscore[s] == t.bestscore)
            t.seats[s].cash = clampMoney(std::int64_t{t.seats[s].cash} + share);
    for (SeatId s : kAllSeats) setcash(s, t.seats[s].cash);

    ui.setEnabled(Control::btnnew, true);
    ui.setEnabled(Control::btnbet, false);
    ui.setEnabled(Control::btnpass, false);
    ui.setEnabled(Control::btnstay, false);

    // Every seat at the target gets its own box, in seat order.
    const std::int64_t target = std::int64_t{t.initialcash} + t.playuntil;
    for (SeatId s : kAllSeats) {
        if (t.seats[s].cash < target) continue;
        ui.messageBox(kSeatInfo[s].matchWinText, "Game over", Buttons::Ok);
        ui.setEnabled(Control::btnnew, false);
    }
}

} // namespace stud
