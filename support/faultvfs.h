#pragma once

// An SQLite file layer over the system's own, made the default for the
// process: it counts the syncs that reach the disk and can refuse writes as
// a full disk does, for the history's tests and benchmarks.

#include <atomic>
#include <cstdint>

namespace stud::testing {

struct FaultVfs {
    std::atomic<long long> syncs{0};
    // Bytes that may still be written; below zero, any number.
    std::atomic<long long> budget{-1};

    // Registers it as the default once; later calls return the same one.
    static FaultVfs& install();
};

} // namespace stud::testing
