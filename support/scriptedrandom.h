#pragma once

// Generators for tests: a constant and a script of values.

#include "cards/random.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace stud {

// Always the same value: every shuffle exchange is then a card with itself.
class ConstantRandom final : public Random {
  public:
    explicit ConstantRandom(std::uint32_t value = 0) : value_(value) {}
    std::uint32_t next() override {
        ++draws;
        return value_;
    }
    void seed(std::uint64_t) override {}
    std::uint64_t draws = 0;

  private:
    std::uint32_t value_;
};

// Plays back a script of values, cycling when it runs out (or falling back to
// a default once `values` is exhausted when `cycle` is false). For tests.
class ScriptedRandom final : public Random {
  public:
    explicit ScriptedRandom(std::vector<std::uint32_t> values, bool cycle = true,
                            std::uint32_t fallback = 0)
        : values_(std::move(values)), cycle_(cycle), fallback_(fallback) {}
    std::uint32_t next() override {
        ++draws;
        if (pos_ < values_.size()) return values_[pos_++];
        if (cycle_ && !values_.empty()) {
            pos_ = 1;
            return values_[0];
        }
        return fallback_;
    }
    void seed(std::uint64_t) override { ++seeds; }
    // Queue more values after those not yet drawn.
    void push(std::uint32_t v) { values_.push_back(v); }
    std::uint64_t draws = 0;
    int seeds = 0;

  private:
    std::vector<std::uint32_t> values_;
    std::size_t pos_ = 0;
    bool cycle_;
    std::uint32_t fallback_;
};

} // namespace stud
