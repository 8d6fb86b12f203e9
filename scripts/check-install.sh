#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks it as a desktop program:
# the installed tree, its menu and software-centre entries, the Debian package
# (built as the README says) with lintian, and the installed game started the
# way a desktop starts it, through its menu entry with `gio launch`, under
# Xvfb; then natively under Wayland and under a real window manager.
#   scripts/check-install.sh [build-dir]     (STUD_INSTALL_DEB=1 also apt-installs the package)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
appid=org.example.sevenstud
fail() { echo "check-install: $*" >&2; exit 1; }

echo "== install into $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/sevenstud libexec/sevenstud/sevenstud share/sevenstud/kaveltable.bmp \
         share/sevenstud/kaveltable@2x.bmp share/sevenstud/kaveltable@4x.png \
         share/sevenstud/card1.wav share/sevenstud/card2.wav share/sevenstud/chip1.wav \
         share/sevenstud/chip3.wav share/sevenstud/chip4.wav \
         share/applications/$appid.desktop share/metainfo/$appid.metainfo.xml \
         share/man/man6/sevenstud.6.gz share/doc/sevenstud/copyright \
         share/doc/sevenstud/changelog.Debian.gz; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
for n in 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${n}x${n}/apps/sevenstud.png
    [ -f "$icon" ] || fail "missing icon ${n}x${n}"
    size=$(identify -format '%wx%h' "$icon")
    [ "$size" = "${n}x${n}" ] || fail "icon ${n}x${n} is $size"
done
[ -x "$prefix/bin/sevenstud" ] || fail "launcher not executable"
(cd "$prefix" && find . -type f | sort)

echo "== menu entry, software-centre entry, manual page"
desktop=$prefix/share/applications/$appid.desktop
desktop-file-validate "$desktop"
grep -qx 'Exec=sevenstud' "$desktop" || fail "the menu entry does not run sevenstud from PATH"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$appid.metainfo.xml"
# The tree as a whole: the metainfo together with the menu entry it launches.
appstreamcli validate-tree --no-net --pedantic "$prefix"
# Its screenshots are the ones in docs/, published under the same names.
for shot in $(sed -n 's:.*<image[^>]*>.*/\([^/<]*\)</image>.*:\1:p' \
        "$prefix/share/metainfo/$appid.metainfo.xml"); do
    [ -f "$here/../docs/$shot" ] || fail "metainfo shows $shot, which docs/ does not hold"
done
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$prefix/share/metainfo/$appid.metainfo.xml")
[ "$id" = "$appid" ] || fail "metainfo id '$id' does not match the menu entry's name $appid"
grep -q "<launchable type=\"desktop-id\">$appid.desktop</launchable>" \
    "$prefix/share/metainfo/$appid.metainfo.xml" || fail "metainfo does not launch $appid.desktop"
warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/man6/sevenstud.6.gz" 2>&1 >/dev/null || true)
[ -z "$warnings" ] || fail "manual page: $warnings"

echo "== command line, with no display at all"
cmdline() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
out=$(cmdline "$prefix/bin/sevenstud" --version) || fail "--version failed"
[ "$out" = "Seven Stud 1.0.0" ] || fail "--version says '$out'"
out=$(cmdline "$prefix/bin/sevenstud" --help) || fail "--help failed"
grep -q '^Usage: sevenstud' <<<"$out" || fail "--help shows no usage"
grep -q 'tarvo.ini' <<<"$out" || fail "--help does not say where the settings file is"
rc=0; err=$(cmdline "$prefix/bin/sevenstud" --no-such-option 2>&1 >/dev/null) || rc=$?
[ "$rc" = 2 ] || fail "an unknown option exits $rc, not 2"
grep -q "unknown option '--no-such-option'" <<<"$err" || fail "unknown option message: $err"
echo "--help, --version and an unknown option answer without a display"

echo "== Debian package, built as the README says"
rm -f "$build"/sevenstud_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/sevenstud_*.deb | head -n 1)
[ -f "$deb" ] || fail "no package built"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6multimedia6 libjpeg62-turbo libpulse0 qt6-qpa-plugins; do
    grep -q "$need" <<<"$depends" || fail "package does not depend on $need"
done
grep -q qt6-wayland <<<"$(dpkg-deb -f "$deb" Depends Recommends)" ||
    fail "package neither depends on nor recommends qt6-wayland"
contents=$(dpkg-deb -c "$deb")
for f in ./usr/games/sevenstud ./usr/share/sevenstud/kaveltable@4x.png \
         ./usr/share/applications/$appid.desktop \
         ./usr/share/metainfo/$appid.metainfo.xml ./usr/share/man/man6/sevenstud.6.gz \
         ./usr/share/doc/sevenstud/changelog.Debian.gz; do
    grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
! grep -q ' ./usr/bin/' <<<"$contents" || fail "package installs into /usr/bin, not /usr/games"
mkdir "$work/deb" && dpkg-deb -x "$deb" "$work/deb"
appstreamcli validate-tree --no-net --pedantic "$work/deb"
desktop-file-validate "$work/deb/usr/share/applications/$appid.desktop"
echo "== lintian"
lintian --fail-on error,warning --display-info --show-overrides "$deb" 2>&1 |
    grep -v '^running with root privileges' || true
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian reports errors or warnings"

# Starts the game through a menu entry with GLib's launcher, as a desktop
# does, from an unrelated folder with the given PATH; the window must show the
# table (not a black screen) within a few seconds, from the expected program.
gio_launch() {
    local entry=$1 path=$2 expect=$3 name=$4 shot=$work/shot-$4.png
    mkdir -p "$work/home-$name" "$work/elsewhere"
    (
        cd "$work/elsewhere"
        PATH=$path HOME=$work/home-$name XDG_CONFIG_HOME=$work/home-$name/.config \
            QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
                gio launch "$1" || exit 3
                win=$(timeout 10 xdotool search --sync --onlyvisible --classname "^sevenstud\$" | head -n 1)
                [ -n "$win" ] || exit 4
                pid=$(xdotool getwindowpid "$win")
                exe=$(readlink -f /proc/$pid/exe)
                [ "$exe" = "$3" ] || { echo "started $exe" >&2; kill "$pid"; exit 5; }
                for i in $(seq 1 20); do
                    sleep 0.5
                    import -window root "$2" 2>/dev/null || continue
                    lit=$(convert "$2" -fill white +opaque black -format "%[fx:mean]" info:)
                    if awk "BEGIN{exit !($lit > 0.30)}"; then
                        kill -TERM "$pid"   # the game closes its window on SIGTERM
                        for j in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || exit 0; sleep 0.25; done
                        exit 6
                    fi
                done
                kill "$pid" 2>/dev/null; exit 1' _ "$entry" "$shot" "$expect"
    ) || fail "gio launch $entry did not show the table of $expect within 10 seconds (status $?)"
    echo "gio launch $entry: $expect shows the table ($shot)"
    [ -f "$work/home-$name/.config/sevenstud/tarvo.ini" ] || fail "settings file not created in the user's config"
}

echo "== start the installed tree through its menu entry (its bin folder first on PATH)"
gio_launch "$desktop" "$prefix/bin:$PATH" "$prefix/libexec/sevenstud/sevenstud" prefix
installed=$prefix/bin/sevenstud

if [ "${STUD_INSTALL_DEB:-0}" = 1 ]; then
    echo "== apt-get install the package"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
    [ -x /usr/games/sevenstud ] || fail "/usr/games/sevenstud not installed"
    # A user's PATH on Debian (root's lacks /usr/games).
    gio_launch /usr/share/applications/$appid.desktop \
        /usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
        /usr/libexec/sevenstud/sevenstud deb
    installed=/usr/games/sevenstud
fi

echo "== natively under Wayland (headless weston): $installed"
bash "$here/check-wayland.sh" "$installed"
echo "== under a window manager (openbox): $installed"
bash "$here/check-wm.sh" "$installed"
echo "check-install: all good"
