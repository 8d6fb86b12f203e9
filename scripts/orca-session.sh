#!/usr/bin/env bash
# The inside of scripts/orca-check.sh, run on a private D-Bus session bus:
# X server, AT-SPI bus, Orca, the game, and the keys a blind player presses.
set -uo pipefail
work="$ORCA_CHECK_WORK" logs="$ORCA_CHECK_LOGS"
pids=()
stop() {
    local p
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        p=${pids[i]}
        kill "$p" 2>/dev/null || true
    done
    sleep 0.5
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
}
trap stop EXIT
# A timeout ends the check through the same teardown.
trap "exit 1" TERM INT
say() { printf '[orca-check %s] %s\n' "$(date +%T)" "$*"; }

# Orca writes its log through a buffer that is flushed only now and then
# (and at its end), so the keys are paced by what the game exposes over
# AT-SPI instead; the log is read once Orca has quit.
probe() { /usr/bin/python3 "$(dirname "$0")/orca-probe.py" "$@"; }
key() {
    xdotool key --clearmodifiers "$1"
    sleep "${2:-0.8}"
}

# A private X server on a display it picks itself.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 "${ORCA_CHECK_SCREEN:-1280x1024}x24" -nolisten tcp >"$logs/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
say "X display $DISPLAY"

# A fresh home: Orca's own settings and the game's settings file start new.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset AT_SPI_BUS_ADDRESS
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

"$ORCA_CHECK_LAUNCHER" --launch-immediately >"$logs/atspi.log" 2>&1 &
pids+=($!)
probe desktop 30 || { say "the AT-SPI registry did not answer"; exit 1; }

# Orca logs every utterance it would speak, with or without a speech server.
# A machine with Speech Dispatcher installed would have Orca spawn it, which
# hangs without a sound card: this check runs Orca without one, always.
# Orca speaks English here whatever the desktop's language (it takes its own
# from LANGUAGE, LC_ALL, LC_MESSAGES and LANG): the game's words are what is
# checked, in the game's language, and Orca's role names stay the same.
mkdir -p "$work/nospeech/speechd"
echo 'raise ImportError("no speech server in this check")' >"$work/nospeech/speechd/__init__.py"
started=no
for attempt in 1 2 3; do
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
        PYTHONPATH="$work/nospeech${PYTHONPATH:+:$PYTHONPATH}" \
        orca --replace --debug-file="$logs/orca-debug.log" >"$logs/orca.log" 2>&1 &
    orca_pid=$!
    for _ in $(seq 40); do
        kill -0 "$orca_pid" 2>/dev/null || break # gave up at once
        if probe app orca 0.5; then
            started=yes
            break
        fi
    done
    [ "$started" = yes ] && break
    say "Orca did not come up (attempt $attempt): $(tail -n1 "$logs/orca.log")"
    kill "$orca_pid" 2>/dev/null || true
    sleep 2
done
pids+=("$orca_pid")
[ "$started" = yes ] || { say "Orca did not start"; exit 1; }
sleep 2

# A zoomed table, when asked for, as the player's view file keeps it.
if [ -n "${ORCA_CHECK_ZOOM:-}" ]; then
    mkdir -p "$XDG_CONFIG_HOME/sevenstud"
    printf '[View]\nversion=1\nzoom=%s\n' "$ORCA_CHECK_ZOOM" >"$XDG_CONFIG_HOME/sevenstud/view.ini"
fi
mkdir -p "$work/game"
cp "$ORCA_CHECK_DATA"/* "$work/game/"
(cd "$work/game" && exec "$ORCA_CHECK_GAME" --language "$ORCA_CHECK_LANGUAGE") >"$logs/game.log" 2>&1 &
pids+=($!)
# No window manager: give the window the keyboard focus by hand.
win=""
for _ in $(seq 60); do
    win=$(xdotool search --onlyvisible --classname sevenstud 2>/dev/null | tail -n1) && [ -n "$win" ] && break
    sleep 0.25
done
[ -n "$win" ] || { say "the game window did not appear"; exit 1; }
xdotool windowfocus --sync "$win"
probe report "$ORCA_CHECK_NEW_DEAL" 20 || { say "no start-up report"; exit 1; }
say "game started, window $win"
if [ -n "${ORCA_CHECK_ZOOM:-}" ]; then
    probe extents "$ORCA_CHECK_ZOOM" | tee "$logs/extents.txt" || { say "the screen reader is told other places than shown"; exit 1; }
fi

# One whole deal: Space on the safe move until the deal is over.
for _ in $(seq 12); do
    probe report "$ORCA_CHECK_DEAL_OVER" 0.5 && break
    key space 1.2
done
probe report "$ORCA_CHECK_DEAL_OVER" 5 || { say "the deal did not end"; exit 1; }
say "deal played"
probe tree >"$logs/tree.txt" 2>"$logs/tree.err" || true

# The options panel: from "Deal" Tab reaches "New Game", then "Options".
key Tab
key Tab
key space 1.2
# Initial cash, play until, its two Enter buttons, the betting limits.
for _ in $(seq 5); do key Tab 0.6; done
key Right 1.0
# Card back, Ok, Sound; then Escape closes like Ok.
for _ in $(seq 3); do key Tab 0.6; done
key Escape 1.2
say "panel walked through"

# The rules: F1 opens them in a window of their own beside the table, with
# the keyboard in the text. Down and Up again read the first line, the first
# heading; then Down reads on line by line past the first example hand, and
# Escape closes the window.
key F1 1.5
rules=""
for _ in $(seq 40); do
    rules=$(xdotool search --onlyvisible --classname sevenstud 2>/dev/null | grep -vx "$win" | tail -n1) && [ -n "$rules" ] && break
    sleep 0.25
done
[ -n "$rules" ] || { say "F1 opened no rules window"; exit 1; }
xdotool windowfocus --sync "$rules"
sleep 2
key Down 0.6
key Up 0.6
for _ in $(seq "${ORCA_CHECK_RULES_LINES:-170}"); do key Down 0.12; done
key Escape 1.0
say "rules read"
# Orca writes out the rest of its log as it quits.
kill "$orca_pid" 2>/dev/null || true
for _ in $(seq 40); do kill -0 "$orca_pid" 2>/dev/null || break; sleep 0.25; done
exit 0
