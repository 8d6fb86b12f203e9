#pragma once

#include "cards/random.h"
#include "table/rules.h"
#include "table/services.h"
#include "table/settings.h"
#include "table/tablestate.h"

#include <string>

namespace stud {

struct GameSteps; // the tests' way to the steps below the events

// The game: the one table state plus the handlers that run on it. Owned by
// the main window for the life of the process. Its public face is its
// events: start-up, a click on a control, a timer's tick and the repaint,
// each running to completion and reaching the screen and speaker only
// through Services; plus a read-only view of the state. Between events the
// game keeps nothing outside `t` but the count of showdowns in the deal.
class Game {
  public:
    Game(Services& ui, Random& rng, SettingsStore& settings);

    // Building the main window: settings read and written back, first deal
    // dealt and drawn with champ's opening bet standing. Throws StudError.
    void startup();
    // A click on a button or a change of a panel control, through the one
    // table from control to handler. Controls the game does not handle
    // (About1 opens the window's own box) do nothing.
    void click(Control c);
    void tick(Timer which);
    void redraw(); // the window's paint handler: drawtable, then drawcards

    const TableState& state() const { return t; }
    // The deal is decided: the showdown has begun or foldwin has paid.
    bool dealdecided() const { return t.street >= kDealOver || t.decided; }
    // Showdowns run since the current deal started (at most one).
    int showdownsThisDeal() const { return showdowns; }

  private:
    friend struct GameSteps;
    using Handler = void (Game::*)();
    static Handler handlerOf(Control c);

    // ---- deal and match (game/newdeal.cpp) ------------------------------
    void newgame();       // "Deal"
    void NewGame1Click(); // "New Game"

    // ---- the human's buttons (game/playeractions.cpp) -------------------
    void playerbets();   // "Raise" / "Bet"
    void playerstays();  // "Check" / "Call"
    void playerpasses(); // "Fold"

    // ---- options panel (game/options.cpp) ------------------------------
    void Options1Click();
    void CloseClick();
    void enterClick();     // initial cash "Enter"
    void unenterClick();   // play-until "Enter"
    void betchange();      // the up-down moved: reads its position
    void Backchange();     // card back chosen: reads the `background` item
    void LevelsClick();    // level chosen: reads the `Levels` item
    void SoundOff1Click(); // sound switch

    // ---- timers (game/animation.cpp) -----------------------------------
    void randomwinkTimer();
    void winkanimTimer();
    void wintimerTimer();

    // ---- painting (game/drawing.cpp) -----------------------------------
    void drawtable();
    void drawcards();
    void markcorners(int left, int top);
    void clearcards(SeatId s);
    void drawportrait(SeatId s, int frame);
    void resetportraits();

    // ---- shared steps (game/game.cpp) -----------------------------------
    void playsound(const std::string& file);
    void cardsound(); // game/playeractions.cpp
    void takeante();
    void setcash(SeatId s, std::int32_t value); // sets cash and its label
    void setpot(std::int32_t value);            // sets pot and `betsize`
    void setstatus(SeatId s, const std::string& text);
    void setstatuscolor(SeatId s, TextColor c);

    // ---- betting rounds (game/rounds.cpp) -------------------------------
    void playercalls(); // game/playeractions.cpp
    void streetup();
    void answerupto(SeatId last, bool lastAnswers);
    void turnsfrom(SeatId first);
    void foldwin();

    // ---- the opponents (game/opponents.cpp) -----------------------------
    void answers(SeatId s); // freakanswers .. champanswers
    void turn(SeatId s);    // freakturn .. champturn
    // An opponent's fresh estimate of its own hand (betting/decisions.h).
    int estimate(SeatId s);

    // ---- showdown (game/showdown.cpp) -----------------------------------
    void showdown();

    // Start of a deal or a match: nobody folded or raised, no opponent out,
    // the foldwin mark and the showdown count cleared (game/startup.cpp).
    void cleardeal();

    TableState t;
    Services& ui;
    Random& rng;
    SettingsStore& ini;
    int showdowns = 0;
};

} // namespace stud
