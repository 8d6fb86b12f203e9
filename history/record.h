#pragma once

// One finished deal as the history keeps it: everything needed to tell it
// again street by street, and nothing of the display's wording.

#include "cards/card.h"
#include "game/game.h"
#include "table/tablestate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace stud {

// How a deal was decided.
enum class DealEnd : std::uint8_t {
    allfolded,    // every opponent left and the human took the pot
    showdown,     // the betting of the last street was done
    foldshowdown, // the human folded and the rest compared their cards
};

struct SeatRecord {
    std::int32_t cashbefore = 0; // before the ante
    std::int32_t ante = 0;       // what it paid of the ante (0 when out for lack of cash)
    std::int32_t won = 0;        // its share of the pot
    Hand cards{};                // dealing order, as the table holds them
    // Bit i: card i lay face up for everybody (the hole cards 0, 1 and 6 do not).
    std::uint8_t faceup = 0b0111100;
    // Bit i: the table ever showed card i's face (the human's own cards as he
    // was dealt them, the open cards of the streets he stayed for, every card
    // of a hand in the showdown). The rest are kept but never shown.
    std::uint8_t shown = 0;
    std::string hand;       // its hand's name at the showdown, empty when not shown
    std::int32_t score = 0; // the showdown's key for a shown hand, else 0
};

struct MoveRecord {
    std::uint8_t street = kFirstStreet;
    SeatId seat = player;
    Move move = Move::checks;
    std::int32_t amount = 0; // what it paid into the pot with this move
};

struct DealRecord {
    std::int64_t number = 0; // the history's running number, given when it is stored
    std::int64_t time = 0;   // when it was dealt, seconds since 1970 (UTC)
    std::int32_t level = kDefaultLevel;
    std::int32_t ante = 0, smallbet = 0, bigbet = 0;
    std::array<SeatRecord, kSeats> seats{};
    std::vector<MoveRecord> moves; // in play order
    // The pot after each street played, the first street first.
    std::vector<std::int32_t> pots;
    DealEnd end = DealEnd::showdown;
    std::int32_t pot = 0;       // what was paid out
    std::int32_t remainder = 0; // what a split left to nobody
    // When this deal ended the match at once (a seat at the target).
    std::optional<MatchEnd> matchend;
    SeatId matchseat = player;

    // The human's result: what he took minus what he paid.
    std::int64_t result() const;
    int streets() const { return static_cast<int>(pots.size()); }
    // The best hand shown at the showdown; -1 when none was.
    int winner() const;
};

// A deal's cards and moves in a compact text of its own, for one column.
std::string encodeDetail(const DealRecord& d);
// Fills d's cards, moves and pots from that text; false when it is damaged.
bool decodeDetail(const std::string& text, DealRecord& d);

} // namespace stud
