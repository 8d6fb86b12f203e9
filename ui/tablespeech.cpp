#include "ui/tablespeech.h"

#include <QRect>

#include <algorithm>

namespace stud {

namespace {

// Where each seat's cards lie on the table (the window's layout): slot i at
// first + i * step, one row per seat; cards are 71 x 96.
struct SeatPlace {
    const char* name;
    Control cash, status;
    int first, step, top;
};

constexpr SeatPlace kPlaces[TableSpeech::kSeats] = {
    {"You", Control::cash, Control::playerstatus, 335, 30, 500},
    {"Peter", Control::lblfcash, Control::freakstatus, 40, 25, 400},
    {"Anna", Control::lblgcash, Control::geekstatus, 120, 25, 160},
    {"George", Control::lblmcash, Control::masterstatus, 565, 25, 160},
    {"Maria", Control::lblccash, Control::champstatus, 650, 25, 400},
};

constexpr int kCardWidth = 71, kCardHeight = 96;
constexpr int kFaces = 52, kImages = 60; // faces, then the card backs

constexpr const char* kRanks[] = {"Two",  "Three", "Four", "Five",  "Six",  "Seven", "Eight",
                                  "Nine", "Ten",   "Jack", "Queen", "King", "Ace"};
constexpr const char* kSuits[] = {"clubs", "diamonds", "hearts", "spades"};
constexpr const char* kCounts[] = {"no", "one", "two", "three", "four", "five", "six", "seven"};

bool isFace(int image) {
    return image >= 0 && image < kFaces;
}
bool isBack(int image) {
    return image >= kFaces && image < kImages;
}

// The status lines the opponents' moves leave; any other line at the end of
// a deal names a hand.
bool isAction(const QString& s) {
    return s == QLatin1String("Calls") || s == QLatin1String("Checks") ||
           s == QLatin1String("Raises") || s == QLatin1String("Folds") ||
           s == QLatin1String("you fold");
}

// "a", "a and b", "a, b and c"
QString joined(const QStringList& items) {
    if (items.size() <= 1) return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

int cardCount(const std::array<int, TableSpeech::kSlots>& hand) {
    int n = 0;
    for (int c : hand)
        if (c != TableSpeech::kNoCard) ++n;
    return n;
}

// Wide enough for the difference of any two amounts a hand-edited settings
// file can put on the table.
bool parseMoney(const QString& s, qint64& out) {
    bool ok = false;
    out = s.toLongLong(&ok);
    return ok;
}

constexpr const char* kStreetNames[] = {
    "", "", "", "", "Fourth street", "Fifth street", "Sixth street", "Seventh street"};

} // namespace

TableSpeech::TableSpeech() {
    for (Hand& h : cards_) h.fill(kNoCard);
}

QString TableSpeech::cardName(int image) {
    if (!isFace(image)) return {};
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kRanks[image % 13]), QLatin1String(kSuits[image / 13]));
}

QString TableSpeech::seatName(int seat) {
    return QLatin1String(kPlaces[seat].name);
}

QString TableSpeech::handText(int seat) const {
    QStringList faces;
    int backs = 0;
    for (int c : cards_[seat]) {
        if (isFace(c)) faces << cardName(c);
        if (isBack(c)) ++backs;
    }
    if (faces.isEmpty() && backs == 0) return QStringLiteral("no cards");
    QStringList parts;
    if (backs > 0)
        parts << QStringLiteral("%1 card%2 face down")
                     .arg(QLatin1String(kCounts[backs]), backs == 1 ? "" : "s");
    parts << faces;
    return parts.join(QStringLiteral(", "));
}

QString TableSpeech::seatSummary(int seat) const {
    QString s = seatName(seat) + QStringLiteral(": ") + cash_[seat];
    QString status = status_[seat];
    if (isAction(status)) status = status.toLower();
    if (!status.isEmpty()) s += QStringLiteral(", ") + status;
    return s;
}

// ---- what the game shows ---------------------------------------------------

void TableSpeech::textSet(Control c, const QString& text) {
    if (c == Control::betsize) {
        pot_ = text;
        return;
    }
    for (int s = 0; s < kSeats; ++s) {
        if (c == kPlaces[s].status) {
            // Every move sets its line, even to the same words as before.
            if (logging_ && !text.isEmpty()) {
                closeCards();
                log_.push_back({Entry::Kind::Status, s, text, 0, {}, {}, false});
            }
            const bool changed = status_[s] != text;
            status_[s] = text;
            if (changed && seatChanged_) seatChanged_(s);
            return;
        }
        if (c == kPlaces[s].cash) {
            qint64 before = 0, after = 0;
            // Cash rises only when a seat takes (a share of) the pot.
            if (logging_ && parseMoney(cash_[s], before) && parseMoney(text, after) &&
                after > before) {
                closeCards();
                log_.push_back({Entry::Kind::Won, s, {}, after - before, {}, {}, false});
            }
            const bool changed = cash_[s] != text;
            cash_[s] = text;
            if (changed && seatChanged_) seatChanged_(s);
            return;
        }
    }
}

void TableSpeech::colourSet(Control, TextColor) {}

void TableSpeech::imageDrawn(ImageSet set, int index, int left, int top) {
    if (set != ImageSet::cards) return;
    for (int s = 0; s < kSeats; ++s) {
        const SeatPlace& p = kPlaces[s];
        if (top != p.top || left < p.first || (left - p.first) % p.step != 0) continue;
        const int slot = (left - p.first) / p.step;
        if (slot < kSlots) setCard(s, slot, index);
        return;
    }
}

void TableSpeech::areaFilled(int left, int top, int right, int bottom) {
    const QRect filled(QPoint(left, top), QPoint(right - 1, bottom - 1));
    for (int s = 0; s < kSeats; ++s)
        for (int i = 0; i < kSlots; ++i) {
            const QRect slot(kPlaces[s].first + i * kPlaces[s].step, kPlaces[s].top, kCardWidth,
                             kCardHeight);
            // A card partly painted over still shows; one wiped whole is gone.
            if (filled.contains(slot)) setCard(s, i, kNoCard);
        }
}

void TableSpeech::setCard(int seat, int slot, int image) {
    int& c = cards_[seat][slot];
    if (c == image) return;
    if (logging_ && (log_.empty() || !log_.back().open)) {
        Entry e{Entry::Kind::Cards, 0, {}, 0, {}, {}, false};
        e.before = cards_;
        e.open = true;
        log_.push_back(e);
    }
    c = image;
    if (handsChanged_) handsChanged_();
}

// ---- the report of a click ---------------------------------------------------

void TableSpeech::begin() {
    log_.clear();
    logging_ = true;
}

void TableSpeech::closeCards() {
    if (log_.empty() || !log_.back().open) return;
    log_.back().after = cards_;
    log_.back().open = false;
}

QString TableSpeech::describeCards(const Entry& e) const {
    int most = 0;
    for (const Hand& h : e.after) most = std::max(most, cardCount(h));
    if (most == 0) return {};
    bool changed = false;
    for (int s = 0; s < kSeats; ++s)
        for (int i = 0; i < kSlots; ++i)
            // A card uncovered is no new card, and a wiped one is told by
            // the seat's own status line.
            if (e.after[s][i] != e.before[s][i] && e.after[s][i] != kNoCard &&
                !(isBack(e.before[s][i]) && isFace(e.after[s][i])))
                changed = true;
    if (!changed) return {};

    const bool newDeal = most == 3;
    QStringList sentences;
    QStringList shown;
    QStringList faceDown;
    for (int s = 0; s < kSeats; ++s) {
        QStringList got;
        bool hidden = false;
        for (int i = 0; i < kSlots; ++i) {
            const int a = e.after[s][i], b = e.before[s][i];
            if (a == b && !newDeal) continue;
            if (isFace(a) && !(isBack(b) && !newDeal)) got << cardName(a);
            if (isBack(a) && (newDeal ? i >= 2 : !isBack(b))) hidden = true;
        }
        if (s == 0) {
            if (!got.isEmpty())
                sentences << (newDeal ? QStringLiteral("Your cards: ")
                                      : QStringLiteral("You get ")) +
                                 joined(got);
            continue;
        }
        if (!got.isEmpty()) shown << seatName(s) + QStringLiteral(" shows ") + joined(got);
        if (hidden && got.isEmpty()) faceDown << seatName(s);
    }
    if (!shown.isEmpty()) sentences << shown.join(QStringLiteral(", "));
    if (!faceDown.isEmpty())
        sentences << joined(faceDown) +
                         (faceDown.size() == 1 ? QStringLiteral(" gets") : QStringLiteral(" get")) +
                         QStringLiteral(" a card face down");
    if (sentences.isEmpty()) return {};
    const QString head = newDeal ? QStringLiteral("New deal") : QLatin1String(kStreetNames[most]);
    return head + QStringLiteral(". ") + sentences.join(QStringLiteral(". "));
}

QString TableSpeech::describeWins() const {
    QStringList wins;
    for (const Entry& e : log_) {
        if (e.kind != Entry::Kind::Won) continue;
        const QString hand = status_[e.seat];
        QString w = seatName(e.seat) +
                    (e.seat == 0 ? QStringLiteral(" win ") : QStringLiteral(" wins ")) +
                    QString::number(e.amount);
        if (!hand.isEmpty() && !isAction(hand)) w += QStringLiteral(" with ") + hand;
        wins << w;
    }
    if (wins.isEmpty()) return {};
    if (wins.size() > 1) return QStringLiteral("Split pot: ") + joined(wins);
    return wins.first();
}

QString TableSpeech::finish(int toCall, bool dealOver) {
    closeCards();
    logging_ = false;
    QStringList out;
    QStringList hands; // the showdown's hand names, in seat order
    for (const Entry& e : log_) {
        switch (e.kind) {
        case Entry::Kind::Cards: {
            const QString s = describeCards(e);
            if (!s.isEmpty()) out << s;
            break;
        }
        case Entry::Kind::Status:
            if (e.text == QLatin1String("you fold")) break; // the human knows
            if (isAction(e.text)) {
                out << seatName(e.seat) + QLatin1Char(' ') + e.text.toLower();
            } else {
                hands << seatName(e.seat) +
                             (e.seat == 0 ? QStringLiteral(" have ") : QStringLiteral(" has ")) +
                             e.text;
            }
            break;
        case Entry::Kind::Won:
            break;
        }
    }
    if (!hands.isEmpty()) out << QStringLiteral("Showdown: ") + hands.join(QStringLiteral(", "));
    int winners = 0;
    qint64 yourWin = 0;
    for (const Entry& e : log_) {
        if (e.kind != Entry::Kind::Won) continue;
        ++winners;
        if (e.seat == 0) yourWin = e.amount;
    }
    // The last opponent out leaves the pot to the human without a showdown.
    if (winners == 1 && yourWin > 0 && hands.isEmpty())
        out << QStringLiteral("Everybody else has folded: you take the pot of %1").arg(yourWin);
    else if (winners > 0)
        out << describeWins();
    log_.clear();
    if (out.isEmpty()) return {};
    if (!dealOver) {
        QString money = QStringLiteral("Pot ") + pot_;
        money += toCall > 0 ? QStringLiteral(", %1 to call").arg(toCall)
                            : QStringLiteral(", nothing to call");
        out << money;
    } else {
        out << QStringLiteral("Deal over");
    }
    return out.join(QStringLiteral(". ")) + QLatin1Char('.');
}

} // namespace stud
