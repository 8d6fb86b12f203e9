// The shared steps of the betting: the next street, the opponents answering
// a bet, the opponents' turns, and the human taking the pot when every
// opponent has left.

#include "betting/playorder.h"
#include "cards/handscore.h"
#include "game/game.h"
#include "table/rules.h"

namespace stud {

void Game::streetup() {
    // Once the deal is decided there is no next street: this keeps the
    // showdown to one per deal whatever path leads here.
    if (dealdecided()) return;
    ++t.street;
    if (watcher_) watcher_->streetdone();
    drawcards();
    if (t.street >= kDealOver) showdown();
}

void Game::answerupto(SeatId last, bool lastAnswers) {
    const int end = lastAnswers ? last : last - 1;
    for (int s = freak; s <= end; ++s) {
        if (t.decided) return;
        if (indeal(t, static_cast<SeatId>(s))) answers(static_cast<SeatId>(s));
    }
}

void Game::turnsfrom(SeatId first) {
    // Every turn is made, in the deal or not: the opener's turn opens the
    // next street even when the opener has no cash left.
    for (int s = first; s <= champ; ++s) {
        if (s < freak) continue;
        const auto seat = static_cast<SeatId>(s);
        turn(seat);
        if (dealdecided()) return;
        if (t.seats[seat].raised) return; // the human must answer it first
    }
}

void Game::foldwin() {
    offerdeal();
    // The pot keeps its value until the next deal sets it anew.
    paycash(player, clampMoney(std::int64_t{t.seats[player].cash} + t.pot));
    // The human takes the pot as with a straight flush: the win animation
    // plays his coin pile.
    t.finalscore[player] = category::kStraightFlush;
    t.bestscore = category::kStraightFlush;
    t.winstep = 0;
    t.decided = true;
    playsound(kPlayerWinSound);
    ui.setTimerEnabled(Timer::wintimer, true);
    if (watcher_) watcher_->dealover();
}

} // namespace stud
