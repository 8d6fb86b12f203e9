#pragma once

#include "table/services.h"
#include "table/tablestate.h"

#include <array>

namespace stud {

// Everything that differs from seat to seat, so that the per-seat routines
// (answers, turns, drawing, showdown) are written once.
struct SeatInfo {
    Control nameLabel; // "You:", "Peter:", ...
    Control cashLabel;
    Control statusLabel;
    int cardLeft, cardStep, cardTop;              // slot i is drawn at cardLeft + i * cardStep
    int areaLeft, areaTop, areaRight, areaBottom; // what clearcards wipes
    int portraitLeft, portraitTop;                // opponents only
    int restFrame, litFrame, winFrame;            // portrait frames, opponents only (-1 for player)
    std::int32_t outscore;                        // showdown value of a seat out of the showdown
    const char* winSound;
    const char* matchWinText;
};

inline constexpr std::array<SeatInfo, kSeats> kSeatInfo{{
    {Control::Label2, Control::cash, Control::playerstatus, 335, 30, 500, 335, 500, 635, 600, 0, 0,
     -1, -1, -1, -180, "chip3.wav", "You win!"},
    {Control::freakcash, Control::lblfcash, Control::freakstatus, 40, 25, 400, 40, 400, 300, 500,
     48, 268, 0, 1, 8, -150, "chip4.wav", "Freak wins"},
    {Control::geekcash, Control::lblgcash, Control::geekstatus, 120, 25, 160, 120, 160, 380, 260,
     160, 29, 2, 3, 9, -120, "chip4.wav", "Geek wins"},
    {Control::mastercash, Control::lblmcash, Control::masterstatus, 565, 25, 160, 565, 160, 815,
     260, 632, 29, 4, 5, 10, -170, "chip4.wav", "Master wins"},
    {Control::champcash, Control::lblccash, Control::champstatus, 650, 25, 400, 650, 400, 900, 500,
     744, 268, 6, 7, 11, -110, "chip4.wav", "Champ wins"},
}};

// Coin pile of the human's win animation.
inline constexpr int kCoinLeft = 498, kCoinTop = 350;

} // namespace stud
