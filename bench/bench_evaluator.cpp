// Cost of ranking one seven-card hand. The opponents' estimate ranks
// thousands of random hands per decision, so the interesting figure is the
// time per hand on random hands the branch predictor cannot learn.
#include "showdown/evaluator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

using namespace stud;

namespace {

constexpr std::size_t kHands = 1'000'000;

struct Data {
    std::vector<Hand> hands;
    std::vector<std::uint32_t> order; // a random permutation of the hands
};

// Seven distinct cards from a shuffled deck, in random slot order.
const Data& data() {
    static const Data d = [] {
        Data out;
        std::mt19937_64 rng(12345);
        std::array<int, 52> deck{};
        std::iota(deck.begin(), deck.end(), 0);
        out.hands.resize(kHands);
        for (Hand& h : out.hands) {
            for (int i = 0; i < 7; ++i) {
                std::uniform_int_distribution<int> pick(i, 51);
                std::swap(deck[i], deck[pick(rng)]);
                h[i] = Card{deck[i] / 13, deck[i] % 13};
            }
        }
        out.order.resize(kHands);
        std::iota(out.order.begin(), out.order.end(), 0u);
        std::shuffle(out.order.begin(), out.order.end(), rng);
        return out;
    }();
    return d;
}

// A million hands visited in random order. The hands fill 56 MB, so every
// visit would wait on main memory; the hand a few visits ahead is fetched
// early so that the figure is the evaluator's own cost, as in the game,
// where the hand sits in the hot scratch record.
void BM_EvaluateRandomHands(benchmark::State& state) {
    const Data& d = data();
    constexpr std::size_t ahead = 16;
    std::size_t i = 0;
    for (auto _ : state) {
        __builtin_prefetch(&d.hands[d.order[(i + ahead) % kHands]]);
        benchmark::DoNotOptimize(evaluate(d.hands[d.order[i]]));
        if (++i == kHands) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("time is per hand");
}
BENCHMARK(BM_EvaluateRandomHands);

// The same visits without fetching ahead: what a cold hand costs.
void BM_EvaluateRandomHandsFromMemory(benchmark::State& state) {
    const Data& d = data();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(d.hands[d.order[i]]));
        if (++i == kHands) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("time is per hand");
}
BENCHMARK(BM_EvaluateRandomHandsFromMemory);

// Through the table state, the way the showdown and the estimate call it.
void BM_EvalhandScratch(benchmark::State& state) {
    const Data& d = data();
    TableState t;
    std::size_t i = 0;
    for (auto _ : state) {
        t.scratchhand = d.hands[d.order[i & 4095]];
        evalhand(t);
        benchmark::DoNotOptimize(t.handscore);
        benchmark::DoNotOptimize(t.kickscore);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("time is per hand");
}
BENCHMARK(BM_EvalhandScratch);

} // namespace
