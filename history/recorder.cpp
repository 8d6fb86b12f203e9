#include "history/recorder.h"

#include "table/rules.h"

#include <utility>

namespace stud {

Recorder::Recorder(const Game& game, HistorySink& sink, Clock clock, TableWatcher* next)
    : game_(game), sink_(sink), clock_(std::move(clock)), next_(next) {}

void Recorder::told(SeatId s) {
    if (next_) next_->told(s);
    const Seat& seat = game_.state().seats[s];
    if (open_ && seat.told == Told::hand) deal_.seats[s].hand = seat.status;
}

void Recorder::won(SeatId s, std::int64_t amount) {
    if (next_) next_->won(s, amount);
    if (open_) deal_.seats[s].won = clampMoney(std::int64_t{deal_.seats[s].won} + amount);
}

// The antes are about to be taken: a new deal, whatever became of the last
// one. A deal cut short by "New Game" is dropped here, never half stored.
void Recorder::dealstarts() {
    if (next_) next_->dealstarts();
    const TableState& t = game_.state();
    deal_ = DealRecord{};
    deal_.time = clock_ ? clock_() : 0;
    deal_.level = t.complevel;
    deal_.ante = t.ante;
    deal_.smallbet = t.smallbet;
    deal_.bigbet = t.bigbet;
    for (SeatId s : kAllSeats) {
        SeatRecord& r = deal_.seats[s];
        r.cashbefore = t.seats[s].cash;
        r.ante = t.seats[s].cash > 0 ? t.ante : 0;
    }
    street_ = kFirstStreet;
    open_ = true;
}

// A card counts as shown once a slot has shown its face: the table's own
// drawing decides, so a card never drawn face up stays hidden in the record.
void Recorder::cardsdrawn() {
    if (next_) next_->cardsdrawn();
    if (!open_) return;
    const TableState& t = game_.state();
    for (SeatId s : kAllSeats) {
        SeatRecord& r = deal_.seats[s];
        r.cards = t.seats[s].hand;
        for (int i = 0; i < kHandCards; ++i)
            if (t.shown[s][i] == t.seats[s].hand[i].image()) r.shown |= std::uint8_t(1u << i);
    }
}

void Recorder::moved(SeatId s, Move m, std::int32_t amount) {
    if (next_) next_->moved(s, m, amount);
    if (!open_) return;
    deal_.moves.push_back({static_cast<std::uint8_t>(street_), s, m, amount});
}

void Recorder::streetdone() {
    if (next_) next_->streetdone();
    if (!open_) return;
    deal_.pots.push_back(game_.state().pot);
    if (game_.state().street <= kLastStreet) street_ = game_.state().street;
}

void Recorder::dealover() {
    if (next_) next_->dealover();
    if (!open_) return;
    const TableState& t = game_.state();
    deal_.pot = t.pot;
    // The pot after the street the deal was decided on (a fold sets
    // `street` past the last one without playing the rest).
    deal_.pots.resize(street_, t.pot);
    deal_.pots.back() = t.pot;

    if (t.decided) {
        deal_.end = DealEnd::allfolded;
    } else {
        deal_.end = t.seats[player].folded ? DealEnd::foldshowdown : DealEnd::showdown;
        int winners = 0;
        for (SeatId s : kAllSeats) {
            SeatRecord& r = deal_.seats[s];
            if (t.finalscore[s] == t.bestscore) ++winners;
            // With every seat out the showdown names nobody and shows nothing.
            if (t.revealblock) r.hand.clear();
            r.score = r.hand.empty() ? 0 : t.finalscore[s];
        }
        if (winners > 0) deal_.remainder = t.pot % winners;
    }
    open_ = false;
    sink_.dealfinished(deal_);
}

void Recorder::matchover(MatchEnd how, SeatId who) {
    if (next_) next_->matchover(how, who);
    // The target is reached inside the showdown: the deal carries it.
    if (how == MatchEnd::target && open_) {
        if (!deal_.matchend) {
            deal_.matchend = how;
            deal_.matchseat = who;
        }
        return;
    }
    if (how == MatchEnd::abandoned) open_ = false;
    sink_.matchended(how, who);
}

} // namespace stud
