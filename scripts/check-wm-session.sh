#!/usr/bin/env bash
# The X session of check-wm.sh: openbox, the game, its message boxes.
#   check-wm-session.sh launcher workdir
set -euo pipefail
launcher=$1 work=$2
openbox=""
game=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    [ -n "$openbox" ] && kill "$openbox" 2>/dev/null
    wait 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "check-wm: $*" >&2; exit 1; }

openbox --sm-disable >"$work/openbox.log" 2>&1 &
openbox=$!
for i in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"

# wait_window TITLE [xdotool search options]: the id of the visible window
# with exactly that title (by default found by its title).
wait_window() {
    local id title=$1
    shift
    [ $# -gt 0 ] || set -- --name "^$title\$"
    id=$(timeout 10 xdotool search --sync --onlyvisible "$@" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] || fail "no window '$title' appeared"
    sleep 0.5 # let openbox decorate and draw it
    echo "$id"
}

# titlebar ID OUT: openbox's title bar of client window ID as a picture.
titlebar() {
    local id=$1 out=$2 x y w l r t
    eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $NF}
                                      /Absolute upper-left Y/ {print "y=" $NF}
                                      /Width:/ {print "w=" $NF}')"
    read -r l r t _ < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    [ "${t:-0}" -gt 4 ] || fail "window $id has no title bar"
    import -window root "$work/root.png"
    # The title bar is the frame's top edge, less its outer border line.
    convert "$work/root.png" -crop "$((w + l + r))x$((t - 2))+$((x - l))+$((y - t + 1))" +repage "$out"
}

# reference TITLE OUT: the title's text exactly as openbox draws it whole, cut
# from the title bar of a wide, active window that carries the same title.
reference() {
    local title=$1 out=$2 ref id w h bg
    LC_ALL=C xmessage -geometry 700x60+40+40 -title "$title" -name stud-reference " " &
    ref=$!
    id=$(wait_window "$title" --classname '^stud-reference$')
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    sleep 0.3
    titlebar "$id" "$work/ref-bar.png"
    kill "$ref"
    wait "$ref" 2>/dev/null || true
    read -r w h < <(identify -format '%w %h\n' "$work/ref-bar.png")
    # Columns unlike a plain column of the bar (well away from the centred
    # text, the icon and the buttons) are the text; the icon and the buttons
    # are left out by taking only the middle of the bar.
    bg=$((w - 130))
    convert "$work/ref-bar.png" -crop "$((w - 260))x${h}+130+0" +repage "$work/ref-mid.png"
    convert "$work/ref-bar.png" -crop "1x${h}+${bg}+0" +repage -scale "$((w - 260))x${h}!" \
        "$work/ref-bg.png"
    local box
    box=$(convert "$work/ref-mid.png" "$work/ref-bg.png" -compose difference -composite \
        -threshold 8% -format '%@' info:)
    [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no title text found for '$title'"
    # Whole rows of the bar, so the text is compared with its background.
    convert "$work/ref-mid.png" -crop "${BASH_REMATCH[1]}x${h}+${BASH_REMATCH[3]}+0" +repage "$out"
}

checked=0
# check_box TITLE: the visible box with that title shows the title whole.
check_box() {
    local title=$1 id bw tw found
    id=$(wait_window "$title")
    titlebar "$id" "$work/box-bar.png"
    bw=$(xwininfo -id "$id" | awk '/Width:/ {print $NF}')
    # The reference window is made while the box stays open behind it.
    reference "$title" "$work/ref-text.png"
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    sleep 0.3
    titlebar "$id" "$work/box-bar.png"
    tw=$(identify -format '%w\n' "$work/ref-text.png")
    found=$(compare -metric AE -fuzz 6% -subimage-search "$work/box-bar.png" "$work/ref-text.png" \
        null: 2>&1 | awk '{print $1}') || true
    if [ "$found" != 0 ]; then
        cp "$work/box-bar.png" "/tmp/check-wm-$title.png" 2>/dev/null || true
        fail "box '$title' ($bw px wide) cuts its title ($tw px of text); title bar in /tmp/check-wm-$title.png"
    fi
    echo "box '$title': $bw px wide, title text $tw px, shown whole"
    checked=$((checked + 1))
}

(cd "$work" && exec "$launcher") >"$work/game.log" 2>&1 &
game=$!
# The table window's title is the program's name, which Qt gives it in
# _NET_WM_NAME only, so it is found by its process instead.
main=$(wait_window "Seven Stud" --pid "$game")
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.5; }

# "New Game" asks first; Escape answers No.
click 383 11
check_box "New game"
xdotool key Escape
sleep 0.5

# Fold ends the deal at once; "Deal" with the player broke ends the match.
click 557 634
click 365 634
check_box "Game over"
xdotool key Return
sleep 0.5

# A wrong initial cash on the options panel is refused by a box.
click 455 11
xdotool mousemove --window "$main" 412 146 click --repeat 3 1
xdotool key ctrl+a type abc
click 476 144
check_box "Seven Stud"
xdotool key Return
sleep 0.5

kill -0 "$game" 2>/dev/null || fail "the game ended during the check"
[ "$checked" = 3 ] || fail "only $checked boxes checked"
echo "check-wm: under openbox every box shows its whole title"
