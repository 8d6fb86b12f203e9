#include "table/deck.h"

#include <utility>

namespace stud {

void builddecks(TableState& t) {
    for (int i = 0; i < kDeckSize; ++i) {
        t.deck[i] = Card{i / kRanks, i % kRanks};
        t.simdeck[i] = t.deck[i];
    }
}

void shuffle(TableState& t, Random& rng) {
    for (int step = 0; step < kShuffleExchanges; ++step) {
        const auto a = rng.next() % kDeckSize;
        const auto b = rng.next() % kDeckSize;
        std::swap(t.deck[a], t.deck[b]);
    }
    // Every seat gets its cards, also one without cash: it is simply not shown.
    dealhands(t);
}

void dealhands(TableState& t) {
    for (SeatId s : kAllSeats)
        for (int p = 0; p < kHandCards; ++p) t.seats[s].hand[p] = t.deck[kDealSlice[s] + p];
}

} // namespace stud
