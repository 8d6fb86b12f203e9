#pragma once

// The game's rule numbers that more than one step reads, each named once: the
// core and the window read them here. A number that belongs to one step lives
// with it (the shuffle's in table/deck.h, the showdown's weight in
// showdown/award.h, the win animation's frames in game/animation.cpp).

#include "cards/card.h"

#include <array>
#include <cstdint>

namespace stud {

// ---- streets ------------------------------------------------------------------
// Five betting streets; `street` then reads kDealOver until the next deal.
inline constexpr int kFirstStreet = 1;
inline constexpr int kLastStreet = 5;
inline constexpr int kDealOver = 6;
inline constexpr int kStreets = kLastStreet - kFirstStreet + 1;
// An opponent's raise is the small bet on the streets up to this one and the
// big bet after it; the human's is the small bet on every street but the last.
inline constexpr int kLastSmallRaiseStreet = 2;

// Cards each seat holds: three on the first street, one more on each street
// after it, and all seven from the last street on.
inline constexpr int kFirstStreetCards = 3;
constexpr int cardsOnStreet(int street) {
    return street >= kLastStreet ? kHandCards : street - kFirstStreet + kFirstStreetCards;
}
static_assert(cardsOnStreet(kLastStreet - 1) + 1 == kHandCards);
// The hole cards: the first two and the seventh lie face down before the
// opponents until the deal is over; the rest are dealt face up.
constexpr bool isHoleCard(int slot) {
    return slot == 0 || slot == 1 || slot == kHandCards - 1;
}

// ---- opponent levels ------------------------------------------------------------
// The `Levels` items "Amateur", "Expert", "Master", "Genius", in order: trials
// per estimate (one more is run), and a hundred trials make one point.
inline constexpr std::array<std::int32_t, 4> kLevels{200, 400, 600, 900};
inline constexpr std::int32_t kDefaultLevel = kLevels[0];

// The `Levels` item of a level, or -1 for a level that is none of the four.
constexpr int levelItem(std::int32_t level) {
    for (int i = 0; i < static_cast<int>(kLevels.size()); ++i)
        if (kLevels[i] == level) return i;
    return -1;
}

// ---- cards ----------------------------------------------------------------------
// The card image set: 52 faces (13 * suit + rank), then the 8 backs.
inline constexpr std::int32_t kFirstCardBack = kDeckSize;
inline constexpr int kCardBacks = 8;
inline constexpr std::int32_t kLastCardBack = kFirstCardBack + kCardBacks - 1;
inline constexpr int kCardWidth = 71, kCardHeight = 96;

// ---- money ----------------------------------------------------------------------
inline constexpr std::int32_t kDefaultCash = 1200;  // every seat's and the initial cash
inline constexpr std::int32_t kDefaultUntil = 1000; // play until initial cash + this
// What a typed initial cash or play-until amount must lie in.
inline constexpr std::int32_t kMinAmount = 100;
inline constexpr std::int32_t kMaxAmount = 1000000;
// The up-down's range: its position is the ante; the bets are 2 and 4 antes.
inline constexpr int kMinLimit = 1;
inline constexpr int kMaxLimit = 15;
inline constexpr std::int32_t kSmallBetAntes = 2, kBigBetAntes = 4;
inline constexpr std::int32_t kDefaultAnte = kMinLimit; // a new table's, and the up-down's start
// The human's Raise does nothing while the human holds less than this.
inline constexpr std::int32_t kMinRaiseCash = 2;

// ---- timers (milliseconds) ------------------------------------------------------
inline constexpr int kRandomwinkMs = 300; // how often a blink may start
inline constexpr int kBlinkMs = 150;      // winkanim: a blink's frames
inline constexpr int kGlanceMs = 400;     // winkanim: master's slower glance
inline constexpr int kWinMs = 150;        // wintimer: an opponent's win
inline constexpr int kHumanWinMs = 170;   // wintimer: the human's coin pile

// ---- layout shared by the table and the window ----------------------------------
inline constexpr int kPanelLeft = 232, kPanelTop = 96; // the options panel

} // namespace stud
