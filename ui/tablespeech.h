#pragma once

#include "ui/qtservices.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace stud {

// What a screen reader says about the table, built only from what the game
// shows through the services: the cards drawn in each seat's row, the status
// and cash labels, the pot. It keeps a model of the drawn cards for the
// per-seat hand texts, and, between begin() and finish(), a log of what
// happened in play order, which finish() turns into one sentence-by-sentence
// report of the click.
class TableSpeech final : public ServicesListener {
  public:
    static constexpr int kSeats = 5;   // you, Peter, Anna, George, Maria
    static constexpr int kSlots = 7;   // cards a seat can hold
    static constexpr int kNoCard = -1; // nothing drawn in the slot

    TableSpeech();

    // "Ace of spades" for a face image (13 x suit + rank), "" for other indices.
    static QString cardName(int image);
    // "You", "Peter", "Anna", "George", "Maria".
    static QString seatName(int seat);

    // What a sighted player sees of a seat's cards right now: all of the
    // human's cards; "two cards face down" and the face-up cards of an
    // opponent; "no cards" once nothing is drawn there.
    QString handText(int seat) const;
    // The seat's name label as a screen reader reads it: "Peter: 1185, raises".
    QString seatSummary(int seat) const;
    // The image drawn in a card slot, kNoCard when the slot shows the table.
    int card(int seat, int slot) const { return cards_[seat][slot]; }

    // Runs (once per change of the drawing) after a hand text may have changed.
    void setHandsChanged(std::function<void()> f) { handsChanged_ = std::move(f); }
    // Runs when a seat's cash or status text changed.
    void setSeatChanged(std::function<void(int seat)> f) { seatChanged_ = std::move(f); }
    // Runs, while a report is being gathered, just before a message box opens.
    void setBeforeBox(std::function<void()> f) { beforeBox_ = std::move(f); }

    // Starts the log of one click (or of the start-up).
    void begin();
    // Ends it and returns what to say, "" when nothing worth saying happened.
    // `toCall` is the amount the human must pay to stay in, 0 for none;
    // `dealOver` tells that the deal has been decided.
    QString finish(int toCall, bool dealOver);
    bool logging() const { return logging_; }

    // ---- ServicesListener ------------------------------------------------
    void textSet(Control c, const QString& text) override;
    void colourSet(Control label, TextColor colour) override;
    void imageDrawn(ImageSet set, int index, int left, int top) override;
    void areaFilled(int left, int top, int right, int bottom) override;
    void aboutToAsk() override {
        if (logging_ && beforeBox_) beforeBox_();
    }

  private:
    using Hand = std::array<int, kSlots>;
    using Table = std::array<Hand, kSeats>;

    struct Entry {
        enum class Kind { Cards, Status, Won } kind;
        int seat = 0;
        QString text;      // Status: the new status line
        qint64 amount = 0; // Won: what the seat's cash rose by
        Table before{};    // Cards: the drawing before and after
        Table after{};
        bool open = false;
    };

    void setCard(int seat, int slot, int image);
    void closeCards();
    QString describeCards(const Entry& e) const;
    QString describeWins() const;

    Table cards_{};
    std::array<QString, kSeats> status_;
    std::array<QString, kSeats> cash_;
    QString pot_;
    bool logging_ = false;
    std::vector<Entry> log_;
    std::function<void()> handsChanged_;
    std::function<void(int)> seatChanged_;
    std::function<void()> beforeBox_;
};

} // namespace stud
