#!/usr/bin/env python3
"""Checks what Orca said during scripts/orca-session.sh.

usage: orca-speech.py [--language CODE] ORCA-DEBUG-LOG TREE-DUMP
       orca-speech.py [--language CODE] --phrase CONTEXT SOURCE

Reads the "SPEECH OUTPUT" lines of Orca's debug log, prints them, and fails
unless they hold what a blind player needs from one deal and the options
panel. The tree dump (orca-probe.py tree, taken when the deal was over) tells
which cards each seat really held, so the spoken cards are checked against
the table and not only against themselves.

The game's words come from its translations, i18n/sevenstud_CODE.ts (English,
the default, is their source text), so one check serves every language the
game ships; in any language but English it also fails when the game's reports
are still English. --phrase prints one of the game's phrases in the language
as a regular expression (orca-session.sh waits for the reports with it).

Orca itself runs in English in this check (orca-session.sh), so its own
words, the role names ("push button", "text", "panel"), the keys it echoes
("space", "escape") and its "notification", are English in every language.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

I18N = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "i18n")
SEATS = ("You", "Peter", "Anna", "George", "Maria")
OWNERS = ("Your cards: %1", "Peter's cards: %1", "Anna's cards: %1", "George's cards: %1", "Maria's cards: %1")
RANKS = ("Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Ace")
SUITS = ("clubs", "diamonds", "hearts", "spades")
MOVES = ("%1 calls", "%1 checks", "%1 raises", "%1 folds")
AMOUNT = r"\d+"


class Words:
    """The game's words in one language, as its translation file has them."""

    def __init__(self, code):
        self.code = code
        self.table = {}
        self.sources = {}
        if code == "en":
            return
        path = os.path.join(I18N, "sevenstud_%s.ts" % code)
        if not os.path.exists(path):
            shipped = sorted(f[10:-3] for f in os.listdir(I18N) if re.match(r"sevenstud_\w+\.ts$", f))
            raise SystemExit("orca-speech: the game does not speak '%s' (it speaks en, %s)" % (code, ", ".join(shipped)))
        for context in ET.parse(path).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                self.sources.setdefault(name, []).append(source)
                tr = message.find("translation")
                # Qt shows the source where a translation is missing or unfinished.
                if tr is None or tr.get("type") in ("unfinished", "obsolete", "vanished") or not tr.text:
                    continue
                self.table[(name, source)] = tr.text

    def __call__(self, context, source):
        return self.table.get((context, source), source)

    def all(self, context):
        """Every phrase of a context (a translation file lists them all)."""
        sources = self.sources.get(context)
        if sources is None:  # English: the sources of any translation file
            for f in sorted(os.listdir(I18N)):
                if re.match(r"sevenstud_\w+\.ts$", f):
                    sources = Words(f[10:-3]).sources.get(context, [])
                    break
        return [self(context, s) for s in sources or []]


def either(phrases):
    """A regex for any of the phrases, the longest tried first."""
    return "(?:%s)" % "|".join(re.escape(p) for p in sorted(set(phrases), key=len, reverse=True))


def fill(template, *parts):
    """A phrase with %1, %2... as regular expressions and the rest as text."""
    out = []
    for piece in re.split(r"(%\d)", template):
        if re.fullmatch(r"%\d", piece):
            out.append(parts[int(piece[1]) - 1])
        else:
            out.append(re.escape(piece))
    return "".join(out)


def between(template):
    """The text between %1 and %2 of a joining phrase such as "%1 and %2"."""
    m = re.fullmatch(r"%1(.*)%2", template)
    return m.group(1) if m else template


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


class Check:
    def __init__(self, words):
        self.w = words
        speak = lambda s: words("TableSpeech", s)
        self.names = [speak(s) for s in SEATS[1:]]
        self.card = either(words("Cards", "%s of %s" % (r, s)) for s in SUITS for r in RANKS)
        # "a", "a and b", "a, b and c"
        joins = either([speak(", "), between(speak("%1 and %2"))])
        self.cards = r"(?:%s(?:%s)?)+" % (self.card, joins)

    def hands(self, path):
        """Which cards each seat holds, by the labels of the table's tree."""
        owners = [re.compile(r"\s*label \| %s$" % fill(self.w("TableSpeech", o), "(.*)")) for o in OWNERS]
        held = {}
        with open(path, errors="replace") as dump:
            for line in dump:
                for seat, owner in zip(SEATS, owners):
                    m = owner.match(line)
                    if m:
                        held[seat] = set(re.findall(self.card, m.group(1)))
        return held

    def english(self, said):
        """The game's English words found in what Orca said, when it should speak another language."""
        w = self.w
        found = []
        phrases = [("TableSpeech", s) for s in ("New deal", "Deal over", "%1 shows %2", "Your cards: %1")]
        phrases += [("TableSpeech", s) for s in ("You get %1", "%1 wins %2", "You win %1")]
        phrases += [("TableSpeech", s) for s in MOVES]
        phrases += [("OptionsPanel", s) for s in ("Initial cash", "Betting limits", "Enter initial cash")]
        phrases += [("TableWindow", "New Game")]
        phrases += [("Cards", "%s of %s" % (r, s)) for s in SUITS for r in RANKS]
        for context, source in phrases:
            if w(context, source) == source:
                continue  # the same in both languages
            if context == "Cards" and any(f.startswith("a card") for f in found):
                continue  # one English card name tells enough
            for piece in re.split(r"%\d", source):
                if len(piece.strip()) < 3 or piece in w(context, source):
                    continue
                hits = [s for s in said if piece in s]
                if hits:
                    what = ("a card '%s'" if context == "Cards" else "'%s'") % piece
                    found.append("%s in '%s'" % (what, hits[0]))
                    break
        return found

    def run(self, said, held):
        w = self.w
        speak = lambda s: w("TableSpeech", s)
        failures = []
        deal_over = speak("Deal over")
        deal_end = next((i for i, s in enumerate(said) if deal_over in s), None)
        if deal_end is None:
            failures.append("no report ends the deal ('%s')" % deal_over)
            deal_end = len(said) - 1
        deal = said[: deal_end + 1]
        reports = [s for s in deal if s.startswith("notification ")]
        text = " ".join(reports)

        # The focus starts on the safe move and the start-up report follows.
        first_key = next((i for i, s in enumerate(said) if s == "space"), len(said))
        safe = either([w("Game", "Call"), w("Game", "Check"), w("TableWindow", "Check")])
        if not any(re.match(r"%s push button" % safe, s) for s in said[:first_key]):
            failures.append("the focus did not start on %s" % "/".join([w("Game", "Call"), w("Game", "Check")]))
        if not reports or speak("New deal") not in reports[0]:
            failures.append("no start-up report with the new deal ('%s')" % speak("New deal"))

        m = re.search(fill(speak("Your cards: %1"), "(%s)" % self.cards), text)
        yours = set(re.findall(self.card, m.group(1))) if m else set()
        yours |= set(re.findall(fill(speak("You get %1"), "(%s)" % self.card), text))
        if not m:
            failures.append("your cards were not said")
        elif held.get("You") and not yours <= held["You"]:
            failures.append("your cards said %s, held %s" % (sorted(yours), sorted(held["You"])))

        for seat, name in zip(SEATS[1:], self.names):
            shown = set()
            for m in re.finditer(fill(speak("%1 shows %2"), re.escape(name), "(%s)" % self.cards), text):
                shown |= set(re.findall(self.card, m.group(1)))
            if not shown:
                failures.append("%s's face-up cards were not said" % name)
            elif held.get(seat) and not shown <= held[seat]:
                failures.append("%s shows %s but held %s" % (name, sorted(shown), sorted(held[seat])))
            moves = "|".join(fill(speak(move), re.escape(name)) for move in MOVES)
            if not re.search(r"\b(?:%s)\b" % moves, text):
                failures.append("no move of %s was said" % name)

        # The winner and the amount, with or without the hand that won.
        someone = either(self.names)
        hand = either(w.all("Game") + w.all("SpokenHand"))
        wins = [
            fill(speak("%1 wins %2"), someone, AMOUNT),
            fill(speak("You win %1"), AMOUNT),
            fill(speak("%1 wins %2 with %3"), someone, AMOUNT, hand),
            fill(speak("You win %1 with %2"), AMOUNT, hand),
            fill(speak("Everybody else has folded: you take the pot of %1"), AMOUNT),
        ]
        if not re.search(r"\b(?:%s)" % "|".join(wins), text):
            failures.append("the winner and the amount were not said")

        # One report per key press: never two notifications for one click.
        presses = sum(1 for s in deal if s == "space")
        if len(reports) > presses + 1:
            failures.append("%d reports for %d key presses" % (len(reports), presses))

        # The options panel, walked through after the deal: each control's
        # name in the game's language, then Orca's own word for its role.
        opt = lambda s: w("OptionsPanel", s)
        limits = opt("Ante %1, small bet %2, big bet %3")
        panel = [
            fill(w("TableWindow", "Options")) + " panel",
            fill(opt("Amateur")),
            fill(opt("Initial cash")) + " text",
            fill(opt("Play until someone wins")) + " text",
            fill(opt("Enter initial cash")) + " push button",
            fill(opt("Enter play-until amount")) + " push button",
            fill(opt("Betting limits")) + " " + fill(limits, "1", "2", "4") + " spin button",
            "^" + fill(limits, "2", "4", "8") + "$",
            fill(opt("Card Back")) + " panel",
            fill(opt("Ok")) + " push button",
            fill(opt("Sound %1"), re.escape(opt("On"))) + " push button",
            r"^escape",
            fill(w("TableWindow", "Options")) + " push button",
        ]
        rest = said[deal_end + 1 :]
        at = 0
        for want in panel:
            found = next((i for i in range(at, len(rest)) if re.search(want, rest[i])), None)
            if found is None:
                failures.append("the panel: '%s' was not said (in order)" % want.replace("\\", ""))
            else:
                at = found + 1

        if w.code != "en":
            for hit in self.english(said):
                failures.append("still English: " + hit)
        return failures


def main(argv):
    code = "en"
    if len(argv) >= 2 and argv[0] == "--language":
        code = argv[1] or "en"
        argv = argv[2:]
    code = re.split(r"[_.@-]", code.lower())[0]
    words = Words("en" if code in ("c", "posix") else code)
    if len(argv) == 3 and argv[0] == "--phrase":
        print(re.escape(words(argv[1], argv[2])))
        return 0
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2

    check = Check(words)
    said = speech(argv[0])
    held = check.hands(argv[1])
    print("---- Orca said:")
    for s in said:
        print("  " + s)
    print("----")
    failures = check.run(said, held)
    for f in failures:
        print("FAIL: " + f)
    if failures:
        return 1
    print("orca-check: Orca said the cards, the moves, the winner and the panel's controls (%s)" % words.code)
    return 0


sys.exit(main(sys.argv[1:]))
