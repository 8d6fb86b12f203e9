#include "simulator.h"

#include "support/fakeservices.h"
#include "support/invariants.h"

#include "cards/random.h"
#include "game/game.h"
#include "history/recorder.h"
#include "history/store.h"
#include "table/seattable.h"
#include "table/settings.h"

#include <array>
#include <chrono>
#include <exception>
#include <iomanip>
#include <memory>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace studsim {

using namespace stud;
using stud::testing::FakeServices;

namespace {

enum class Event { Start, Deal, Call, Raise, Fold, NewGame };

const char* eventName(Event e) {
    switch (e) {
    case Event::Start:
        return "start";
    case Event::Deal:
        return "Deal";
    case Event::Call:
        return "Call";
    case Event::Raise:
        return "Raise";
    case Event::Fold:
        return "Fold";
    case Event::NewGame:
        return "NewGame";
    }
    return "?";
}

// The control each event clicks, in the order of Event (start-up has none).
constexpr std::array<Control, 6> kEventControl{Control::btnnew,  Control::btnnew,
                                               Control::btnstay, Control::btnbet,
                                               Control::btnpass, Control::NewGame1};

// A deal that has not ended after this many clicks is stuck.
constexpr int kMaxClicksPerDeal = 1000;

struct Failure {
    std::string what;
};

class Simulator {
  public:
    Simulator(const Options& o, std::ostream& out)
        : opt(o), out(out),
          // The timer ticks' lines show what the ticks drew.
          ui(o.ticks > 0 ? FakeServices::Record::everything : FakeServices::Record::printed),
          policy(o.seed ^ 0x5EEDF00Dull), ini(startFile(o)) {
        ui.showForm();
        ui.now = o.seed * 1000003u;
        ui.clockStep = 1000;
        if (o.splitmix)
            rng = std::make_unique<SplitMix>(o.splitmixState, true);
        else
            rng = std::make_unique<Xoshiro>(o.seed);
        game = std::make_unique<Game>(ui, *rng, ini);
        if (!o.history.empty()) {
            store = std::make_unique<HistoryStore>(o.history);
            if (store->takeNotice() != HistoryStore::Notice::none && !store->recording())
                throw std::runtime_error("cannot record in " + o.history);
            // The simulated clock, in seconds: a replayed session records the same deals.
            recorder = std::make_unique<Recorder>(
                *game, *store, [this] { return static_cast<std::int64_t>(ui.now / 1000); });
            game->watch(recorder.get());
        }
    }

    void run();
    void summary(std::ostream& os, double seconds) const;
    long long currentDeal() const { return dealsStarted; }
    const char* lastEvent() const { return eventName(last); }

  private:
    static std::string startFile(const Options& o);
    void click(Event e);
    Event choose();
    void idle(int ms);
    void tickRounds();
    void tickLine(Timer which);
    void check(Event e, bool decidedBefore);
    void traceLine(Event e);
    void endMatch();

    const TableState& t() const { return game->state(); }
    bool on(Control c) const { return ui.isEnabled(c); }

    const Options& opt;
    std::ostream& out;
    // Answers Yes to every question and OK to anything else; keeps the sounds
    // and boxes of the current event for the trace.
    FakeServices ui;
    InvariantChecker checker;
    Xoshiro policy; // the human's own dice, apart from the game's generator
    std::unique_ptr<Random> rng;
    // In memory: a run never touches the user's file, and the six keys
    // every "Deal" stores cost nothing.
    MemorySettings ini;
    std::unique_ptr<Game> game;
    std::unique_ptr<HistoryStore> store;
    std::unique_ptr<Recorder> recorder;

    Event last = Event::Start;
    std::size_t scriptPos = 0;
    int clicksThisDeal = 0;
    bool matchOver = false;

    // Figures for the summary.
    long long dealsStarted = 0, showdowns = 0, foldwins = 0, clicks = 0;
    long long matchesStarted = 0, youLose = 0, youWin = 0, targetReached = 0;
    std::int64_t lostRemainders = 0;
    std::array<std::int64_t, kSeats> net{};
    std::array<std::int64_t, kSeats> matchStart{};
};

std::string Simulator::startFile(const Options& o) {
    std::ostringstream f;
    if (o.initial || o.until) {
        f << "[Cash]\n";
        if (o.initial) {
            for (const char* key : {"freak", "player", "geek", "master", "champ", "initial"})
                f << key << '=' << *o.initial << '\n';
        }
        if (o.until) f << "until=" << *o.until << '\n';
    }
    if (o.level != 200) f << "[Levels]\ncomp=" << o.level << '\n';
    return f.str(); // empty for the defaults: no file at all
}

void Simulator::endMatch() {
    for (SeatId s : kAllSeats) net[s] += t().seats[s].cash - matchStart[s];
}

void Simulator::run() {
    click(Event::Start);
    for (;;) {
        if (!on(Control::btnpass) && dealsStarted >= opt.deals) break;
        Event e;
        if (on(Control::btnpass))
            e = choose();
        else if (on(Control::btnnew))
            e = Event::Deal;
        else
            e = Event::NewGame;
        click(e);
        if (!opt.trace) idle(200 + static_cast<int>(policy.next() % 1800));
    }
    endMatch();
}

Event Simulator::choose() {
    if (opt.trace) {
        const char letter = opt.script[scriptPos++ % opt.script.size()];
        if (letter == 'F') return Event::Fold;
        if (letter == 'R' && on(Control::btnbet)) return Event::Raise;
        return Event::Call;
    }
    switch (opt.human) {
    case Human::Caller:
        return Event::Call;
    case Human::Raiser:
        // Raise is refused without a word below kMinRaiseCash; he calls instead.
        return on(Control::btnbet) && t().seats[player].cash >= kMinRaiseCash ? Event::Raise
                                                                              : Event::Call;
    case Human::Folder:
        return ui.text(Control::btnstay) == "Call" ? Event::Fold : Event::Call;
    case Human::Random:
        break;
    }
    const std::uint32_t r = policy.next() % 100;
    if (on(Control::btnbet) && r < 20) return Event::Raise;
    return r < 92 ? Event::Call : Event::Fold;
}

void Simulator::click(Event e) {
    last = e;
    ++clicks;
    ui.clearLog();
    checker.before(*game);
    const bool decidedBefore = t().decided;
    const std::array<std::int32_t, kSeats> cashBefore{t().seats[0].cash, t().seats[1].cash,
                                                      t().seats[2].cash, t().seats[3].cash,
                                                      t().seats[4].cash};
    try {
        if (e == Event::Start)
            game->startup();
        else
            game->click(kEventControl[static_cast<int>(e)]);
    } catch (const std::exception& ex) {
        throw Failure{std::string("the handler failed: ") + ex.what()};
    }

    // Which deals started: start-up's, every "Deal" that dealt, every "New Game".
    const bool dealt = on(Control::btnpass);
    if (e == Event::Start || e == Event::NewGame || (e == Event::Deal && dealt)) {
        ++dealsStarted;
        clicksThisDeal = 0;
    }
    if (e == Event::Start || (e == Event::NewGame && dealt)) {
        if (e == Event::NewGame) {
            // The match just replaced ends here; its result is what the
            // seats held before the new cash was handed out.
            for (SeatId s : kAllSeats) net[s] += cashBefore[s] - matchStart[s];
        }
        ++matchesStarted;
        matchOver = false;
        // A match starts from the initial cash, before its first ante.
        for (SeatId s : kAllSeats) matchStart[s] = t().initialcash;
    }
    if (++clicksThisDeal > kMaxClicksPerDeal)
        throw Failure{"the deal has not ended after " + std::to_string(kMaxClicksPerDeal) +
                      " clicks"};

    check(e, decidedBefore);
    if (opt.trace || opt.log) traceLine(e);
    if (opt.trace) tickRounds();
}

// Trace mode's timers: `ticks` rounds in which each timer enabled at its turn
// ticks once, in the order randomwink, winkanim, wintimer, at no particular
// time. One line per tick; the invariants are checked around each.
void Simulator::tickRounds() {
    for (int round = 0; round < opt.ticks; ++round) {
        for (Timer which : {Timer::randomwink, Timer::winkanim, Timer::wintimer}) {
            if (!ui.isTimerEnabled(which)) continue;
            ui.clearLog();
            checker.before(*game);
            ui.ticked(which);
            try {
                game->tick(which);
            } catch (const std::exception& ex) {
                throw Failure{std::string("the timer failed: ") + ex.what()};
            }
            const std::string broken = checker.after(*game, ui, false);
            if (!broken.empty()) throw Failure{broken};
            if (checker.showdownNow) throw Failure{"a timer ran a showdown"};
            tickLine(which);
        }
    }
}

void Simulator::check(Event e, bool decidedBefore) {
    const TableState& s = t();

    bool gameOver = false;
    for (const auto& box : ui.boxes) {
        if (box.caption != "Game over") continue;
        gameOver = true;
        if (e == Event::Deal && box.text == "You lose!")
            ++youLose;
        else if (e == Event::Deal && box.text == "You win!")
            ++youWin;
    }
    if (gameOver) {
        if (e != Event::Deal) ++targetReached;
        matchOver = true;
    }

    // What holds after any event, for the monkey test just as well.
    const std::string broken = checker.after(*game, ui, e == Event::Start || e == Event::NewGame);
    if (!broken.empty()) throw Failure{broken};
    if (checker.showdownNow) ++showdowns;
    lostRemainders += checker.remainder;
    if (!decidedBefore && s.decided && e != Event::Deal && e != Event::NewGame) ++foldwins;
    if (checker.showdownNow && s.decided)
        throw Failure{"a deal was decided by foldwin and a showdown"};

    // Buttons: while a deal is on the human can always call or fold and
    // cannot deal; once it is over only "Deal" works, or nothing at match end.
    if (game->dealdecided()) {
        if (on(Control::btnnew) == matchOver)
            throw Failure{matchOver ? "\"Deal\" is enabled after the match ended"
                                    : "\"Deal\" is not enabled after the deal ended"};
    } else if (!matchOver) {
        if (on(Control::btnnew)) throw Failure{"\"Deal\" is enabled in the middle of a deal"};
        if (!on(Control::btnstay) || !on(Control::btnpass))
            throw Failure{"the human cannot call or fold in the middle of a deal"};
    }
}

void Simulator::idle(int ms) {
    const std::int64_t end = ui.elapsedMs + ms;
    for (;;) {
        int next = -1;
        std::int64_t due = end + 1;
        for (int k = 0; k < 3; ++k) {
            const Timer timer = static_cast<Timer>(k);
            const std::int64_t at = ui.dueAt(timer);
            if (ui.isTimerEnabled(timer) && at <= end && at < due) {
                due = at;
                next = k;
            }
        }
        if (next < 0) break;
        ui.elapsedMs = due;
        const Timer which = static_cast<Timer>(next);
        ui.ticked(which);
        game->tick(which);
    }
    ui.elapsedMs = end;
}

void Simulator::traceLine(Event e) {
    const TableState& s = t();
    std::ostringstream line;
    line << eventName(e) << " street=" << s.street << " pot=" << s.pot << " tocall=" << s.tocall
         << " cash=";
    for (SeatId seat : kAllSeats) line << (seat ? "," : "") << s.seats[seat].cash;
    line << " folded=";
    for (SeatId seat : kAllSeats) line << (s.seats[seat].folded ? '1' : '0');
    line << " raised=";
    for (SeatId seat : kOpponents) line << (s.seats[seat].raised ? '1' : '0');
    line << " opener=" << s.opener << " folds=" << s.folds << " enabled=";
    line << (on(Control::btnnew) ? 'D' : '-') << (on(Control::btnstay) ? 'C' : '-')
         << (on(Control::btnbet) ? 'R' : '-') << (on(Control::btnpass) ? 'F' : '-');
    line << " captions=" << ui.text(Control::btnstay) << '/' << ui.text(Control::btnbet);
    line << " status=";
    for (SeatId seat : kAllSeats) line << (seat ? "|" : "") << ui.text(kSeatInfo[seat].statusLabel);
    line << " sounds=";
    if (ui.sounds.empty()) line << '-';
    for (std::size_t i = 0; i < ui.sounds.size(); ++i) line << (i ? "," : "") << ui.sounds[i];
    line << " boxes=";
    if (ui.boxes.empty()) line << '-';
    for (std::size_t i = 0; i < ui.boxes.size(); ++i) line << (i ? ";" : "") << ui.boxes[i].text;
    out << line.str() << '\n';
}

void Simulator::tickLine(Timer which) {
    static constexpr const char* timers[] = {"randomwink", "winkanim", "wintimer"};
    static constexpr char sets[] = {'c', 'p', 'k'}; // cards, players, coins
    std::ostringstream line;
    line << "tick " << timers[static_cast<int>(which)] << " on=";
    for (Timer t : {Timer::randomwink, Timer::winkanim, Timer::wintimer})
        line << (ui.isTimerEnabled(t) ? "RWT"[static_cast<int>(t)] : '-');
    line << " interval=" << ui.timerInterval(which);
    line << " draws=";
    if (ui.draws.empty()) line << '-';
    for (std::size_t i = 0; i < ui.draws.size(); ++i) {
        const FakeServices::Draw& d = ui.draws[i];
        line << (i ? ";" : "");
        switch (d.op) {
        case FakeServices::Op::Image:
            line << sets[static_cast<int>(d.set)] << d.index << '@' << d.x << ',' << d.y;
            break;
        case FakeServices::Op::FillRect:
            line << "fill" << d.index << '@' << d.x << ',' << d.y << ',' << d.right << ','
                 << d.bottom;
            break;
        case FakeServices::Op::Pixel:
            line << "pixel" << d.index << '@' << d.x << ',' << d.y;
            break;
        case FakeServices::Op::Brush:
            line << "brush:" << d.file;
            break;
        }
    }
    line << " repaints=";
    if (ui.controlRepaints.empty()) line << '-';
    for (std::size_t i = 0; i < ui.controlRepaints.size(); ++i)
        line << (i ? "," : "") << static_cast<int>(ui.controlRepaints[i]);
    line << " window=" << ui.windowRepaints;
    line << " sounds=";
    if (ui.sounds.empty()) line << '-';
    for (std::size_t i = 0; i < ui.sounds.size(); ++i) line << (i ? "," : "") << ui.sounds[i];
    out << line.str() << '\n';
}

void Simulator::summary(std::ostream& os, double seconds) const {
    static constexpr const char* names[kSeats] = {"player", "freak", "geek", "master", "champ"};
    static constexpr const char* humans[] = {"random", "caller", "raiser", "folder"};
    os << "level " << opt.level << ", human " << humans[static_cast<int>(opt.human)] << ", seed "
       << opt.seed << '\n';
    os << "deals         " << dealsStarted << '\n';
    os << "showdowns     " << showdowns << '\n';
    os << "foldwins      " << foldwins << '\n';
    os << "matches       " << matchesStarted << " (ended: you lose " << youLose << ", you win "
       << youWin << ", target reached " << targetReached << ")\n";
    os << "net           ";
    for (SeatId s : kAllSeats) os << (s ? "  " : "") << names[s] << ' ' << std::showpos << net[s];
    os << std::noshowpos << '\n';
    os << "split losses  " << lostRemainders << '\n';
    os << "clicks        " << clicks << '\n';
    os << "deals/second  " << std::fixed << std::setprecision(1)
       << (seconds > 0 ? static_cast<double>(dealsStarted) / seconds : 0.0) << '\n';
}

} // namespace

int simulate(const Options& options, std::ostream& out, std::ostream& err) {
    Simulator sim(options, out);
    const auto begin = std::chrono::steady_clock::now();
    try {
        sim.run();
    } catch (const Failure& f) {
        out.flush();
        err << "studsim: deal " << sim.currentDeal() << ", after " << sim.lastEvent()
            << ": invariant broken: " << f.what << std::endl;
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
    if (!options.trace) sim.summary(out, took.count());
    return 0;
}

} // namespace studsim
