// The worst click the human can make: four answers and four turns, each with
// an estimate at the "Genius" level. That is 8 x 901 trials, 1,456,016 draws
// taken modulo 52 and 50,456 hand evaluations. Beside it, the floor: the same
// draws, from the game's own generator, and evaluations in a bare loop, so
// the figure says how much the game adds on top of the unavoidable work.

#include "betting/decisions.h"
#include "cards/evaluator.h"
#include "cards/random.h"
#include "game/game.h"
#include "history/recorder.h"
#include "support/fakeservices.h"
#include "support/gamesteps.h"
#include "table/deck.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>

namespace {

using namespace stud;

constexpr int kEstimates = 8;
constexpr std::int32_t kGenius = 900;

// Forwards to the game's generator and counts the draws, so the real click
// can say how many estimates it made.
class CountingRandom final : public Random {
  public:
    std::uint32_t next() override {
        ++draws;
        return inner.next();
    }
    void fill(std::uint32_t* out, std::size_t n) override {
        draws += n;
        inner.fill(out, n);
    }
    void seed(std::uint64_t v) override { inner.seed(v); }
    Xoshiro inner{99};
    std::uint64_t draws = 0;
};

struct Table {
    // A window that keeps nothing of what the game shows.
    testing::FakeServices ui{testing::FakeServices::Record::nothing};
    CountingRandom rng;
    IniFile ini{"/nonexistent/never-written.ini"};
    Game game{ui, rng, ini};
    GameSteps steps{game};
    TableState& t = steps.table();

    Table() {
        builddecks(t);
        shuffle(t, rng);
        t.complevel = kGenius;
    }
};

// Eight estimates in a row, as the eight decisions of one click make them.
void BM_WorstClickEstimates(benchmark::State& state) {
    Table table;
    TableState& t = table.t;
    t.street = 2;
    for (auto _ : state) {
        for (int k = 0; k < kEstimates; ++k) {
            const Estimate e = handstrength(t.seats[1 + k % 4].hand, t.street, t.complevel, 0,
                                            t.simdeck, table.rng);
            benchmark::DoNotOptimize(e.strength);
        }
    }
    state.counters["draws"] = kEstimates * (kGenius + 1) * 202.0;
    state.counters["evaluations"] = kEstimates * (kGenius + 1) * 7.0;
}
BENCHMARK(BM_WorstClickEstimates)->Unit(benchmark::kMillisecond);

// A real Raise on street 3 with champ opening: every opponent answers the
// human's bet and then takes its turn, through the game's own handlers.
// Finished deals go nowhere: the click's own cost of recording is what counts.
struct NoSink final : HistorySink {
    void dealfinished(const DealRecord&) override {}
    void matchended(MatchEnd, SeatId) override {}
};

// With range 1, the history's recorder listens to the click.
void BM_WorstClickRaise(benchmark::State& state) {
    Table table;
    TableState& t = table.t;
    NoSink sink;
    Recorder recorder(table.game, sink, [] { return std::int64_t{0}; });
    if (state.range(0)) {
        table.game.watch(&recorder);
        recorder.dealstarts();
    }
    table.rng.draws = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (SeatId s : kAllSeats) {
            t.seats[s].cash = 1000;
            t.seats[s].folded = false;
            t.seats[s].raised = false;
        }
        t.street = 3;
        t.opener = 1;
        t.folds = 0;
        t.decided = false;
        t.pot = 5;
        t.strength = 0;
        state.ResumeTiming();
        table.game.click(Control::btnbet);
        benchmark::DoNotOptimize(t.pot);
    }
    // Whole estimates per click (the few single draws of the decisions and
    // the card sound do not make up one).
    state.counters["estimates"] =
        benchmark::Counter(static_cast<double>(table.rng.draws / ((kGenius + 1) * 202)),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WorstClickRaise)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor: the game's generator drawn one number at a time (xoshiro256**,
// its calls resolved at compile time), and nothing but the shuffles and the
// evaluations of the same number of trials.
// Aligned to a cache line so that the floor does not move with the code
// linked before it: the same instructions 32 bytes further on measured 13 %
// slower on the development machine, which would have passed for a change
// in the game's own figures.
[[gnu::aligned(64)]] void BM_WorstClickFloor(benchmark::State& state) {
    TableState t;
    builddecks(t);
    Deck deck = t.deck;
    Xoshiro rng(1);
    std::uint32_t draws[202];
    for (auto _ : state) {
        std::int32_t sum = 0;
        for (int trial = 0; trial < kEstimates * (kGenius + 1); ++trial) {
            for (auto& d : draws) d = rng.next();
            for (auto& d : draws) d %= kDeckSize;
            for (int x = 0; x < 202; x += 2) std::swap(deck[draws[x]], deck[draws[x + 1]]);
            for (int k = 0; k < 7; ++k)
                sum += evaluate(std::span<const Card, kHandCards>(deck.data() + kHandCards * k,
                                                                  kHandCards))
                           .handscore;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_WorstClickFloor)->Unit(benchmark::kMillisecond);

} // namespace
