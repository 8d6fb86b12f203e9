#pragma once

#include "cards/random.h"
#include "table/tablestate.h"

namespace stud {

// Exchanges per shuffle of the playing deck (two draws each).
inline constexpr int kShuffleExchanges = 20001;

// First deck position of each seat's seven cards, in seat order.
inline constexpr std::array<int, kSeats> kDealSlice{7, 0, 14, 21, 28};

// Fill deck and simdeck in order: entry i is suit i / 13, rank i % 13.
void builddecks(TableState& t);
// Shuffle the deck from the order it is in, then give every seat its slice.
void shuffle(TableState& t, Random& rng);
// Every seat's seven cards from its slice of the deck as it lies.
void dealhands(TableState& t);

} // namespace stud
