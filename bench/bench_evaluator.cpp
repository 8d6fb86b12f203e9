// Cost of ranking one seven-card hand. The opponents' estimate ranks
// thousands of random hands per decision, so the figure that matters is the
// time per hand on random hands that the branch predictor cannot learn.
#include "cards/evaluator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <numeric>
#include <random>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

using namespace stud;

namespace {

constexpr std::size_t kHands = 1'000'000;
constexpr std::size_t kAhead = 64; // visits between fetching a hand and ranking it

// A million hands visited in random order are mostly a wait for main memory
// unless it is arranged with care: each hand gets a cache line of its own
// (64 MB in all, far more than the caches), the lines sit on 2 MB pages so
// that address translations stay cached, and the loop fetches the hand a
// good way ahead into the second-level cache. What is left is the
// evaluator's own cost.
struct alignas(64) Slot {
    Hand hand{};
};

class HandPool {
  public:
    explicit HandPool(std::size_t n) : n_(n) {
        constexpr std::size_t kHuge = std::size_t{2} << 20;
        const std::size_t bytes = (n * sizeof(Slot) + kHuge - 1) / kHuge * kHuge;
        void* p = std::aligned_alloc(kHuge, bytes);
        if (p == nullptr) throw std::bad_alloc();
#if defined(__linux__)
        madvise(p, bytes, MADV_HUGEPAGE); // only a hint: without it the figures are slower
#endif
        slots_ = static_cast<Slot*>(p);
        std::uninitialized_value_construct_n(slots_, n_);
    }
    ~HandPool() {
        std::free(slots_);
    }
    HandPool(const HandPool&) = delete;
    HandPool& operator=(const HandPool&) = delete;

    Hand& operator[](std::size_t i) {
        return slots_[i].hand;
    }
    const Hand& operator[](std::size_t i) const {
        return slots_[i].hand;
    }
    std::size_t size() const {
        return n_;
    }

  private:
    Slot* slots_ = nullptr;
    std::size_t n_ = 0;
};

// Seven distinct cards from a shuffled deck, in random slot order, and a
// random order to visit them in.
struct Data {
    HandPool hands{kHands};
    std::vector<std::uint32_t> order; // kHands + kAhead entries

    Data() {
        std::mt19937_64 rng(12345);
        std::array<int, 52> deck{};
        std::iota(deck.begin(), deck.end(), 0);
        for (std::size_t k = 0; k < hands.size(); ++k) {
            for (int i = 0; i < 7; ++i) {
                std::uniform_int_distribution<int> pick(i, 51);
                std::swap(deck[i], deck[pick(rng)]);
                hands[k][i] = Card{deck[i] / 13, deck[i] % 13};
            }
        }
        order.resize(hands.size());
        std::iota(order.begin(), order.end(), 0u);
        std::shuffle(order.begin(), order.end(), rng);
        // The visit order runs on past its end, so that fetching ahead
        // needs no wrap-around.
        order.insert(order.end(), order.begin(), order.begin() + kAhead);
    }
};

const Data& data() {
    static const Data d;
    return d;
}

// The speed target: a million random hands in random order, time per hand.
void BM_EvaluateRandomHands(benchmark::State& state) {
    const Data& d = data();
    std::size_t i = 0;
    for (auto _ : state) {
        __builtin_prefetch(&d.hands[d.order[i + kAhead]], 0, 1);
        benchmark::DoNotOptimize(evaluate(d.hands[d.order[i]]));
        if (++i == kHands) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("time is per hand");
}
BENCHMARK(BM_EvaluateRandomHands);

// The same hands without fetching ahead: how much of it is main memory.
void BM_EvaluateRandomHandsCold(benchmark::State& state) {
    const Data& d = data();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(d.hands[d.order[i]]));
        if (++i == kHands) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("time is per hand");
}
BENCHMARK(BM_EvaluateRandomHandsCold);

} // namespace
