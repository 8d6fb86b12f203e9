// Cost of one deal's shuffle: 20001 exchanges, two draws each, then the
// five seven-card slices. It runs inside the Deal button's handler.
#include "cards/random.h"
#include "table/deck.h"

#include <benchmark/benchmark.h>

using namespace stud;

namespace {

void BM_Shuffle(benchmark::State& state) {
    TableState t;
    builddecks(t);
    Xoshiro rng(2024);
    for (auto _ : state) {
        shuffle(t, rng);
        benchmark::DoNotOptimize(t.seats[player].hand);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("time is per shuffle and deal");
}
BENCHMARK(BM_Shuffle)->Unit(benchmark::kMicrosecond);

// The replayable generator of the simulator, for comparison.
void BM_ShuffleSplitMix(benchmark::State& state) {
    TableState t;
    builddecks(t);
    SplitMix rng(2024);
    for (auto _ : state) {
        shuffle(t, rng);
        benchmark::DoNotOptimize(t.seats[player].hand);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShuffleSplitMix)->Unit(benchmark::kMicrosecond);

} // namespace
