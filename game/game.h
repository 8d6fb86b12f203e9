#pragma once

#include "cards/random.h"
#include "table/rules.h"
#include "table/services.h"
#include "table/settings.h"
#include "table/tablestate.h"

#include <string>

namespace stud {

struct GameSteps; // the tests' way to the steps below the events

// A seat's move as the betting records it. `opens` is the opener's first
// bet of a deal, which stands unpaid until the human answers it.
enum class Move : std::uint8_t { opens, checks, calls, raises, folds };

// How a match came to its end.
enum class MatchEnd : std::uint8_t {
    youlose,   // "Deal" found the human broke
    youwin,    // "Deal" found every opponent broke
    target,    // a seat reached the play-until amount at a showdown
    abandoned, // "New Game" replaced a match still going on
};

// Told of what happens at the table as it happens, for a front end that
// reports it (the screen reader's summary of a click). At each call the
// state is as the game has left it so far: the cards shown, the cash, the
// status lines.
class TableWatcher {
  public:
    virtual ~TableWatcher() = default;
    // The seat's status line has just told something: a move ("Raises",
    // "you fold"), or its hand at the showdown. Also when it tells the same
    // as before: every move sets its line anew.
    virtual void told(SeatId s) = 0;
    // The seat has just taken the pot, or its share of it.
    virtual void won(SeatId s, std::int64_t amount) = 0;

    // What a record of the whole deal needs; a watcher that only speaks
    // ignores them.
    // A deal is about to take its antes: the state still holds each seat's
    // cash before them, and the ante and limits of the deal.
    virtual void dealstarts() {}
    // The card slots have just been drawn (`shown` tells what each shows).
    virtual void cardsdrawn() {}
    // The seat has just made its move and paid `amount` into the pot.
    virtual void moved(SeatId, Move, std::int32_t /*amount*/) {}
    // `street` has just gone up by one; the pot is what the last one left.
    virtual void streetdone() {}
    // The deal is decided and paid (by the showdown or foldwin).
    virtual void dealover() {}
    // The match has ended; `who` is the seat at the target for `target`.
    virtual void matchover(MatchEnd, SeatId /*who*/) {}
};

// The game: the one table state plus the handlers that run on it. Owned by
// the main window for the life of the process. Its public face is its
// events: start-up, a click on a control, a timer's tick and the repaint,
// each running to completion and reaching the screen and speaker only
// through Services; plus a read-only view of the state. Between events the
// game keeps nothing outside `t` but the count of showdowns in the deal: the
// captions and switches it sets only show what `t` holds, and it never reads
// them back to decide.
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
    // Who is told of each move and win; nullptr for nobody.
    void watch(TableWatcher* watcher) { watcher_ = watcher; }
    // The deal is decided: the showdown has begun or foldwin has paid.
    bool dealdecided() const { return t.street >= kDealOver || t.decided; }
    // What the human's "Call" pays: on the first street always the small bet
    // (the opening bet and whatever replaced it), later the bet that stands.
    std::int32_t callamount() const { return t.street == kFirstStreet ? t.smallbet : t.tocall; }
    // Showdowns run since the current deal started (at most one).
    int showdownsThisDeal() const { return showdowns; }

  private:
    friend struct GameSteps;
    using Handler = void (Game::*)();
    static Handler handlerOf(Control c);

    // ---- deal and match (game/newdeal.cpp) ------------------------------
    void newgame();       // "Deal": the match's next deal (the form's name, not a new match)
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
    // Sets the status line to a move or, with Told::hand, to the hand's name.
    void setstatus(SeatId s, Told told, const std::string& hand = {});
    void clearstatus(SeatId s) { setstatus(s, Told::nothing); }
    // The stay button offers "Call" (a bet stands) or "Check".
    void offerstay(bool call);
    // The seat's cash rises to `value` as it takes (a share of) the pot.
    void paycash(SeatId s, std::int32_t value);
    void setstatuscolor(SeatId s, TextColor c);

    // ---- betting rounds (game/rounds.cpp) -------------------------------
    void playercalls(); // game/playeractions.cpp
    void streetup();
    void answerupto(SeatId last, bool lastAnswers);
    void turnsfrom(SeatId first);
    void foldwin();

    // ---- the opponents (game/opponents.cpp) -----------------------------
    void answers(SeatId s); // the seat answers the bet that stands
    void turn(SeatId s);    // the seat's own turn: check, bet or fold
    // An opponent's fresh estimate of its own hand (betting/decisions.h).
    int estimate(SeatId s);

    // ---- showdown (game/showdown.cpp) -----------------------------------
    void showdown();

    // ---- the start and end of a deal (game/startup.cpp) -----------------
    // Start of a deal or a match: nobody folded or raised, no opponent out,
    // the foldwin mark and the showdown count cleared.
    void cleardeal();
    // Every deal's first street, at start-up, "Deal" and "New Game" alike:
    // the deal cleared, the broke opponents out, the ante taken, the status
    // lines emptied, the cards shuffled and drawn, and the moves offered.
    // The caller has set the opener and what an answer pays.
    void startdeal();
    void offermoves(); // the human's three moves on, "Deal" off
    void offerdeal();  // the deal is over: only "Deal" goes on

    // Champ (play-order number 1) opens the first deal of a run and of a
    // new match.
    static constexpr int kFirstOpener = seatno(champ);

    TableState t;
    Services& ui;
    Random& rng;
    SettingsStore& ini;
    int showdowns = 0;
    TableWatcher* watcher_ = nullptr;
};

} // namespace stud
