#!/usr/bin/env bash
# Builds the core, the tools and the widget tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (halting at the first report) and runs them.
# The long soak runs stay in the Release suite.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTUD_SANITIZE=ON \
    -DSTUD_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0

cd "$build"
# Left out: the asset generator's full rerun, which renders every image and
# sound in a child process and is far too slow under the sanitizers. The
# random generators' known-output tests are cheap and do run.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -LE soak \
    -E '^Generator\.RewritesTheCommittedFilesExactly$'
