#pragma once

#include "table/rules.h"
#include "table/services.h"
#include "table/tablestate.h"

#include <array>

namespace stud {

// The window's client area, in which every position below lies.
inline constexpr int kTableWidth = 910, kTableHeight = 691;

// Everything that differs from seat to seat, so that the per-seat routines
// (answers, turns, drawing, showdown) are written once.
struct SeatInfo {
    Control cashLabel;
    Control statusLabel;
    int cardLeft, cardStep, cardTop;              // slot i is drawn at cardLeft + i * cardStep
    int areaLeft, areaTop, areaRight, areaBottom; // what clearcards wipes
    int portraitLeft = 0, portraitTop = 0;        // opponents only
    int restFrame = -1, litFrame = -1;            // portrait frames, opponents only
    int smileFrame = -1;                          // the portrait after a win
    // A blink: these frames (-1 pads), then the rest frame, drawn every
    // blinkMs. It starts with winkChance chances in 100.
    std::array<int, 3> blinkFrames{-1, -1, -1};
    int blinkMs = kBlinkMs;
    int winkChance = 0;
    std::int32_t outscore; // showdown value of a seat out of the showdown
    const char* winSound;
    const char* matchWinText;
};

inline constexpr std::array<SeatInfo, kSeats> kSeatInfo{{
    {.cashLabel = Control::cash,
     .statusLabel = Control::playerstatus,
     .cardLeft = 335,
     .cardStep = 30,
     .cardTop = 500,
     .areaLeft = 335,
     .areaTop = 500,
     .areaRight = 635,
     .areaBottom = 600,
     .outscore = -180,
     .winSound = kPlayerWinSound,
     .matchWinText = "You win!"},
    {.cashLabel = Control::lblfcash,
     .statusLabel = Control::freakstatus,
     .cardLeft = 40,
     .cardStep = 25,
     .cardTop = 400,
     .areaLeft = 40,
     .areaTop = 400,
     .areaRight = 300,
     .areaBottom = 500,
     .portraitLeft = 48,
     .portraitTop = 268,
     .restFrame = 0,
     .litFrame = 1,
     .smileFrame = 8,
     .blinkFrames = {12, -1, -1},
     .winkChance = 20,
     .outscore = -150,
     .winSound = kOpponentWinSound,
     .matchWinText = "Freak wins"},
    {.cashLabel = Control::lblgcash,
     .statusLabel = Control::geekstatus,
     .cardLeft = 120,
     .cardStep = 25,
     .cardTop = 160,
     .areaLeft = 120,
     .areaTop = 160,
     .areaRight = 380,
     .areaBottom = 260,
     .portraitLeft = 160,
     .portraitTop = 29,
     .restFrame = 2,
     .litFrame = 3,
     .smileFrame = 9,
     .blinkFrames = {13, 14, -1},
     .winkChance = 31,
     .outscore = -120,
     .winSound = kOpponentWinSound,
     .matchWinText = "Geek wins"},
    {.cashLabel = Control::lblmcash,
     .statusLabel = Control::masterstatus,
     .cardLeft = 565,
     .cardStep = 25,
     .cardTop = 160,
     .areaLeft = 565,
     .areaTop = 160,
     .areaRight = 815,
     .areaBottom = 260,
     .portraitLeft = 632,
     .portraitTop = 29,
     .restFrame = 4,
     .litFrame = 5,
     .smileFrame = 10,
     .blinkFrames = {15, 16, 17},
     .blinkMs = kGlanceMs,
     .winkChance = 15,
     .outscore = -170,
     .winSound = kOpponentWinSound,
     .matchWinText = "Master wins"},
    {.cashLabel = Control::lblccash,
     .statusLabel = Control::champstatus,
     .cardLeft = 650,
     .cardStep = 25,
     .cardTop = 400,
     .areaLeft = 650,
     .areaTop = 400,
     .areaRight = 900,
     .areaBottom = 500,
     .portraitLeft = 744,
     .portraitTop = 268,
     .restFrame = 6,
     .litFrame = 7,
     .smileFrame = 11,
     .blinkFrames = {18, 19, -1},
     .winkChance = 34,
     .outscore = -110,
     .winSound = kOpponentWinSound,
     .matchWinText = "Champ wins"},
}};

// Coin pile of the human's win animation.
inline constexpr int kCoinLeft = 498, kCoinTop = 350;

} // namespace stud
