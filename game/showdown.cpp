// The end of a deal that nobody won by default: every seat still in shows its
// seven cards, the best hand takes the pot (equal hands split it), and a seat
// that has reached the target ends the match.

#include "cards/evaluator.h"
#include "cards/handscore.h"
#include "game/game.h"
#include "showdown/award.h"
#include "table/seattable.h"

#include <algorithm>
#include <string>

namespace stud {

void Game::showdown() {
    ++showdowns;
    for (SeatId s : kOpponents) setstatuscolor(s, TextColor::White);
    const Award a = award(t.seats, t.pot);
    drawcards();

    t.finalscore = a.finalscore;
    for (SeatId s : kAllSeats) {
        // A seat out of the showdown keeps what it last did ("Folds", "you fold").
        if (t.seats[s].folded || t.seats[s].cash <= 0) continue;
        const std::string name(showdownname(a.category[s]));
        if (!name.empty()) setstatus(s, Told::hand, name);
    }
    if (t.revealblock)
        for (SeatId s : kAllSeats) clearstatus(s);

    t.bestscore = a.bestscore;
    t.winstep = 0;
    ui.setTimerEnabled(Timer::wintimer, true);

    for (SeatId s : kAllSeats) {
        if (t.finalscore[s] != t.bestscore) continue;
        setstatuscolor(s, TextColor::Yellow);
        playsound(kSeatInfo[s].winSound);
    }

    // Equal best hands share the pot; what does not divide evenly is paid
    // to nobody.
    for (SeatId s : kAllSeats) {
        if (t.finalscore[s] == t.bestscore)
            paycash(s, clampMoney(std::int64_t{t.seats[s].cash} + a.share));
        else
            setcash(s, t.seats[s].cash);
    }

    offerdeal();

    // Every seat at the target gets its own box, in seat order.
    const std::int64_t target = std::int64_t{t.initialcash} + t.playuntil;
    for (SeatId s : kAllSeats) {
        if (t.seats[s].cash < target) continue;
        if (watcher_) watcher_->matchover(MatchEnd::target, s);
        ui.messageBox(kSeatInfo[s].matchWinText, "Game over", Buttons::Ok);
        ui.setEnabled(Control::btnnew, false);
    }
    if (watcher_) watcher_->dealover();
}

} // namespace stud
