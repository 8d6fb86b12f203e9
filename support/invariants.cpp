#include "support/invariants.h"

#include "table/deck.h"
#include "table/rules.h"
#include "table/seattable.h"

#include <array>

namespace stud {

std::int64_t moneyInPlay(const Game& game) {
    const TableState& s = game.state();
    std::int64_t sum = game.dealdecided() ? 0 : s.pot;
    for (const Seat& seat : s.seats) sum += seat.cash;
    return sum;
}

void InvariantChecker::before(const Game& game) {
    money_ = moneyInPlay(game);
    showdowns_ = game.showdownsThisDeal();
}

std::string InvariantChecker::after(const Game& game, const Services& ui, bool moneyReset) {
    const TableState& s = game.state();
    showdownNow = false;
    remainder = 0;

    const int sd = game.showdownsThisDeal();
    if (sd > 1) return "the showdown ran " + std::to_string(sd) + " times in one deal";
    showdownNow = !moneyReset && sd > showdowns_;

    if (!moneyReset) {
        if (showdownNow) {
            int winners = 0;
            for (SeatId seat : kAllSeats) winners += s.finalscore[seat] == s.bestscore;
            if (winners < 1) return "a showdown without a winner";
            remainder = s.pot % winners;
        }
        const std::int64_t after = moneyInPlay(game);
        if (after != money_ - remainder)
            return "money is not conserved: " + std::to_string(money_) + " in play before, " +
                   std::to_string(after) + " after, " + std::to_string(remainder) +
                   " lost to a split";
    }

    for (const Deck* d : {&s.deck, &s.simdeck}) {
        std::array<bool, kDeckSize> seen{};
        for (const Card& c : *d) {
            if (c.suit < 0 || c.suit > 3 || c.rank < 0 || c.rank >= kRanks || seen[c.image()])
                return d == &s.deck ? "the deck is not a permutation"
                                    : "the simulation deck is not a permutation";
            seen[c.image()] = true;
        }
    }
    for (SeatId seat : kAllSeats)
        for (int p = 0; p < kHandCards; ++p)
            if (!(s.seats[seat].hand[p] == s.deck[kDealSlice[seat] + p]))
                return "a hand is not its slice of the deck";

    int raised = 0;
    for (SeatId seat : kOpponents) raised += s.seats[seat].raised;
    if (raised > 1) return std::to_string(raised) + " raised flags are set";
    if (s.seats[player].raised) return "the human has a raised flag";

    if (s.street < kFirstStreet || s.street > kDealOver)
        return "street " + std::to_string(s.street);
    if (s.folds < 0 || s.folds > 4) return "folds " + std::to_string(s.folds);
    if (s.opener < 1 || s.opener > kSeats) return "opener " + std::to_string(s.opener);
    if (s.cardback < kFirstCardBack || s.cardback > kLastCardBack)
        return "card back " + std::to_string(s.cardback);

    if (game.dealdecided() && (ui.isEnabled(Control::btnstay) || ui.isEnabled(Control::btnbet) ||
                               ui.isEnabled(Control::btnpass)))
        return "a button of the betting is enabled after the deal ended";

    for (SeatId seat : kAllSeats)
        if (ui.text(kSeatInfo[seat].cashLabel) != std::to_string(s.seats[seat].cash))
            return "a cash label does not show the seat's cash";
    if (ui.text(Control::betsize) != std::to_string(s.pot))
        return "the pot label does not show the pot";
    return {};
}

} // namespace stud
