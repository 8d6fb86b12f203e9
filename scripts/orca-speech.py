#!/usr/bin/env python3
"""Checks what Orca said during scripts/orca-session.sh.

usage: orca-speech.py ORCA-DEBUG-LOG TREE-DUMP

Reads the "SPEECH OUTPUT" lines of Orca's debug log, prints them, and fails
unless they hold what a blind player needs from one deal and the options
panel. The tree dump (orca-probe.py tree, taken when the deal was over) tells
which cards each seat really held, so the spoken cards are checked against
the table and not only against themselves.
"""
import re
import sys

OPPONENTS = ("Peter", "Anna", "George", "Maria")
CARD = r"(?:Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King|Ace) of (?:clubs|diamonds|hearts|spades)"
# The controls of the options panel in tab order, as each takes the focus.
PANEL = [
    r"Options panel",
    r"Amateur",
    r"Initial cash text",
    r"Play until someone wins text",
    r"Enter initial cash push button",
    r"Enter play-until amount push button",
    r"Betting limits Ante 1, small bet 2, big bet 4 spin button",
    r"^Ante 2, small bet 4, big bet 8$",
    r"Card Back panel",
    r"Ok push button",
    r"Sound On push button",
    r"^escape",
    r"Options push button",
]


def speech(path):
    said = []
    with open(path, errors="replace") as log:
        for line in log:
            m = re.search(r"SPEECH OUTPUT: '(.*)'\s*(?:voice=\w+)?\{", line)
            if not m:
                m = re.search(r"SPEECH OUTPUT: '(.*)' \{", line)
            if m:
                said.append(m.group(1).strip())
    return said


def hands(path):
    held = {}
    with open(path, errors="replace") as dump:
        for line in dump:
            m = re.match(r"\s*label \| (Your|Peter's|Anna's|George's|Maria's) cards: (.*)$", line)
            if m:
                held[m.group(1).replace("'s", "")] = set(re.findall(CARD, m.group(2)))
    return held


def main():
    said = speech(sys.argv[1])
    held = hands(sys.argv[2])
    failures = []
    print("---- Orca said:")
    for s in said:
        print("  " + s)
    print("----")

    deal_end = next((i for i, s in enumerate(said) if "Deal over" in s), None)
    if deal_end is None:
        failures.append("no report ends the deal ('Deal over')")
        deal_end = len(said) - 1
    deal = said[: deal_end + 1]
    reports = [s for s in deal if s.startswith("notification ")]
    text = " ".join(reports)

    # The focus starts on the safe move and the start-up report follows.
    first_key = next((i for i, s in enumerate(said) if s == "space"), len(said))
    if not any(re.match(r"(Call|Check) push button", s) for s in said[:first_key]):
        failures.append("the focus did not start on Check/Call")
    if not reports or "New deal" not in reports[0]:
        failures.append("no start-up report with the new deal")

    m = re.search(r"Your cards: ((?:%s(?:, | and )?)+)" % CARD, text)
    yours = set(re.findall(CARD, m.group(1))) if m else set()
    yours |= set(re.findall(r"You get (%s)" % CARD, text))
    if not m:
        failures.append("your cards were not said")
    elif held.get("Your") and not yours <= held["Your"]:
        failures.append("your cards said %s, held %s" % (sorted(yours), sorted(held["Your"])))

    for name in OPPONENTS:
        shown = set()
        for m in re.finditer(r"%s shows ((?:%s(?:, | and )?)+)" % (name, CARD), text):
            shown |= set(re.findall(CARD, m.group(1)))
        if not shown:
            failures.append("%s's face-up cards were not said" % name)
        elif held.get(name) and not shown <= held[name]:
            failures.append("%s shows %s but held %s" % (name, sorted(shown), sorted(held[name])))
        if not re.search(r"\b%s (calls|checks|raises|folds)\b" % name, text):
            failures.append("no move of %s was said" % name)

    if not re.search(r"(\b(Maria|Peter|Anna|George) wins \d+|\bYou win \d+|take the pot of \d+)", text):
        failures.append("the winner and the amount were not said")

    # One report per key press: never two notifications for one click.
    presses = 0
    for s in deal:
        if s == "space":
            presses += 1
    if len(reports) > presses + 1:
        failures.append("%d reports for %d key presses" % (len(reports), presses))

    # The options panel, walked through after the deal.
    rest = said[deal_end + 1 :]
    at = 0
    for want in PANEL:
        found = next((i for i in range(at, len(rest)) if re.search(want, rest[i])), None)
        if found is None:
            failures.append("the panel: '%s' was not said (in order)" % want)
        else:
            at = found + 1

    for f in failures:
        print("FAIL: " + f)
    if failures:
        return 1
    print("orca-check: Orca said the cards, the moves, the winner and the panel's controls")
    return 0


sys.exit(main())
