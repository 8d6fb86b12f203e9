// The human's three buttons: Raise, Check/Call and Fold. Each click takes the
// human's money, lets the opponents answer and take their turns, and moves
// the street on when the round is over.

#include "betting/playorder.h"
#include "game/game.h"
#include "table/rules.h"

namespace stud {

namespace {

constexpr const char* kRaiseCaption = "Raise";

// The human's bet: the small bet on streets 1 to 4, the big bet on the last.
std::int32_t playerbetsize(const TableState& t) {
    return t.street < kLastStreet ? t.smallbet : t.bigbet;
}

} // namespace

void Game::cardsound() {
    // Two dealing sounds for variety; the first 51 of the 100 draws pick card2.
    const auto r = rng.next() % 100;
    playsound(r <= 50 ? kCardSound2 : kCardSound1);
}

void Game::playerbets() {
    // A click that arrives after the deal was decided (the button is already
    // disabled then) must not move any money.
    if (dealdecided()) return;

    // The chip sounds only once the button reads "Raise": the first click
    // after a new match, while it still reads "Bet", is silent.
    if (!t.betopens) playsound(kChipSound);
    for (SeatId s : kAllSeats) setstatuscolor(s, TextColor::White);
    if (t.seats[player].cash < kMinRaiseCash) return;

    t.betopens = false;
    ui.setText(Control::btnbet, kRaiseCaption);
    const std::int32_t bet = playerbetsize(t);
    setpot(clampMoney(std::int64_t{t.pot} + bet));
    t.tocall = bet;
    setcash(player, clampMoney(std::int64_t{t.seats[player].cash} - bet));
    clearstatus(player);
    if (watcher_) watcher_->moved(player, Move::raises, bet);

    // On the first street the opening bet (or a raise that replaced it) is
    // settled by the human's raise: everybody up to its bettor answers.
    const SeatId bettor = standingbettor(t);
    if (t.street == kFirstStreet && bettor != player) answerupto(bettor, true);
    for (SeatId s : kOpponents)
        if (indeal(t, s)) clearstatus(s);
    for (SeatId s : kOpponents) t.seats[s].raised = false;
    if (t.street > kFirstStreet && t.street <= kLastStreet) answerupto(champ, true);

    setcash(player, t.seats[player].cash);
    setpot(t.pot);
    if (t.decided) return;

    // As the opener, the human's raise closes his street: the opponents'
    // turns that follow already belong to the next one.
    if (t.opener == seatno(player)) {
        streetup();
        if (t.street >= kDealOver) return;
    }
    cardsound();
    t.tocall = 0;
    turnsfrom(freak);
}

void Game::playerstays() {
    if (dealdecided()) return;

    resetportraits();
    for (SeatId s : kAllSeats) setstatuscolor(s, TextColor::White);
    clearstatus(player);
    offerstay(false);
    t.tocall = callamount();

    if (standingbettor(t) == player) {
        // A check: nothing to pay, the opponents act from freak on.
        if (watcher_) watcher_->moved(player, Move::checks, 0);
        for (SeatId s : kOpponents) clearstatus(s);
        t.tocall = 0;
        turnsfrom(freak);
    } else {
        playercalls();
    }
    if (dealdecided()) return;

    if (t.opener == seatno(player)) {
        streetup();
        if (t.street >= kDealOver) return;
    }
    // The first street always ends with the human's check or call.
    if (t.street == kFirstStreet) streetup();
    cardsound();
}

void Game::playercalls() {
    const SeatId bettor = standingbettor(t);
    if (bettor == player) return; // nothing stands: nothing to call

    t.seats[bettor].raised = false;
    // A call is never refused: the human may go to zero or below.
    setcash(player, clampMoney(std::int64_t{t.seats[player].cash} - t.tocall));
    setpot(clampMoney(std::int64_t{t.pot} + t.tocall));
    if (watcher_) watcher_->moved(player, Move::calls, t.tocall);

    // The seats before the bettor still owe its bet. On the first street the
    // bettor answers too: that is when an opening bet is actually paid.
    answerupto(bettor, t.street == kFirstStreet);
    if (t.decided) return;

    setpot(t.pot);
    ui.setEnabled(Control::btnbet, true);
    t.tocall = 0;
    if (t.street > kFirstStreet && t.street <= kLastStreet)
        for (SeatId s : kOpponents)
            if (indeal(t, s)) clearstatus(s);
    if (bettor != champ) turnsfrom(static_cast<SeatId>(bettor + 1));
}

void Game::playerpasses() {
    if (dealdecided()) return;

    resetportraits();
    // In play order the human folds first; the seats before the bettor
    // answer after him.
    if (watcher_) watcher_->moved(player, Move::folds, 0);
    // The seats before a standing raise still answer it; the bettor's own
    // chips stay in the pot.
    const SeatId bettor = standingbettor(t);
    if (bettor != player) {
        t.seats[bettor].raised = false;
        answerupto(bettor, false);
        // Those answers can leave every opponent out (a broke opener's bet
        // standing): foldwin has then paid the human, and a showdown on top
        // would pay the same pot a second time.
        if (t.decided) return;
    }
    clearcards(player);
    for (SeatId s : kOpponents) setstatuscolor(s, TextColor::White);
    setstatus(player, Told::youfold);
    offerstay(false);
    t.street = kDealOver;
    offerdeal();
    t.seats[player].folded = true;
    showdown();
}

} // namespace stud
