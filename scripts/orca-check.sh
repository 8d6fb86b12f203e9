#!/usr/bin/env bash
# Plays the game by ear: starts a private X server, D-Bus session bus, AT-SPI
# bus and registry, the Orca screen reader with its debug log, and the game;
# plays one whole deal with the keyboard alone, then opens the options panel
# and walks through it, then opens the rules with F1 and reads them line by
# line; and fails unless Orca actually said what a blind player needs: the
# cards, the opponents' face-up cards and moves, the winner with the amount,
# every panel control as it takes the focus, the rules' first heading and an
# example hand.
#
# usage: scripts/orca-check.sh [build-dir] [log-dir] [language]
#
# With ORCA_CHECK_ZOOM (a zoom level in per cent) the table is shown zoomed
# and the places the screen reader is told are checked against it first;
# ORCA_CHECK_SCREEN (WxH, 1280x1024 by default) sizes the screen for it.
#
# The language (or ORCA_CHECK_LANGUAGE) is the one the game plays in, given to
# it with --language; English when none is given. What Orca must say is then
# the game's words in that language, read from its translations in i18n/.
# Orca itself speaks English in every run, so that its own words (role names
# such as "push button", the keys it echoes) are the same whatever the game's
# language and whatever the machine's.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
game="$build/ui/sevenstud"
[ -x "$game" ] || { echo "orca-check: no game at $game" >&2; exit 1; }
for tool in orca Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "orca-check: $tool is not installed" >&2; exit 1; }
done
launcher=""
for d in /usr/libexec /usr/lib/at-spi2-core /usr/lib/x86_64-linux-gnu/at-spi2-core; do
    [ -x "$d/at-spi-bus-launcher" ] && launcher="$d/at-spi-bus-launcher" && break
done
[ -n "$launcher" ] || { echo "orca-check: at-spi-bus-launcher not found" >&2; exit 1; }

language="${3:-${ORCA_CHECK_LANGUAGE:-en}}"
# The reports the keys wait for, in the game's language (this also fails
# early for a language the game does not speak).
words() { /usr/bin/python3 "$here/scripts/orca-speech.py" --language "$language" --phrase "$@"; }
new_deal="$(words TableSpeech "New deal")"
deal_over="$(words TableSpeech "Deal over")"
echo "orca-check: the game plays in '$language'"

work="$(mktemp -d)"
logs="${2:-$work}"
mkdir -p "$logs"
export ORCA_CHECK_WORK="$work" ORCA_CHECK_LOGS="$logs" ORCA_CHECK_GAME="$game"
export ORCA_CHECK_LAUNCHER="$launcher" ORCA_CHECK_DATA="$here/assets/data"
export ORCA_CHECK_LANGUAGE="$language" ORCA_CHECK_NEW_DEAL="$new_deal" ORCA_CHECK_DEAL_OVER="$deal_over"
cleanup() { rm -rf "$work"; }
trap cleanup EXIT

# Everything below runs on a bus of its own, which ends with it.
session=0
dbus-run-session -- timeout -k 10 240 bash "$here/scripts/orca-session.sh" || session=$?
# What Orca said is printed and checked even when the session failed.
checked=1
[ -s "$logs/orca-debug.log" ] && touch "$logs/tree.txt" &&
    /usr/bin/python3 "$here/scripts/orca-speech.py" --language "$language" "$logs/orca-debug.log" "$logs/tree.txt" && checked=0
[ "$session" -eq 0 ] && [ "$checked" -eq 0 ]
