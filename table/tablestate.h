#pragma once

#include "cards/card.h"
#include "table/rules.h"

#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

namespace stud {

// The five seats in their fixed order. The order of play around the table is
// player, freak, geek, master, champ and back to player.
enum SeatId : int { player = 0, freak = 1, geek = 2, master = 3, champ = 4 };
inline constexpr int kSeats = 5;
inline constexpr int kOpponentSeats = kSeats - 1;
inline constexpr std::array<SeatId, kOpponentSeats> kOpponents{freak, geek, master, champ};
inline constexpr std::array<SeatId, kSeats> kAllSeats{player, freak, geek, master, champ};

// Play-order number of each seat (player 5 .. champ 1); `opener` and
// `rotation` are expressed in these numbers.
constexpr int seatno(SeatId s) {
    return kSeats - s;
}
constexpr SeatId seatOfNo(int no) {
    return static_cast<SeatId>(kSeats - no);
}

// What a seat's status line tells: nothing, the seat's last move, or its
// hand at the showdown.
enum class Told : std::uint8_t { nothing, calls, checks, raises, folds, youfold, hand };

// A card slot on the table that shows no card (the table shows through).
inline constexpr std::int8_t kNoImage = -1;
// The image each seat's card slots show right now (a face, a back or
// kNoImage), as the game last drew or wiped them: cards drawn before a seat
// ran out of cash stay until something wipes them.
using ShownCards = std::array<std::array<std::int8_t, std::tuple_size_v<Hand>>, kSeats>;

constexpr ShownCards noCardsShown() {
    ShownCards shown{};
    for (auto& row : shown) row.fill(kNoImage);
    return shown;
}

struct Seat {
    std::int32_t cash = 0;     // may become zero or negative
    bool folded = false;       // gave up the current deal
    bool raised = false;       // opponents only: made the standing raise of this street
    Hand hand{};               // dealing order; 0, 1 and 6 are the hole cards
    std::string status;        // mirrors the seat's status label
    Told told = Told::nothing; // what that label tells
};

// The one record of the whole game. Plain data; the handlers of Game read
// and write it in place.
struct TableState {
    std::array<Seat, kSeats> seats{};

    Deck deck{};    // dealt at every deal; its order carries over between deals
    Deck simdeck{}; // private deck of the opponents' hand estimate

    int street = kFirstStreet; // betting streets up to kLastStreet, then kDealOver
    std::int32_t pot = 0;
    std::int32_t ante = kDefaultAnte;
    std::int32_t smallbet = kSmallBetAntes * kDefaultAnte; // always kSmallBetAntes * ante
    std::int32_t bigbet = kBigBetAntes * kDefaultAnte;     // always kBigBetAntes * ante
    std::int32_t tocall = 0;                               // what an answering seat pays
    int folds = 0;                                         // opponents out of the current deal
    int seated = 0;           // seats with cash >= 1 when the ante was taken
    int opener = 1;           // seatno whose turn opens each street
    int rotation = 1;         // source of the next deal's opener
    bool revealblock = false; // human folded and every opponent out: hide their cards
    bool decided = false;     // the deal was won by foldwin; cleared at every deal start
    bool callstands = false;  // a bet stands for the human to call: the stay button reads "Call"
    bool betopens = false;    // a new match's first bet: the bet button reads "Bet", not "Raise"

    ShownCards shown = noCardsShown(); // what the card slots show

    // Match limits and options (stored between runs).
    std::int32_t initialcash = kDefaultCash;
    std::int32_t playuntil = kDefaultUntil;
    std::int32_t complevel = kDefaultLevel; // one of kLevels: trials per estimate
    bool soundon = true;
    std::int32_t cardback = kFirstCardBack; // image index of the card back

    // The last showdown's result, which the win animation plays out.
    std::array<std::int32_t, kSeats> finalscore{};
    std::int32_t bestscore = 0;
    int winstep = 0;

    // Portrait blink state: who blinks (nobody before the first blink) and
    // how far the blink has come.
    std::optional<SeatId> winking;
    int winkstep = 0;

    // The last estimate's strength: the next one keeps it when the level
    // runs a number of trials it has no divisor for.
    int strength = 0;
};

// Money arithmetic is done in 64 bits and brought back into the 32-bit range
// by clamping: a hand-edited settings file may hold amounts near the limit,
// and an addition there must neither wrap nor be undefined.
constexpr std::int32_t clampMoney(std::int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

// A seat takes part in the current deal while it has not folded and holds at
// least 1. Always tested afresh: cash can run out in the middle of a deal.
inline bool indeal(const TableState& t, SeatId s) {
    return !t.seats[s].folded && t.seats[s].cash >= 1;
}

} // namespace stud
