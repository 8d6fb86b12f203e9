#!/usr/bin/env bash
# Rebuilds the asset generator and rewrites assets/ and docs/art/ in place.
# Usage: tools/assetgen/regenerate.sh [build-dir]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build-assets}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" --target assetgen -j2
QT_QPA_PLATFORM=offscreen "$build/tools/assetgen/assetgen" --out "$root"
