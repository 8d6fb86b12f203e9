#include "game/game.h"
#include "table/rules.h"
#include "table/seattable.h"

#include <array>

namespace stud {

namespace {

// ---- portrait blinks ----------------------------------------------------

// Who blinks, by a draw taken modulo 100: 20, 31, 15 and 34 chances in 100.
struct WinkChoice {
    int below; // draws up to below - 1 pick this seat
    SeatId seat;
};
constexpr std::array<WinkChoice, 4> kWinkChoice{{
    {20, freak},
    {51, geek},
    {66, master},
    {100, champ},
}};

// One tick of a blink: optionally change the winkanim interval, then draw a
// frame or end the blink. Master's glance runs slower than a blink.
struct WinkStep {
    int interval; // 0: leave the interval alone
    int frame;    // -1: end of the blink
};
constexpr int kEnd = -1;

using WinkTable = std::array<WinkStep, 5>;
constexpr std::array<WinkTable, kSeats> kWinkFrames{{
    {}, // the human has no portrait
    {{{0, 12}, {0, 0}, {0, kEnd}, {0, kEnd}, {0, kEnd}}},
    {{{0, 13}, {0, 14}, {0, 2}, {0, kEnd}, {0, kEnd}}},
    {{{kGlanceMs, 15}, {0, 16}, {0, 17}, {0, 4}, {kBlinkMs, kEnd}}},
    {{{0, 18}, {0, 19}, {0, 6}, {0, kEnd}, {0, kEnd}}},
}};

// ---- win animation ------------------------------------------------------

// Frames per winstep: the coin pile glints and is finally wiped by the bare
// table (coin frame 3); a winning opponent flashes lit and resting, then smiles.
constexpr int kWinSteps = 10;
constexpr std::array<int, kWinSteps> kCoinFrames{0, 2, 1, 2, 1, 2, 1, 2, 1, 3};
constexpr std::array<std::array<int, kWinSteps>, kSeats> kWinFrames{{
    {},
    {1, 0, 1, 0, 1, 8, 8, 8, 8, 8},
    {3, 2, 3, 2, 3, 9, 9, 9, 9, 9},
    {5, 4, 5, 4, 5, 10, 10, 10, 10, 10},
    {7, 6, 7, 6, 7, 11, 11, 11, 11, 11},
}};

} // namespace

void Game::randomwinkTimer() {
    if (ui.isTimerEnabled(Timer::winkanim)) return; // a blink is still running

    bool raiseStands = false;
    for (SeatId s : kOpponents) raiseStands = raiseStands || t.seats[s].raised;
    // A pending raise keeps the faces still; on street 1 the opening bet
    // does not count as one.
    if (!(t.street == kFirstStreet || (t.street <= kLastStreet && !raiseStands))) return;

    t.winkstep = 0;
    const std::uint32_t r = rng.next() % 100;
    SeatId chosen = champ;
    for (const WinkChoice& c : kWinkChoice) {
        if (r < static_cast<std::uint32_t>(c.below)) {
            chosen = c.seat;
            break;
        }
    }
    t.winking = chosen;
    ui.setTimerEnabled(Timer::randomwink, false);
    ui.setTimerEnabled(Timer::winkanim, true);
}

void Game::winkanimTimer() {
    const SeatId s = t.winking.value_or(player); // none chosen: nothing to step, just end

    const WinkTable& frames = kWinkFrames[s];
    const WinkStep step =
        s != player && t.winkstep >= 0 && t.winkstep < static_cast<int>(frames.size())
            ? frames[t.winkstep]
            : WinkStep{0, kEnd};
    if (step.interval) ui.setTimerInterval(Timer::winkanim, step.interval);
    if (step.frame == kEnd) {
        ui.setTimerEnabled(Timer::winkanim, false);
        ui.setTimerEnabled(Timer::randomwink, true);
        return;
    }
    drawportrait(s, step.frame);
    ++t.winkstep;
}

void Game::wintimerTimer() {
    if (t.winstep < 0 || t.winstep >= kWinSteps) { // a tick after the last step
        ui.setTimerEnabled(Timer::wintimer, false);
        return;
    }
    const int step = t.winstep;
    const auto winner = [this](SeatId s) { return t.finalscore[s] == t.bestscore; };

    if (winner(player)) {
        if (step == 0) ui.setTimerInterval(Timer::wintimer, kHumanWinMs);
        ui.drawImage(ImageSet::coins, kCoinFrames[step], kCoinLeft, kCoinTop);
    }
    for (SeatId s : kOpponents)
        if (winner(s)) drawportrait(s, kWinFrames[s][step]);

    if (step == kWinSteps - 1) {
        // The coin pile may have covered part of a long status line of the human.
        ui.setTimerInterval(Timer::wintimer, kWinMs);
        ui.repaintControl(Control::playerstatus);
        ui.setTimerEnabled(Timer::wintimer, false);
        return; // winstep stays at the last step
    }
    t.winstep = step + 1;
}

} // namespace stud
