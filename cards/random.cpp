#include "cards/random.h"

namespace stud {

void Xoshiro::seed(std::uint64_t value) {
    // SplitMix64 spreads one 64-bit seed over the four words of state, which
    // can then never be all zero.
    std::uint64_t x = value;
    for (auto& word : s_) {
        x += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = x;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        word = z ^ (z >> 31);
    }
}

} // namespace stud
