#pragma once

// Listens to the engine's events and keeps the deal in progress in memory;
// only a finished deal leaves it, in one piece, for the store. A click
// therefore costs the history a few appends and nothing on disk.

#include "game/game.h"
#include "history/record.h"

#include <cstdint>
#include <functional>

namespace stud {

// Where finished deals and the ends of matches go: the store, or a test.
class HistorySink {
  public:
    virtual ~HistorySink() = default;
    virtual void dealfinished(const DealRecord& d) = 0;
    // The match so far has ended; a match end that comes with a deal
    // arrives in the deal's `matchend` instead.
    virtual void matchended(MatchEnd how, SeatId who) = 0;
};

class Recorder final : public TableWatcher {
  public:
    using Clock = std::function<std::int64_t()>; // seconds since 1970
    // Forwards every event to `next` too (the screen reader's watcher), so
    // the game needs one watcher.
    Recorder(const Game& game, HistorySink& sink, Clock clock, TableWatcher* next = nullptr);

    void told(SeatId s) override;
    void won(SeatId s, std::int64_t amount) override;
    void dealstarts() override;
    void cardsdrawn() override;
    void moved(SeatId s, Move m, std::int32_t amount) override;
    void streetdone() override;
    void dealover() override;
    void matchover(MatchEnd how, SeatId who) override;

    // A deal is being recorded (dealt and not yet decided).
    bool recording() const { return open_; }

  private:
    const Game& game_;
    HistorySink& sink_;
    Clock clock_;
    TableWatcher* next_;
    DealRecord deal_;
    bool open_ = false;
    int street_ = kFirstStreet; // the street being played
};

} // namespace stud
