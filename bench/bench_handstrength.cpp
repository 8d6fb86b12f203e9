// One opponent estimate at each level, from the second street (three cards
// to deal per trial) with the game's own generator.

#include "betting/decisions.h"
#include "table/deck.h"

#include <benchmark/benchmark.h>

namespace {

using namespace stud;

void BM_Handstrength(benchmark::State& state) {
    Xoshiro rng(2024);
    TableState t;
    builddecks(t);
    shuffle(t, rng);
    t.complevel = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        const Estimate e = handstrength(t.seats[freak].hand, 2, t.complevel, 0, t.simdeck, rng);
        benchmark::DoNotOptimize(e.strength);
    }
    const double trials = static_cast<double>(t.complevel + 1);
    state.counters["trials"] = trials;
    state.counters["ns/trial"] =
        benchmark::Counter(trials * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Handstrength)->Arg(200)->Arg(400)->Arg(600)->Arg(900)->Unit(benchmark::kMicrosecond);

} // namespace
