#!/usr/bin/env bash
# Starts the installed game natively under a headless Wayland compositor
# (weston, no X server anywhere) and checks from the client's own protocol log
# that it comes up: a toplevel with its title, a surface with a buffer, still
# running after 3 seconds; then that it closes cleanly when asked to.
#   scripts/check-wayland.sh [launcher]     (default: sevenstud on PATH)
set -euo pipefail
launcher=${1:-sevenstud}
work=$(mktemp -d)
chmod 700 "$work"
compositor=""
game=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-wayland: $*" >&2
    [ -f "$work/weston.log" ] && tail -n 20 "$work/weston.log" >&2
    [ -f "$work/game.log" ] && grep -v '^\[' "$work/game.log" | tail -n 20 >&2
    exit 1
}

export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
unset DISPLAY # no X server: XWayland or xcb must not be a way out
weston --backend=headless-backend.so --socket=wayland-stud --idle-time=0 \
    >"$work/weston.log" 2>&1 &
compositor=$!
for i in $(seq 1 100); do
    [ -S "$XDG_RUNTIME_DIR/wayland-stud" ] && break
    kill -0 "$compositor" 2>/dev/null || fail "weston did not start"
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/wayland-stud" ] || fail "weston opened no socket"

WAYLAND_DISPLAY=wayland-stud QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$launcher" >"$work/game.out" 2>"$work/game.log" &
game=$!
sleep 3
kill -0 "$game" 2>/dev/null || { game=""; fail "the game did not stay up for 3 seconds"; }
log=$work/game.log
title=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_title("\(.*\)")$/\1/p' "$log" | tail -n 1)
[ "$title" = "Seven Stud" ] || fail "window title is '$title', not 'Seven Stud'"
appid=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\(.*\)")$/\1/p' "$log" | tail -n 1)
[ "$appid" = "org.example.sevenstud" ] || fail "app id is '$appid'"
attaches=$(grep -c 'wl_surface@[0-9]*\.attach(wl_buffer@' "$log" || true)
[ "$attaches" -gt 0 ] || fail "no buffer was attached to a surface"
grep -q 'wl_surface@[0-9]*\.commit()' "$log" || fail "no surface was committed"
echo "title '$title', app id '$appid', $attaches buffers attached, still running after 3 s"

# Asked to stop (as a session's end does), it closes its window and exits 0.
kill -TERM "$game"
rc=0
for i in $(seq 1 40); do kill -0 "$game" 2>/dev/null || break; sleep 0.25; done
kill -0 "$game" 2>/dev/null && fail "the game did not close within 10 seconds"
wait "$game" || rc=$?
game=""
[ "$rc" = 0 ] || fail "the game exited with $rc when closed"
grep -q 'xdg_toplevel@[0-9]*\.destroy()' "$log" || fail "the window was not closed"
echo "check-wayland: runs natively under weston and closes cleanly"
