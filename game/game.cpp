#include "game/game.h"

#include "table/seattable.h"

#include <array>
#include <string>

namespace stud {

namespace {

// The status line of each move; a hand's line is its name.
constexpr std::array<const char*, static_cast<std::size_t>(Told::hand)> kToldText{
    "", "Calls", "Checks", "Raises", "Folds", "you fold"};

} // namespace

Game::Game(Services& services, Random& generator, SettingsStore& settings)
    : ui(services), rng(generator), ini(settings) {}

// The one table from a control to its handler, used by the window, the
// simulator and the tests alike.
Game::Handler Game::handlerOf(Control c) {
    struct Entry {
        Control control;
        Handler handler;
    };
    static constexpr std::array<Entry, 13> kHandlers{{
        {Control::btnnew, &Game::newgame},
        {Control::btnstay, &Game::playerstays},
        {Control::btnbet, &Game::playerbets},
        {Control::btnpass, &Game::playerpasses},
        {Control::NewGame1, &Game::NewGame1Click},
        {Control::Options1, &Game::Options1Click},
        {Control::enter, &Game::enterClick},
        {Control::unenter, &Game::unenterClick},
        {Control::UpDown1, &Game::betchange},
        {Control::background, &Game::Backchange},
        {Control::Levels, &Game::LevelsClick},
        {Control::SoundOff1, &Game::SoundOff1Click},
        {Control::Close, &Game::CloseClick},
    }};
    for (const Entry& e : kHandlers)
        if (e.control == c) return e.handler;
    return nullptr;
}

void Game::click(Control c) {
    if (const Handler h = handlerOf(c)) (this->*h)();
}

void Game::tick(Timer which) {
    switch (which) {
    case Timer::randomwink:
        randomwinkTimer();
        break;
    case Timer::winkanim:
        winkanimTimer();
        break;
    case Timer::wintimer:
        wintimerTimer();
        break;
    }
}

// A cash amount and its label always change together, so the table never
// shows a stale number.
void Game::setcash(SeatId s, std::int32_t value) {
    t.seats[s].cash = value;
    ui.setText(kSeatInfo[s].cashLabel, std::to_string(value));
}

void Game::setpot(std::int32_t value) {
    t.pot = value;
    ui.setText(Control::betsize, std::to_string(value));
}

void Game::setstatus(SeatId s, Told told, const std::string& hand) {
    const std::string text = told == Told::hand ? hand : kToldText[static_cast<int>(told)];
    t.seats[s].status = text;
    t.seats[s].told = text.empty() ? Told::nothing : told;
    ui.setText(kSeatInfo[s].statusLabel, text);
    if (watcher_ && !text.empty()) watcher_->told(s);
}

void Game::offerstay(bool call) {
    t.callstands = call;
    ui.setText(Control::btnstay, call ? "Call" : "Check");
}

void Game::paycash(SeatId s, std::int32_t value) {
    const std::int64_t gain = std::int64_t{value} - t.seats[s].cash;
    setcash(s, value);
    if (watcher_ && gain > 0) watcher_->won(s, gain);
}

void Game::setstatuscolor(SeatId s, TextColor c) {
    ui.setTextColor(kSeatInfo[s].statusLabel, c);
}

void Game::playsound(const std::string& file) {
    if (t.soundon) ui.playSound(file);
}

// The pot is set, not added to: whatever the last deal left in it has already
// been paid out. A seat with any cash pays the whole ante, even when that
// takes it below zero; a broke seat pays nothing and is out of the deal.
void Game::takeante() {
    if (watcher_) watcher_->dealstarts();
    int broke = 0;
    for (SeatId s : kAllSeats)
        if (t.seats[s].cash < 1) ++broke;
    t.seated = kSeats - broke;
    setpot(clampMoney(std::int64_t{t.seated} * t.ante));
    for (SeatId s : kAllSeats)
        if (t.seats[s].cash > 0) setcash(s, clampMoney(std::int64_t{t.seats[s].cash} - t.ante));
}

} // namespace stud
