#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace studsim {

// How the scripted human plays while a deal is on.
enum class Human {
    Random, // mostly calls, sometimes raises, now and then folds
    Caller, // always checks or calls
    Raiser, // raises whenever Raise is enabled, else calls
    Folder, // checks when nothing is to be called, folds to any bet
};

struct Options {
    long long deals = 1000;
    int level = 200;
    Human human = Human::Random;
    std::uint64_t seed = 1; // xoshiro generator and the simulated clock
    bool splitmix = false;  // the replayable generator of trace mode
    std::uint64_t splitmixState = 0;
    bool trace = false;
    bool log = false;   // the trace lines in any mode, to look into a failure
    std::string script; // trace mode: R, C and F letters, cycled
    int ticks = 0;      // trace mode: rounds of timer ticks after every click
    std::optional<std::int32_t> initial, until;
    std::string history; // a history file to record every finished deal in, or none
};

// Plays whole deals with the real engine and checks the game's invariants
// after every click. Returns the process exit status: 0 when every
// invariant held, 1 (after a line on `err` naming the deal) when one broke.
int simulate(const Options& options, std::ostream& out, std::ostream& err);

} // namespace studsim
