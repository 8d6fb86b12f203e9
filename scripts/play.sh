#!/usr/bin/env bash
# Plays Seven Stud from the source tree: installs what the build needs when
# something is missing, builds the game (Release, in build/) and starts it in
# assets/data, the folder that holds the table picture and the sounds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

needed=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
        libqt6multimedia6 libjpeg62-turbo-dev libsqlite3-dev libgtest-dev libbenchmark-dev fonts-dejavu-core)
missing=0
for pkg in "${needed[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing=1
        break
    fi
done
if [ "$missing" -eq 1 ]; then
    echo "Installing what Seven Stud needs..."
    bash "$root/scripts/setup-debian.sh"
fi

if [ ! -f "$root/build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$root/build" --target sevenstud

cd "$root/assets/data"
exec "$root/build/ui/sevenstud" "$@"
