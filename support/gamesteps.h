#pragma once

#include "game/game.h"

#include <string>

namespace stud {

// The tests' one way below the engine's events: the whole state to set a
// scene up by hand, and the steps that scenario tests run on their own.
// Everything else goes through Game's events, as the window's does.
struct GameSteps {
    Game& game;

    TableState& table() { return game.t; }

    void setcash(SeatId s, std::int32_t value) { game.setcash(s, value); }
    void setpot(std::int32_t value) { game.setpot(value); }
    void setstatus(SeatId s, Told told, const std::string& hand = {}) {
        game.setstatus(s, told, hand);
    }
    void playsound(const std::string& file) { game.playsound(file); }
    void cardsound() { game.cardsound(); }
    void drawtable() { game.drawtable(); }
    void drawcards() { game.drawcards(); }
    void clearcards(SeatId s) { game.clearcards(s); }
    void drawportrait(SeatId s, int frame) { game.drawportrait(s, frame); }
    void resetportraits() { game.resetportraits(); }
    void streetup() { game.streetup(); }
    void answerupto(SeatId last, bool lastAnswers) { game.answerupto(last, lastAnswers); }
    void turnsfrom(SeatId first) { game.turnsfrom(first); }
    void foldwin() { game.foldwin(); }
    void answers(SeatId s) { game.answers(s); }
    void turn(SeatId s) { game.turn(s); }
    void showdown() { game.showdown(); }
};

} // namespace stud
