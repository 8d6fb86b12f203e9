#include "cards/random.h"

#include <algorithm>
#include <bit>

namespace stud {

namespace {

// The state update is a chain of exclusive ors that no draw can skip, so it
// runs alone over a block, keeping the word that each draw scrambles; the
// scrambling then takes the block at once. With BMI2 (in the AVX2 clone) the
// rotations and shifts need no copies. AVX-512 (the v4 clone) rotates a
// vector in one instruction instead of two shifts and an or, and narrows
// the words to draws in one shuffle: the scrambling then costs next to
// nothing beside the state update.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
[[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]]
#endif
void fillBlocks(std::uint64_t* s, std::uint32_t* out, std::size_t n) {
    constexpr std::size_t kBlock = 64;
    std::uint64_t words[kBlock];
    std::uint64_t s0 = s[0], s1 = s[1], s2 = s[2], s3 = s[3];
    while (n > 0) {
        const std::size_t m = std::min(n, kBlock);
#pragma GCC unroll 4
        for (std::size_t i = 0; i < m; ++i) {
            words[i] = s1;
            const std::uint64_t t = s1 << 17;
            s2 ^= s0;
            s3 ^= s1;
            s1 ^= s2;
            s0 ^= s3;
            s2 ^= t;
            s3 = std::rotl(s3, 45);
        }
        for (std::size_t i = 0; i < m; ++i)
            out[i] = static_cast<std::uint32_t>(std::rotl(words[i] * 5, 7) * 9 >> 33);
        out += m;
        n -= m;
    }
    s[0] = s0;
    s[1] = s1;
    s[2] = s2;
    s[3] = s3;
}

} // namespace

// The draws are exactly those of calling next() n times.
void Xoshiro::fill(std::uint32_t* out, std::size_t n) {
    fillBlocks(s_, out, n);
}

void Xoshiro::seed(std::uint64_t value) {
    // SplitMix64 spreads one 64-bit seed over the four words of state, which
    // can then never be all zero.
    std::uint64_t x = value;
    for (auto& word : s_) word = splitmix64(x);
}

} // namespace stud
