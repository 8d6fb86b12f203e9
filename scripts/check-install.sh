#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks it as a desktop program:
# the installed tree, the Debian package and its dependencies, and the
# installed game starting under Xvfb through its launcher, showing the table.
#   scripts/check-install.sh [build-dir]     (STUD_INSTALL_DEB=1 also apt-installs the package)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "check-install: $*" >&2; exit 1; }

echo "== install into $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/sevenstud libexec/sevenstud/sevenstud share/sevenstud/kaveltable.bmp \
         share/sevenstud/card1.wav share/sevenstud/card2.wav share/sevenstud/chip1.wav \
         share/sevenstud/chip3.wav share/sevenstud/chip4.wav \
         share/applications/sevenstud.desktop share/doc/sevenstud/copyright; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
for n in 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${n}x${n}/apps/sevenstud.png
    [ -f "$icon" ] || fail "missing icon ${n}x${n}"
    size=$(identify -format '%wx%h' "$icon")
    [ "$size" = "${n}x${n}" ] || fail "icon ${n}x${n} is $size"
done
[ -x "$prefix/bin/sevenstud" ] || fail "launcher not executable"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/sevenstud.desktop"
fi
(cd "$prefix" && find . -type f | sort)

echo "== Debian package"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/sevenstud_*.deb | head -n 1)
[ -f "$deb" ] || fail "no package built"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6multimedia6 libjpeg62-turbo libpulse0 qt6-qpa-plugins; do
    grep -q "$need" <<<"$depends" || fail "package does not depend on $need"
done
dpkg-deb -c "$deb" | grep './usr/share/applications/sevenstud.desktop' >/dev/null || fail "desktop entry not packaged"

# Start a launcher under Xvfb from an unrelated folder; the window must show
# the table (not a black screen) within a few seconds.
run_launcher() {
    local launcher=$1 shot=$work/shot-$2.png
    mkdir -p "$work/home-$2" "$work/elsewhere"
    (
        cd "$work/elsewhere"
        HOME=$work/home-$2 XDG_CONFIG_HOME=$work/home-$2/.config QT_QPA_PLATFORM=xcb \
            xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
                "$1" & pid=$!
                for i in $(seq 1 20); do
                    sleep 0.5
                    import -window root "$2" 2>/dev/null || continue
                    lit=$(convert "$2" -fill white +opaque black -format "%[fx:mean]" info:)
                    if awk "BEGIN{exit !($lit > 0.30)}"; then kill $pid; exit 0; fi
                done
                kill $pid 2>/dev/null; exit 1' _ "$launcher" "$shot"
    ) || fail "$launcher did not show the table within 10 seconds"
    echo "$launcher shows the table ($shot)"
    [ -f "$work/home-$2/.config/sevenstud/tarvo.ini" ] || fail "settings file not created in the user's config"
}
echo "== start the installed game"
run_launcher "$prefix/bin/sevenstud" prefix

if [ "${STUD_INSTALL_DEB:-0}" = 1 ]; then
    echo "== apt-get install the package"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
    run_launcher /usr/bin/sevenstud deb
fi
echo "check-install: all good"
