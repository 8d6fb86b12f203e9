// The four computer opponents. They all follow the same rules; one answer
// routine and one turn routine serve all of them, with the seat-bound values
// taken from the per-seat tables. Every decision weighs a fresh estimate of
// the opponent's hand against a threshold and a roll of a hundred.

#include "betting/decisions.h"
#include "betting/playorder.h"
#include "game/game.h"
#include "table/rules.h"
#include "table/seattable.h"

namespace stud {

int Game::estimate(SeatId s) {
    const Estimate e =
        handstrength(t.seats[s].hand, t.street, t.complevel, t.strength, t.simdeck, rng);
    t.strength = e.strength;
    return e.strength;
}

void Game::answers(SeatId s) {
    Seat& seat = t.seats[s];
    const bool willcall = decidecall(estimate(s), t.street, rng);
    if (willcall && std::int64_t{seat.cash} - t.tocall >= 0) {
        setstatus(s, Told::calls);
        setcash(s, clampMoney(std::int64_t{seat.cash} - t.tocall));
        setpot(clampMoney(std::int64_t{t.pot} + t.tocall));
        if (watcher_) watcher_->moved(s, Move::calls, t.tocall);
        return;
    }

    // Folding, also when it wanted to call but cannot pay the whole amount.
    clearcards(s);
    setstatus(s, Told::folds);
    seat.folded = true;
    if (watcher_) watcher_->moved(s, Move::folds, 0);
    ++t.folds;
    if (t.folds >= kOpponentSeats) foldwin();
    if (t.opener == seatno(s)) {
        // The role goes on to the next opponent still in the deal, never
        // back to an earlier one; with none left the human opens.
        t.opener = seatno(player);
        for (SeatId next : kOpponentsAfter[s])
            if (indeal(t, next)) {
                t.opener = seatno(next);
                break;
            }
    }
}

void Game::turn(SeatId s) {
    std::int32_t oppraise = 0;
    if (s == freak) drawcards(); // freak's turn always brings the table up to date

    // The opener's turn opens the next street before it decides anything.
    if (t.opener == seatno(s)) {
        streetup();
        if (t.street >= kDealOver) return;
    }
    Seat& seat = t.seats[s];
    seat.raised = false;

    if (indeal(t, s)) {
        t.tocall = 0;
        oppraise = decideraise(estimate(s), t.street, t.smallbet, t.bigbet, rng);
        if (oppraise == 0) {
            setstatus(s, Told::checks);
            if (watcher_) watcher_->moved(s, Move::checks, 0);
        } else {
            setstatuscolor(s, TextColor::Yellow);
            drawportrait(s, kSeatInfo[s].litFrame);
            ui.setTimerEnabled(Timer::winkanim, false);
            setstatus(s, Told::raises);
            playsound(kChipSound);
        }
    }
    if (oppraise <= 0) return;

    // The raise is not limited by the opponent's cash: it may go below zero
    // and is then out of the deal without having folded.
    t.tocall = clampMoney(std::int64_t{t.tocall} + oppraise);
    setcash(s, clampMoney(std::int64_t{seat.cash} - t.tocall));
    setpot(clampMoney(std::int64_t{t.pot} + t.tocall));
    if (watcher_) watcher_->moved(s, Move::raises, t.tocall);
    for (SeatId o : kOpponents) t.seats[o].raised = (o == s);

    for (SeatId o : kOpponentsAfter[s]) {
        if (t.decided) return;
        if (indeal(t, o)) answers(o);
    }
    for (SeatId o : kOpponentsBefore[s])
        if (indeal(t, o)) clearstatus(o);
    offerstay(true);
    ui.setEnabled(Control::btnbet, false);
}

} // namespace stud
