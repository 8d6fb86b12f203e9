#!/usr/bin/env bash
# Runs the installed game once under a real window manager (openbox, on Xvfb)
# and opens its message boxes: "New game" (New Game), "Game over" (Deal with
# the player broke) and "Seven Stud" (a wrong amount on the options panel).
# Each box must be wide enough for openbox to show its whole title: the title
# as openbox draws it on a wide window must appear unchanged in the box's
# title bar (a cut title ends in "..." instead).
#   scripts/check-wm.sh [launcher]     (default: sevenstud on PATH)
set -euo pipefail
launcher=${1:-sevenstud}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap '[ -n "${STUD_KEEP:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$work/home/.config/sevenstud" "$work/elsewhere"
# The player starts broke, so that the next "Deal" ends the match.
printf '[Cash]\nplayer=0\n' >"$work/home/.config/sevenstud/tarvo.ini"
cd "$work/elsewhere"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x900x24" bash "$here/check-wm-session.sh" "$launcher" "$work"
