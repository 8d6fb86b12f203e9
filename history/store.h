#pragma once

// The history on disk: one SQLite file of finished deals, written one
// transaction per deal, read back for the history window, and asked for
// every statistic by query, so the figures and the deals cannot disagree.
//
// A bad file never stops the game: a damaged one is moved aside (renamed
// with the date, never deleted) and a new one begun; a file the game may
// not write, or from a newer version, is left alone and nothing recorded.
// Either way the store says so once, through takeNotice().

#include "history/record.h"
#include "history/recorder.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace stud {

namespace sql {
class Db;
}

// One line of the history's list.
struct DealSummary {
    std::int64_t number = 0;
    std::int64_t time = 0;
    std::int64_t result = 0; // the human's gain or loss
    std::string winhand;     // the winning hand's name; empty when nobody showed
    DealEnd end = DealEnd::showdown;
};

struct LevelMatches {
    std::int32_t level = 0;
    std::int64_t played = 0, won = 0, lost = 0, abandoned = 0;
};

struct Statistics {
    std::vector<LevelMatches> matches; // by level, lowest first
    std::int64_t deals = 0, won = 0, wonshowdown = 0, wonfolded = 0;
    std::int64_t firstfolds = 0; // deals the human folded on the first street
    std::int64_t biggestpot = 0; // the biggest pot he won (0: none)
    // His best hand shown at a showdown.
    std::int32_t bestscore = 0;
    std::string besthand;
    Hand bestcards{};
    std::int64_t besttime = 0;
    std::int64_t net = 0;     // what all stored deals won or lost him
    std::int64_t longest = 0; // the longest run of deals won in a row
};

class HistoryStore final : public HistorySink {
  public:
    // What the player is to be told, once.
    enum class Notice {
        none,
        movedaside, // damaged: moved aside as noticeArg(), a new history begun
        newer,      // written by a newer version: left alone, nothing recorded
        readonly,   // the file may not be written: nothing recorded
        unusable,   // no file could be made in noticeArg(): nothing recorded
        full,       // the disk is full: a deal could not be added
    };

    static constexpr int kSchema = 1;
    static constexpr std::int64_t kMaxDeals = 10000;

    // `busyMs`: how long a write waits for another instance's; kept short
    // so the table never freezes (a deal that cannot wait is retried with
    // the next).
    explicit HistoryStore(std::string path, std::int64_t maxDeals = kMaxDeals, int busyMs = 50);
    ~HistoryStore() override;

    // $XDG_DATA_HOME/sevenstud/history.sqlite, or under ~/.local/share.
    static std::string defaultPath();

    void dealfinished(const DealRecord& d) override;
    void matchended(MatchEnd how, SeatId who) override;

    bool recording() {
        ensure();
        return db_ && !readonly_;
    }
    std::int64_t count();
    std::vector<DealSummary> deals(); // newest first
    std::optional<DealRecord> deal(std::int64_t number);
    Statistics statistics();
    bool reset(); // every deal and match gone; false when the file refused
    std::size_t pending() const { return pending_.size(); }

    Notice takeNotice();
    const std::string& noticeArg() const { return noticeArg_; }
    const std::string& path() const { return path_; }

  private:
    // The file is opened at its first use, not when the store is made: the
    // window's first frame does not wait for it.
    void ensure() {
        if (opened_) return;
        opened_ = true;
        open();
    }
    void open();
    void openfile();
    void upgrade();
    void moveaside();
    void tell(Notice n, const std::string& arg = {});
    void write(const DealRecord& d);
    void flush();
    // Runs `f` on the file; a damaged file is moved aside and begun anew.
    template <typename F> bool guarded(F&& f);

    std::string path_;
    std::int64_t maxDeals_;
    int busyMs_;
    std::unique_ptr<sql::Db> db_;
    bool opened_ = false;
    bool readonly_ = false;
    bool movedOnce_ = false;
    std::vector<DealRecord> pending_; // finished, waiting for a busy file
    Notice notice_ = Notice::none;
    bool told_ = false;
    std::string noticeArg_;
};

} // namespace stud
