#!/usr/bin/env python3
"""Looks at the desktop over AT-SPI, as a screen reader does.

  orca-probe.py desktop SECONDS        wait until the AT-SPI registry answers
  orca-probe.py app NAME SECONDS       wait until an application NAME is there
  orca-probe.py report REGEX SECONDS   wait until the game's notification
                                       (its spoken report) matches REGEX
  orca-probe.py tree                   print the game's tree: role | name | text
  orca-probe.py extents ZOOM           check that the English table's fixed
                                       buttons lie where ZOOM per cent puts
                                       them, as the screen reader is told
"""
import re
import sys
import time

import pyatspi

GAME_NAMES = ("Seven Stud", "sevenstud")


def apps():
    desktop = pyatspi.Registry.getDesktop(0)
    return [a for a in desktop if a is not None]


def game():
    for a in apps():
        if a.name in GAME_NAMES:
            return a
    return None


def find(obj, role):
    if obj is None:
        return None
    if obj.getRole() == role:
        return obj
    for i in range(obj.childCount):
        found = find(obj.getChildAtIndex(i), role)
        if found is not None:
            return found
    return None


def text_of(obj):
    try:
        t = obj.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def walk(obj, depth):
    if obj is None or not obj.getState().contains(pyatspi.STATE_SHOWING):
        return
    line = "%s%s | %s" % ("  " * depth, obj.getRoleName(), obj.name)
    text = text_of(obj)
    if text and text != obj.name:
        line += " | " + text
    print(line)
    for i in range(obj.childCount):
        walk(obj.getChildAtIndex(i), depth + 1)


# Buttons whose caption never changes, at their places in the table's own
# pixels: left, top, width, height.
FIXED_BUTTONS = {
    "New Game": (347, 3, 73, 17),
    "Options": (419, 3, 73, 17),
    "About": (491, 3, 73, 17),
    "Fold": (525, 618, 65, 33),
}


def all_of(obj, role, out):
    if obj is None:
        return out
    if obj.getRole() == role:
        out.append(obj)
    for i in range(obj.childCount):
        all_of(obj.getChildAtIndex(i), role, out)
    return out


def extents(zoom):
    z = zoom / 100.0
    frame = find(game(), pyatspi.ROLE_FRAME)
    if frame is None:
        print("extents: no game window", file=sys.stderr)
        return 1
    f = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if (f.width, f.height) != (round(910 * z), round(691 * z)):
        print("extents: window %dx%d, not %d%% of 910x691" % (f.width, f.height, zoom), file=sys.stderr)
        return 1
    found = 0
    bad = 0
    for b in all_of(game(), pyatspi.ROLE_PUSH_BUTTON, []):
        place = FIXED_BUTTONS.get(b.name)
        if place is None:
            continue
        found += 1
        e = b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        left, top, width, height = place
        want = (f.x + round(left * z), f.y + round(top * z), round((left + width) * z) - round(left * z),
                round((top + height) * z) - round(top * z))
        got = (e.x, e.y, e.width, e.height)
        ok = all(abs(g - w) <= 1 for g, w in zip(got, want))
        print("extents: %-9s %s %s" % (b.name, got, "ok" if ok else "expected %s" % (want,)))
        bad += 0 if ok else 1
    if found != len(FIXED_BUTTONS):
        print("extents: %d of %d buttons found" % (found, len(FIXED_BUTTONS)), file=sys.stderr)
        return 1
    return 1 if bad else 0


def wait(test, seconds):
    end = time.time() + seconds
    while time.time() < end:
        try:
            if test():
                return True
        except Exception:  # an object gone while we looked: look again
            pass
        time.sleep(0.2)
    return False


def main():
    what = sys.argv[1]
    if what == "desktop":
        ok = wait(lambda: pyatspi.Registry.getDesktop(0).childCount >= 0, float(sys.argv[2]))
        return 0 if ok else 1
    if what == "app":
        ok = wait(lambda: any(a.name == sys.argv[2] for a in apps()), float(sys.argv[3]))
        return 0 if ok else 1
    if what == "report":
        pattern = re.compile(sys.argv[2])

        def said():
            note = find(game(), pyatspi.ROLE_NOTIFICATION)
            return note is not None and pattern.search(note.name or "")

        return 0 if wait(said, float(sys.argv[3])) else 1
    if what == "tree":
        g = game()
        for i in range(g.childCount if g else 0):
            walk(g.getChildAtIndex(i), 0)
        return 0
    if what == "extents":
        return extents(int(sys.argv[2]))
    print(__doc__, file=sys.stderr)
    return 2


sys.exit(main())
