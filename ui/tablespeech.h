#pragma once

#include "game/game.h"
#include "table/tablestate.h"

#include <QString>

#include <vector>

namespace stud {

// What a screen reader says about the table, read from the game itself: the
// cards each seat's slots show, the seats' cash and status lines and the pot
// from its state, and, between begin() and finish(), the moves and wins it
// reports as they happen, which finish() turns into one sentence-by-sentence
// report of the click. Every phrase goes through the "TableSpeech" (and
// "Cards") translation context; with no translation it is English.
class TableSpeech final : public TableWatcher {
  public:
    explicit TableSpeech(const TableState& table);

    // "Ace of spades" for a face image (13 x suit + rank), "" for other indices.
    static QString cardName(int image);
    // "You", "Peter", "Anna", "George", "Maria".
    static QString seatName(int seat);

    // What a sighted player sees of a seat's cards right now: all of the
    // human's cards; "two cards face down" and the face-up cards of an
    // opponent; "no cards" once nothing is shown there.
    QString handText(int seat) const;
    // The hand text with its owner: "Peter's cards: two cards face down, ...".
    QString handLabel(int seat) const;
    // The seat's name label as a screen reader reads it: "Peter: 1185, raises".
    QString seatSummary(int seat) const;

    // Starts the log of one click (or of the start-up).
    void begin();
    // Ends it and returns what to say, "" when nothing worth saying happened.
    // `toCall` is the amount the human must pay to stay in, 0 for none;
    // `dealOver` tells that the deal has been decided.
    QString finish(int toCall, bool dealOver);
    bool logging() const { return logging_; }

    // ---- TableWatcher ------------------------------------------------------
    void told(SeatId s) override;
    void won(SeatId s, std::int64_t amount) override;

  private:
    struct Entry {
        enum class Kind { Cards, Told, Won } kind = Kind::Cards;
        int seat = 0;
        Told told = Told::nothing;
        QString hand;            // Told::hand: the hand's name
        std::int64_t amount = 0; // Won: what the seat took
        ShownCards before{};     // Cards: the table before and after
        ShownCards after{};
    };

    // Logs the cards shown since the last entry, if any changed.
    void cardsSince();
    QString describeCards(const Entry& e) const;
    QString describeWins() const;

    const TableState& t_;
    bool logging_ = false;
    ShownCards lastShown_{}; // the cards shown at the last entry
    std::vector<Entry> log_;
};

} // namespace stud
