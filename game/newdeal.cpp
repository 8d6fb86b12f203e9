#include "game/game.h"
#include "table/cashkeys.h"
#include "table/deck.h"
#include "table/rules.h"
#include "table/seattable.h"
#include "table/strtoint.h"

#include <array>
#include <string>

namespace stud {

namespace {

// Card areas are wiped in this order before a new deal is drawn.
constexpr std::array<SeatId, kSeats> kClearOrder{freak, geek, master, champ, player};

// The opponents seated after the opener in play order: they answer its
// opening bet, then take their first turns from the first of them on.
//
//   opener   bet stands   answers, then turns from
//   champ    champ        nobody: the human faces champ's bet
//   master   master       champ
//   geek     geek         master, champ
//   freak    freak        geek, master, champ
//   player   nobody       freak, geek, master, champ
constexpr int firstAfterOpener(int opener) {
    return seatOfNo(opener) + 1;
}

} // namespace

void Game::newgame() {
    ui.setTimerEnabled(Timer::randomwink, true);
    for (SeatId s : kOpponents) setstatuscolor(s, TextColor::White);
    resetportraits();
    for (SeatId s : kClearOrder) clearcards(s);

    // The cash stored is the cash the last deal left, before this deal's ante:
    // closing the program in the middle of a deal loses nothing.
    ini.writeInteger("Background", "Color", t.cardback);
    t.soundon = ini.readBool("Settings", "Sound", true);
    ui.setText(Control::SoundOff1, t.soundon ? "On" : "Off");
    // The five seats' cash is one group: a crash between two of them would
    // otherwise make money appear or vanish at the next start.
    ini.write(cashgroup(t));

    clearstatus(player);

    const char* verdict = nullptr;
    if (t.seats[player].cash <= 0) {
        verdict = "You lose!";
    } else {
        bool allBroke = true;
        for (SeatId s : kOpponents)
            if (t.seats[s].cash > 0) allBroke = false;
        if (allBroke) verdict = "You win!";
    }
    if (verdict) {
        if (watcher_)
            watcher_->matchover(t.seats[player].cash <= 0 ? MatchEnd::youlose : MatchEnd::youwin,
                                player);
        ui.messageBox(verdict, "Game over", Buttons::Ok);
        for (Control c : {Control::btnnew, Control::btnbet, Control::btnpass, Control::btnstay})
            ui.setEnabled(c, false);
        return; // only "New Game" goes on from here
    }

    // The opener moves one seat on in play order: player, freak, geek,
    // master, champ, player, ...
    t.rotation = t.rotation <= seatno(champ) ? seatno(player) : t.rotation - 1;
    t.opener = t.rotation;

    t.tocall = t.smallbet;
    startdeal();
    offerstay(true);

    // The opening bet stands without being paid; it is paid when the human
    // answers it. With the human as opener no bet stands.
    if (t.opener != seatno(player)) {
        t.seats[seatOfNo(t.opener)].raised = true;
        if (watcher_) watcher_->moved(seatOfNo(t.opener), Move::opens, 0);
    }
    const int first = firstAfterOpener(t.opener);
    if (first > champ) return;
    for (int s = first; s <= champ && !dealdecided(); ++s)
        if (indeal(t, static_cast<SeatId>(s))) answers(static_cast<SeatId>(s));
    if (!dealdecided()) turnsfrom(static_cast<SeatId>(first));
}

void Game::NewGame1Click() {
    rng.seed(ui.currentTime());
    resetportraits();
    if (ui.messageBox("Are you sure?", "New game", Buttons::YesNo) != Answer::Yes) return;

    // Throws the conversion error for a text that is no number; the match
    // then goes on untouched.
    const std::int32_t n = strToInt(ui.text(Control::money));
    // An amount below 1 would put every seat out of the first deal with
    // nothing to play for; refuse it the way the panel refuses a bad amount.
    if (n < 1) {
        ui.showMessage("the value is off limits");
        return;
    }

    if (watcher_) watcher_->matchover(MatchEnd::abandoned, player);
    for (SeatId s : kAllSeats) setcash(s, n);
    t.initialcash = n; // in memory only; the file follows at the next "Deal"

    // No opening bet: the human acts first with nothing to call. The rotation
    // carries on where it stood.
    t.opener = kFirstOpener;
    t.betopens = true;
    ui.setText(Control::btnbet, "Bet");
    for (SeatId s : kClearOrder) clearcards(s);
    startdeal();
}

} // namespace stud
