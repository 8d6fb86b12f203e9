#include "game/game.h"
#include "table/rules.h"
#include "table/seattable.h"

#include <array>

namespace stud {

namespace {

// ---- portrait blinks ----------------------------------------------------

// One tick of a blink: optionally change the winkanim interval, then draw a
// frame or end the blink. A seat whose blink runs slower than the usual
// (master's glance) sets its own interval first and the usual one at the end.
struct WinkStep {
    int interval; // 0: leave the interval alone
    int frame;    // -1: end of the blink
};
constexpr int kEnd = -1;

WinkStep winkStep(const SeatInfo& seat, int step) {
    int frames = 0;
    while (frames < static_cast<int>(seat.blinkFrames.size()) && seat.blinkFrames[frames] >= 0)
        ++frames;
    const bool ownPace = seat.blinkMs != kBlinkMs;
    if (step < 0 || step > frames + 1) return {0, kEnd};
    if (step == frames + 1) return {ownPace ? kBlinkMs : 0, kEnd};
    const int frame = step < frames ? seat.blinkFrames[step] : seat.restFrame;
    return {step == 0 && ownPace ? seat.blinkMs : 0, frame};
}

// ---- win animation ------------------------------------------------------

// Frames per winstep: the coin pile glints and is finally wiped by the bare
// table (coin frame 3); a winning opponent flashes lit and resting, then smiles.
constexpr int kWinSteps = 10;
constexpr int kWinFlashes = 5; // lit, rest, lit, rest, lit
constexpr std::array<int, kWinSteps> kCoinFrames{0, 2, 1, 2, 1, 2, 1, 2, 1, 3};

int winFrame(const SeatInfo& seat, int step) {
    if (step >= kWinFlashes) return seat.smileFrame;
    return step % 2 == 0 ? seat.litFrame : seat.restFrame;
}

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
    std::uint32_t below = 0;
    for (SeatId s : kOpponents) {
        below += static_cast<std::uint32_t>(kSeatInfo[s].winkChance);
        if (r < below) {
            chosen = s;
            break;
        }
    }
    t.winking = chosen;
    ui.setTimerEnabled(Timer::randomwink, false);
    ui.setTimerEnabled(Timer::winkanim, true);
}

void Game::winkanimTimer() {
    const SeatId s = t.winking.value_or(player); // none chosen: nothing to step, just end

    const WinkStep step = s != player ? winkStep(kSeatInfo[s], t.winkstep) : WinkStep{0, kEnd};
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
        if (winner(s)) drawportrait(s, winFrame(kSeatInfo[s], step));

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
