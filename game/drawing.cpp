#include "game/game.h"
#include "table/rules.h"
#include "table/seattable.h"

namespace stud {

namespace {

constexpr const char* kTableBitmap = "kaveltable.bmp";

// The background fill is wider than the client area (the excess is clipped)
// and stops one row short of its height, so the bottom row keeps the
// window's black.
constexpr int kTableRight = 990, kTableBottom = kTableHeight - 1;
static_assert(kTableRight > kTableWidth);

constexpr std::uint32_t kWindowColor = 0x000000; // black

// An opponent's hole cards (0, 1 and, once dealt, 6) stay down until the
// deal is over.
constexpr bool faceDown(int slot, int street) {
    if (street >= kDealOver) return false;
    return isHoleCard(slot);
}

} // namespace

void Game::redraw() {
    drawtable();
    drawcards();
}

void Game::drawtable() {
    // Read afresh at every paint; a missing bitmap only beeps and leaves the
    // window black behind the cards.
    if (!ui.selectBrush(kTableBitmap)) {
        ui.beep();
        return;
    }
    ui.fillRect(0, 0, kTableRight, kTableBottom);
    t.shown = noCardsShown();
}

void Game::drawcards() {
    t.revealblock = t.seats[player].folded && t.folds == kOpponentSeats;
    const int n = cardsOnStreet(t.street);
    // The back in use; anything outside the image set falls back to the first.
    const int back =
        t.cardback >= kFirstCardBack && t.cardback <= kLastCardBack ? t.cardback : kFirstCardBack;

    const SeatInfo& me = kSeatInfo[player];
    if (!t.seats[player].folded && t.seats[player].cash > 0) {
        for (int i = 0; i < n; ++i) {
            const int left = me.cardLeft + i * me.cardStep;
            const int image = t.seats[player].hand[i].image();
            ui.drawImage(ImageSet::cards, image, left, me.cardTop);
            t.shown[player][i] = static_cast<std::int8_t>(image);
            markcorners(left, me.cardTop);
        }
    }

    if (t.street >= kDealOver && t.revealblock) {
        if (watcher_) watcher_->cardsdrawn();
        return;
    }
    // Slot by slot round the table, so every later card covers the one before.
    for (int i = 0; i < n; ++i) {
        for (SeatId s : kOpponents) {
            const Seat& seat = t.seats[s];
            if (seat.folded || seat.cash <= 0) continue;
            const SeatInfo& info = kSeatInfo[s];
            const int left = info.cardLeft + i * info.cardStep;
            const int image = faceDown(i, t.street) ? back : seat.hand[i].image();
            ui.drawImage(ImageSet::cards, image, left, info.cardTop);
            t.shown[s][i] = static_cast<std::int8_t>(image);
            markcorners(left, info.cardTop);
        }
    }
    if (watcher_) watcher_->cardsdrawn();
}

// Clipped corners: the four corner pixels take the window colour.
void Game::markcorners(int left, int top) {
    ui.setPixel(left, top, kWindowColor);
    ui.setPixel(left + kCardWidth - 1, top, kWindowColor);
    ui.setPixel(left, top + kCardHeight - 1, kWindowColor);
    ui.setPixel(left + kCardWidth - 1, top + kCardHeight - 1, kWindowColor);
}

// Wiped with the brush drawtable last chose, tiled from the window origin,
// so the bare area matches the table around it.
void Game::clearcards(SeatId s) {
    const SeatInfo& info = kSeatInfo[s];
    ui.fillRect(info.areaLeft, info.areaTop, info.areaRight, info.areaBottom);
    t.shown[s].fill(kNoImage);
}

void Game::drawportrait(SeatId s, int frame) {
    ui.drawImage(ImageSet::players, frame, kSeatInfo[s].portraitLeft, kSeatInfo[s].portraitTop);
}

void Game::resetportraits() {
    for (SeatId s : kOpponents) drawportrait(s, kSeatInfo[s].restFrame);
}

} // namespace stud
