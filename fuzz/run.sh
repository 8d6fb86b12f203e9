#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time from its
# committed seed corpus (copied, so the committed seeds stay as they are).
#   fuzz/run.sh [seconds-per-target]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DSTUD_FUZZ=ON \
    -DSTUD_BUILD_UI=OFF -DSTUD_BUILD_TESTS=OFF -DSTUD_BUILD_BENCH=OFF -DSTUD_BUILD_TOOLS=OFF >/dev/null
cmake --build $build --target fuzz_ini fuzz_jpeg fuzz_handeval -j"$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in ini jpeg handeval; do
    mkdir -p "$work/$target" "$work/$target-artifacts"
    cp fuzz/corpus/$target/* "$work/$target/"
    echo "== fuzz_$target for ${seconds}s"
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target-artifacts/" "$work/$target" 2>"$work/$target.log"; then
        status=1
        tail -n 60 "$work/$target.log"
        echo "fuzz_$target found a fault; the input is kept in fuzz/crashes/"
        mkdir -p fuzz/crashes && cp "$work/$target-artifacts/"* fuzz/crashes/ 2>/dev/null || true
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$target.log" || true
    fi
done
exit $status
