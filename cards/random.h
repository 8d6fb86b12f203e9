#pragma once

#include <cstddef>
#include <cstdint>

namespace stud {

// The game's one source of chance. Every draw is a non-negative integer below
// 2^31 that the caller takes modulo its own n; the number and the order of
// the draws are part of the game's behaviour.
class Random {
  public:
    virtual ~Random() = default;
    virtual std::uint32_t next() = 0;
    // Fill out[0..n) with the next n draws, in order. Generators override it
    // to save a virtual call per draw in the opponents' simulation.
    virtual void fill(std::uint32_t* out, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) out[i] = next();
    }
    // Reseed from the clock (start-up and New Game).
    virtual void seed(std::uint64_t value) = 0;
};

// One step of SplitMix64: moves `state` on and returns its mixed 64 bits.
// Xoshiro's seeding and the SplitMix generator both walk it.
constexpr std::uint64_t splitmix64(std::uint64_t& state) noexcept {
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// xoshiro256** seeded through SplitMix64: the game's default generator.
class Xoshiro final : public Random {
  public:
    explicit Xoshiro(std::uint64_t seedValue = 0) { seed(seedValue); }
    std::uint32_t next() override { return static_cast<std::uint32_t>(step() >> 33); }
    void fill(std::uint32_t* out, std::size_t n) override; // the same draws, in blocks
    void seed(std::uint64_t value) override;

    std::uint64_t step() {
        const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }

  private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4]{};
};

// SplitMix64 returning its top 31 bits: the replayable generator of the
// simulator's trace mode. With fixedSeed set, reseeding from the clock does
// nothing, so a run depends on the starting state alone.
class SplitMix final : public Random {
  public:
    explicit SplitMix(std::uint64_t state, bool fixedSeed = true)
        : state_(state), fixed_(fixedSeed) {}
    std::uint32_t next() override { return static_cast<std::uint32_t>(splitmix64(state_) >> 33); }
    void fill(std::uint32_t* out, std::size_t n) override {
        for (std::size_t i = 0; i < n; ++i) out[i] = SplitMix::next();
    }
    void seed(std::uint64_t value) override {
        if (!fixed_) state_ = value;
    }

  private:
    std::uint64_t state_;
    bool fixed_;
};

} // namespace stud
