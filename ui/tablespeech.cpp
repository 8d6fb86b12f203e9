#include "ui/tablespeech.h"

#include "table/rules.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>

namespace stud {

namespace {

QString say(const char* text) {
    return QCoreApplication::translate("TableSpeech", text);
}

constexpr std::array<const char*, kSeats> kNames{QT_TRANSLATE_NOOP("TableSpeech", "You"), "Peter",
                                                 "Anna", "George", "Maria"};
constexpr std::array<const char*, kSeats> kHandOwners{
    QT_TRANSLATE_NOOP("TableSpeech", "Your cards: %1"),
    QT_TRANSLATE_NOOP("TableSpeech", "Peter's cards: %1"),
    QT_TRANSLATE_NOOP("TableSpeech", "Anna's cards: %1"),
    QT_TRANSLATE_NOOP("TableSpeech", "George's cards: %1"),
    QT_TRANSLATE_NOOP("TableSpeech", "Maria's cards: %1")};

constexpr const char* kRankNames[] = {"Two",  "Three", "Four", "Five",  "Six",  "Seven", "Eight",
                                      "Nine", "Ten",   "Jack", "Queen", "King", "Ace"};
constexpr const char* kSuitNames[] = {"clubs", "diamonds", "hearts", "spades"};
// Face-down cards by their number (an opponent shows at most three).
constexpr const char* kFaceDown[] = {"",
                                     QT_TRANSLATE_NOOP("TableSpeech", "one card face down"),
                                     QT_TRANSLATE_NOOP("TableSpeech", "two cards face down"),
                                     QT_TRANSLATE_NOOP("TableSpeech", "three cards face down"),
                                     QT_TRANSLATE_NOOP("TableSpeech", "four cards face down"),
                                     QT_TRANSLATE_NOOP("TableSpeech", "five cards face down"),
                                     QT_TRANSLATE_NOOP("TableSpeech", "six cards face down"),
                                     QT_TRANSLATE_NOOP("TableSpeech", "seven cards face down")};
// The streets by the most cards a seat has after them.
constexpr const char* kStreetNames[] = {"",
                                        "",
                                        "",
                                        "",
                                        QT_TRANSLATE_NOOP("TableSpeech", "Fourth street"),
                                        QT_TRANSLATE_NOOP("TableSpeech", "Fifth street"),
                                        QT_TRANSLATE_NOOP("TableSpeech", "Sixth street"),
                                        QT_TRANSLATE_NOOP("TableSpeech", "Seventh street")};
// A move as the seat summary tells it, and as a report tells it.
struct MoveWords {
    Told told;
    const char* summary;
    const char* report;
};
constexpr MoveWords kMoves[] = {
    {Told::calls, QT_TRANSLATE_NOOP("TableSpeech", "calls"),
     QT_TRANSLATE_NOOP("TableSpeech", "%1 calls")},
    {Told::checks, QT_TRANSLATE_NOOP("TableSpeech", "checks"),
     QT_TRANSLATE_NOOP("TableSpeech", "%1 checks")},
    {Told::raises, QT_TRANSLATE_NOOP("TableSpeech", "raises"),
     QT_TRANSLATE_NOOP("TableSpeech", "%1 raises")},
    {Told::folds, QT_TRANSLATE_NOOP("TableSpeech", "folds"),
     QT_TRANSLATE_NOOP("TableSpeech", "%1 folds")},
    {Told::youfold, QT_TRANSLATE_NOOP("TableSpeech", "you fold"), nullptr},
};

const MoveWords* moveWords(Told told) {
    for (const MoveWords& m : kMoves)
        if (m.told == told) return &m;
    return nullptr;
}

bool isFace(int image) {
    return image >= 0 && image < kDeckSize;
}
bool isBack(int image) {
    return image >= kFirstCardBack && image <= kLastCardBack;
}

// The words between the items of a list, by what it lists. Each kind has a
// context of its own, so that a language whose hand names hold commas
// ("Zwei Paare, Asse oben") can join hands or wins with something else.
struct ListWords {
    const char* context;
    const char* comma;
    const char* last;
};
constexpr ListWords kItems{"TableSpeech", QT_TRANSLATE_NOOP("TableSpeech", ", "),
                           QT_TRANSLATE_NOOP("TableSpeech", "%1 and %2")};
constexpr ListWords kShowdownHands{"ShowdownList", QT_TRANSLATE_NOOP("ShowdownList", ", "),
                                   nullptr};
constexpr ListWords kSplitPotWins{"SplitPotList", QT_TRANSLATE_NOOP("SplitPotList", ", "),
                                  QT_TRANSLATE_NOOP("SplitPotList", "%1 and %2")};

// "a", "a and b", "a, b and c"; with no last word "a, b, c".
QString joined(const QStringList& items, const ListWords& words = kItems) {
    const QString comma = QCoreApplication::translate(words.context, words.comma);
    if (items.size() <= 1 || !words.last) return items.join(comma);
    return QCoreApplication::translate(words.context, words.last)
        .arg(items.mid(0, items.size() - 1).join(comma), items.last());
}

// A hand's name inside a sentence ("Peter has %1"): the status line's
// "Ein Paar Asse" or "Paire d'as" begins a line, the sentence wants
// "ein Paar Asse", "une paire d'as". English says the status line's words.
QString spokenHand(const std::string& status) {
    return QCoreApplication::translate("SpokenHand", status.c_str());
}

int cardCount(const ShownCards::value_type& row) {
    return static_cast<int>(
        std::count_if(row.begin(), row.end(), [](std::int8_t c) { return c != kNoImage; }));
}

} // namespace

TableSpeech::TableSpeech(const TableState& table) : t_(table) {}

QString TableSpeech::cardName(int image) {
    if (!isFace(image)) return {};
    const QByteArray english = QStringLiteral("%1 of %2")
                                   .arg(QLatin1String(kRankNames[image % kRanks]),
                                        QLatin1String(kSuitNames[image / kRanks]))
                                   .toLatin1();
    return QCoreApplication::translate("Cards", english.constData());
}

QString TableSpeech::seatName(int seat) {
    return say(kNames[seat]);
}

QString TableSpeech::handText(int seat) const {
    QStringList faces;
    int backs = 0;
    for (int c : t_.shown[seat]) {
        if (isFace(c)) faces << cardName(c);
        if (isBack(c)) ++backs;
    }
    if (faces.isEmpty() && backs == 0) return say(QT_TRANSLATE_NOOP("TableSpeech", "no cards"));
    QStringList parts;
    if (backs > 0) parts << say(kFaceDown[std::min<std::size_t>(backs, std::size(kFaceDown) - 1)]);
    parts << faces;
    return parts.join(say(kItems.comma));
}

QString TableSpeech::handLabel(int seat) const {
    return say(kHandOwners[seat]).arg(handText(seat));
}

QString TableSpeech::seatSummary(int seat) const {
    const Seat& s = t_.seats[seat];
    QString summary = say(QT_TRANSLATE_NOOP("TableSpeech", "%1: %2"))
                          .arg(seatName(seat), QString::number(s.cash));
    QString status;
    if (const MoveWords* m = moveWords(s.told))
        status = say(m->summary);
    else if (s.told == Told::hand)
        status = gameText(s.status);
    if (!status.isEmpty())
        summary = say(QT_TRANSLATE_NOOP("TableSpeech", "%1, %2")).arg(summary, status);
    return summary;
}

// ---- the report of a click ---------------------------------------------------

void TableSpeech::begin() {
    log_.clear();
    lastShown_ = t_.shown;
    logging_ = true;
}

void TableSpeech::cardsSince() {
    if (t_.shown == lastShown_) return;
    Entry e;
    e.kind = Entry::Kind::Cards;
    e.before = lastShown_;
    e.after = t_.shown;
    log_.push_back(e);
    lastShown_ = t_.shown;
}

void TableSpeech::told(SeatId s) {
    if (!logging_) return;
    cardsSince();
    Entry e;
    e.kind = Entry::Kind::Told;
    e.seat = s;
    e.told = t_.seats[s].told;
    if (e.told == Told::hand) e.hand = spokenHand(t_.seats[s].status);
    log_.push_back(e);
}

void TableSpeech::won(SeatId s, std::int64_t amount) {
    if (!logging_) return;
    cardsSince();
    Entry e;
    e.kind = Entry::Kind::Won;
    e.seat = s;
    e.amount = amount;
    log_.push_back(e);
}

QString TableSpeech::describeCards(const Entry& e) const {
    int most = 0;
    for (const auto& row : e.after) most = std::max(most, cardCount(row));
    if (most == 0) return {};
    bool changed = false;
    for (int s = 0; s < kSeats; ++s)
        for (std::size_t i = 0; i < e.after[s].size(); ++i)
            // A card uncovered is no new card, and a wiped one is told by
            // the seat's own status line.
            if (e.after[s][i] != e.before[s][i] && e.after[s][i] != kNoImage &&
                !(isBack(e.before[s][i]) && isFace(e.after[s][i])))
                changed = true;
    if (!changed) return {};

    const bool newDeal = most == kFirstStreetCards;
    QStringList sentences;
    QStringList shown;
    QStringList faceDown;
    for (int s = 0; s < kSeats; ++s) {
        QStringList got;
        bool hidden = false;
        for (std::size_t i = 0; i < e.after[s].size(); ++i) {
            const int a = e.after[s][i], b = e.before[s][i];
            if (a == b && !newDeal) continue;
            if (isFace(a) && !(isBack(b) && !newDeal)) got << cardName(a);
            if (isBack(a) && (newDeal ? i >= 2 : !isBack(b))) hidden = true;
        }
        if (s == player) {
            if (!got.isEmpty())
                sentences << (newDeal ? say(kHandOwners[player])
                                      : say(QT_TRANSLATE_NOOP("TableSpeech", "You get %1")))
                                 .arg(joined(got));
            continue;
        }
        if (!got.isEmpty())
            shown << say(QT_TRANSLATE_NOOP("TableSpeech", "%1 shows %2"))
                         .arg(seatName(s), joined(got));
        if (hidden && got.isEmpty()) faceDown << seatName(s);
    }
    if (!shown.isEmpty()) sentences << shown.join(say(kItems.comma));
    if (!faceDown.isEmpty())
        sentences << (faceDown.size() == 1
                          ? say(QT_TRANSLATE_NOOP("TableSpeech", "%1 gets a card face down"))
                          : say(QT_TRANSLATE_NOOP("TableSpeech", "%1 get a card face down")))
                         .arg(joined(faceDown));
    if (sentences.isEmpty()) return {};
    const QString head =
        newDeal ? say(QT_TRANSLATE_NOOP("TableSpeech", "New deal")) : say(kStreetNames[most]);
    return say(QT_TRANSLATE_NOOP("TableSpeech", "%1. %2"))
        .arg(head, sentences.join(say(QT_TRANSLATE_NOOP("TableSpeech", ". "))));
}

QString TableSpeech::describeWins() const {
    QStringList wins;
    for (const Entry& e : log_) {
        if (e.kind != Entry::Kind::Won) continue;
        const Seat& seat = t_.seats[e.seat];
        const QString amount = QString::number(e.amount);
        if (seat.told == Told::hand && !seat.status.empty()) {
            const QString hand = spokenHand(seat.status);
            wins << (e.seat == player ? say(QT_TRANSLATE_NOOP("TableSpeech", "You win %1 with %2"))
                                            .arg(amount, hand)
                                      : say(QT_TRANSLATE_NOOP("TableSpeech", "%1 wins %2 with %3"))
                                            .arg(seatName(e.seat), amount, hand));
        } else {
            wins << (e.seat == player
                         ? say(QT_TRANSLATE_NOOP("TableSpeech", "You win %1")).arg(amount)
                         : say(QT_TRANSLATE_NOOP("TableSpeech", "%1 wins %2"))
                               .arg(seatName(e.seat), amount));
        }
    }
    if (wins.isEmpty()) return {};
    if (wins.size() > 1)
        return say(QT_TRANSLATE_NOOP("TableSpeech", "Split pot: %1"))
            .arg(joined(wins, kSplitPotWins));
    return wins.first();
}

QString TableSpeech::finish(int toCall, bool dealOver) {
    cardsSince();
    logging_ = false;
    QStringList out;
    QStringList hands; // the showdown's hand names, in seat order
    int winners = 0;
    std::int64_t yourWin = 0;
    for (const Entry& e : log_) {
        switch (e.kind) {
        case Entry::Kind::Cards: {
            const QString s = describeCards(e);
            if (!s.isEmpty()) out << s;
            break;
        }
        case Entry::Kind::Told:
            if (e.told == Told::hand) {
                hands << (e.seat == player
                              ? say(QT_TRANSLATE_NOOP("TableSpeech", "You have %1")).arg(e.hand)
                              : say(QT_TRANSLATE_NOOP("TableSpeech", "%1 has %2"))
                                    .arg(seatName(e.seat), e.hand));
            } else if (const MoveWords* m = moveWords(e.told); m && m->report) {
                // The human's own fold goes unsaid: he knows.
                out << say(m->report).arg(seatName(e.seat));
            }
            break;
        case Entry::Kind::Won:
            ++winners;
            if (e.seat == player) yourWin = e.amount;
            break;
        }
    }
    if (!hands.isEmpty())
        out << say(QT_TRANSLATE_NOOP("TableSpeech", "Showdown: %1"))
                   .arg(joined(hands, kShowdownHands));
    // The last opponent out leaves the pot to the human without a showdown.
    if (winners == 1 && yourWin > 0 && hands.isEmpty())
        out << say(QT_TRANSLATE_NOOP("TableSpeech",
                                     "Everybody else has folded: you take the pot of %1"))
                   .arg(yourWin);
    else if (winners > 0)
        out << describeWins();
    log_.clear();
    if (out.isEmpty()) return {};
    if (!dealOver) {
        const QString pot =
            say(QT_TRANSLATE_NOOP("TableSpeech", "Pot %1")).arg(QString::number(t_.pot));
        const QString call = toCall > 0
                                 ? say(QT_TRANSLATE_NOOP("TableSpeech", "%1 to call")).arg(toCall)
                                 : say(QT_TRANSLATE_NOOP("TableSpeech", "nothing to call"));
        out << say(QT_TRANSLATE_NOOP("TableSpeech", "%1, %2")).arg(pot, call);
    } else {
        out << say(QT_TRANSLATE_NOOP("TableSpeech", "Deal over"));
    }
    return out.join(say(QT_TRANSLATE_NOOP("TableSpeech", ". "))) +
           say(QT_TRANSLATE_NOOP("TableSpeech", "."));
}

} // namespace stud
