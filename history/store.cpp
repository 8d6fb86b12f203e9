#include "history/store.h"

#include "history/sqlite.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace stud {

namespace fs = std::filesystem;

namespace {

// A deal waiting for a busy file is kept this long; beyond it the oldest is
// dropped rather than letting memory grow without end.
constexpr std::size_t kMaxPending = 64;
// The write-ahead log is folded into the file when the game closes, and
// during play only once it has grown this long (pages of 4 KiB).
constexpr int kWalCapPages = 4000;

// Each step upgrades a file from the version before it; the file's
// user_version says where it stands.
constexpr const char* kUpgrades[] = {
    // 0 -> 1
    "CREATE TABLE match(id INTEGER PRIMARY KEY, level INTEGER NOT NULL, started INTEGER NOT NULL,"
    " ending INTEGER, seat INTEGER);"
    "CREATE TABLE deal(number INTEGER PRIMARY KEY, match INTEGER NOT NULL, time INTEGER NOT NULL,"
    " level INTEGER NOT NULL, ante INTEGER NOT NULL, smallbet INTEGER NOT NULL,"
    " bigbet INTEGER NOT NULL, ending INTEGER NOT NULL, pot INTEGER NOT NULL,"
    " remainder INTEGER NOT NULL, streets INTEGER NOT NULL, result INTEGER NOT NULL,"
    " won INTEGER NOT NULL, firstfold INTEGER NOT NULL, score INTEGER NOT NULL,"
    " hand TEXT NOT NULL, cards TEXT NOT NULL, winhand TEXT NOT NULL);"
    // The cards and moves apart from the figures: the statistics read every
    // deal's figures, and a narrow table is read four times faster.
    "CREATE TABLE detail(number INTEGER PRIMARY KEY, text TEXT NOT NULL);"
    "PRAGMA user_version = 1;",
};
static_assert(std::size(kUpgrades) == HistoryStore::kSchema);

std::string home() {
    if (const char* h = std::getenv("HOME"); h && h[0] != '\0') return h;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

std::string stamp() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &tm);
    return text;
}

std::string cardsText(const Hand& h) {
    std::string s;
    for (const Card c : h) s += std::to_string(c.image()) + ' ';
    if (!s.empty()) s.pop_back();
    return s;
}

int walHook(void*, sqlite3* db, const char* name, int pages) {
    if (pages >= kWalCapPages)
        sqlite3_wal_checkpoint_v2(db, name, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    return SQLITE_OK;
}

} // namespace

HistoryStore::HistoryStore(std::string path, std::int64_t maxDeals, int busyMs)
    : path_(std::move(path)), maxDeals_(maxDeals), busyMs_(busyMs) {}

HistoryStore::~HistoryStore() {
    if (!db_) return;
    flush();
    // Fold the log into the file now rather than at some deal's write.
    try {
        if (!readonly_) db_->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (const sql::Error&) {
        // another instance still reads: it folds the log when it closes
    }
}

std::string HistoryStore::defaultPath() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const std::string h = home();
        if (h.empty()) return "history.sqlite";
        base = h + "/.local/share";
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/sevenstud/history.sqlite";
}

void HistoryStore::tell(Notice n, const std::string& arg) {
    if (told_ || notice_ != Notice::none) return; // once is enough
    notice_ = n;
    noticeArg_ = arg;
}

HistoryStore::Notice HistoryStore::takeNotice() {
    ensure();
    const Notice n = notice_;
    if (n != Notice::none) told_ = true;
    notice_ = Notice::none;
    return n;
}

// Whatever lies in the history's place and cannot serve goes aside under a
// dated name, with its log; nothing is deleted.
void HistoryStore::moveaside() {
    db_.reset();
    std::string aside = path_ + ".damaged-" + stamp();
    std::error_code probe, ec;
    for (int n = 2; fs::exists(fs::symlink_status(aside, probe)); ++n)
        aside = path_ + ".damaged-" + stamp() + "-" + std::to_string(n);
    fs::rename(path_, aside, ec);
    if (!ec)
        for (const char* tail : {"-wal", "-shm"})
            if (fs::exists(fs::symlink_status(path_ + tail, probe)))
                fs::rename(path_ + tail, aside + tail, probe);
    movedOnce_ = true;
    if (ec) {
        tell(Notice::unusable, path_);
        return;
    }
    tell(Notice::movedaside, fs::path(aside).filename().string());
}

void HistoryStore::open() {
    std::error_code ec;
    const fs::path dir = fs::path(path_).parent_path();
    if (!dir.empty()) fs::create_directories(dir, ec);
    const fs::file_status st = fs::status(path_, ec);
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        moveaside(); // a folder or anything else in the file's place
        if (notice_ == Notice::unusable) return;
    } else if (fs::exists(st) && ::access(path_.c_str(), R_OK) != 0) {
        moveaside();
        if (notice_ == Notice::unusable) return;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            openfile();
            return;
        } catch (const sql::Error& e) {
            db_.reset();
            if (e.damaged() && attempt == 0 && !movedOnce_) {
                moveaside();
                if (notice_ == Notice::unusable) return;
                continue;
            }
            tell(e.code() == SQLITE_READONLY ? Notice::readonly : Notice::unusable, path_);
            return;
        }
    }
}

void HistoryStore::openfile() {
    db_ = std::make_unique<sql::Db>(path_, true);
    sqlite3_busy_timeout(db_->handle(), busyMs_);
    const std::int64_t version = db_->scalar("PRAGMA user_version");
    if (version > kSchema) {
        db_.reset();
        tell(Notice::newer);
        return;
    }
    readonly_ = db_->readonly();
    if (readonly_) {
        tell(Notice::readonly, path_);
    } else {
        // Write-ahead logging with normal syncing: a commit appends to the
        // log without waiting for the disk, and a crash or a kill keeps
        // every committed deal and a sound file. The log is folded in at
        // close (or when it grows long), not at every deal.
        db_->exec("PRAGMA journal_mode=WAL");
        db_->exec("PRAGMA synchronous=NORMAL");
        sqlite3_wal_hook(db_->handle(), walHook, nullptr);
        // The log stays between runs (emptied at close): made afresh at each
        // run's first deal it would cost that deal a sync of the folder too.
        int keep = 1;
        sqlite3_file_control(db_->handle(), "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
        if (version < kSchema) upgrade();
    }
    // Reads every page of the deals: a truncated or scribbled file shows here,
    // at start, rather than in the middle of a game.
    sql::Stmt check(*db_, "PRAGMA quick_check(1)");
    if (!check.step() || check.text(0) != "ok") throw sql::Error(SQLITE_CORRUPT, check.text(0));
    if (version == 0 && readonly_) db_.reset(); // nothing to show
}

void HistoryStore::upgrade() {
    sql::Transaction tx(*db_);
    // Another instance may have upgraded it while we waited.
    for (std::int64_t v = db_->scalar("PRAGMA user_version"); v < kSchema; ++v)
        db_->exec(kUpgrades[v]);
    tx.commit();
}

template <typename F> bool HistoryStore::guarded(F&& f) {
    ensure();
    if (!db_) return false;
    try {
        f();
        return true;
    } catch (const sql::Error& e) {
        if (e.damaged()) {
            moveaside();
            if (notice_ != Notice::unusable) {
                try {
                    openfile();
                } catch (const sql::Error&) {
                    db_.reset();
                }
            }
        } else if (e.code() == SQLITE_FULL) {
            tell(Notice::full);
        } else if (e.code() == SQLITE_READONLY) {
            readonly_ = true;
            tell(Notice::readonly, path_);
        }
        return false;
    }
}

void HistoryStore::dealfinished(const DealRecord& d) {
    if (!recording()) return;
    pending_.push_back(d);
    if (pending_.size() > kMaxPending) pending_.erase(pending_.begin());
    flush();
}

// Writes what waits, oldest first, each deal in a transaction of its own;
// a busy file keeps the rest for the next deal, a full disk drops the one
// that did not fit.
void HistoryStore::flush() {
    while (!pending_.empty() && recording()) {
        bool busy = false;
        const bool ok = guarded([&] {
            try {
                write(pending_.front());
            } catch (const sql::Error& e) {
                if (e.code() != SQLITE_BUSY && e.code() != SQLITE_LOCKED) throw;
                busy = true;
            }
        });
        if (busy) return;
        pending_.erase(pending_.begin());
        if (!ok) return;
    }
}

void HistoryStore::write(const DealRecord& d) {
    sql::Transaction tx(*db_);
    std::int64_t match =
        db_->scalar("SELECT id FROM match WHERE ending IS NULL ORDER BY id DESC LIMIT 1");
    if (match == 0) {
        sql::Stmt m(*db_, "INSERT INTO match(level, started) VALUES(?, ?)");
        m.bind(1, d.level).bind(2, d.time).run();
        match = sqlite3_last_insert_rowid(db_->handle());
    }
    bool firstfold = false;
    for (const MoveRecord& m : d.moves)
        if (m.seat == player && m.move == Move::folds && m.street == kFirstStreet) firstfold = true;
    const int w = d.winner();
    const SeatRecord& me = d.seats[player];
    sql::Stmt ins(
        *db_, "INSERT INTO deal(match, time, level, ante, smallbet, bigbet, ending, pot, remainder,"
              " streets, result, won, firstfold, score, hand, cards, winhand)"
              " VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    ins.bind(1, match).bind(2, d.time).bind(3, d.level).bind(4, d.ante).bind(5, d.smallbet);
    ins.bind(6, d.bigbet).bind(7, static_cast<int>(d.end)).bind(8, d.pot).bind(9, d.remainder);
    ins.bind(10, d.streets()).bind(11, d.result()).bind(12, me.won).bind(13, firstfold ? 1 : 0);
    ins.bind(14, me.hand.empty() ? 0 : me.score).bind(15, me.hand).bind(16, cardsText(me.cards));
    ins.bind(17, w >= 0 ? d.seats[w].hand : std::string());
    ins.run();
    sql::Stmt detail(*db_, "INSERT INTO detail(number, text) VALUES(?, ?)");
    detail.bind(1, sqlite3_last_insert_rowid(db_->handle())).bind(2, encodeDetail(d)).run();
    if (d.matchend) {
        sql::Stmt end(*db_, "UPDATE match SET ending = ?, seat = ? WHERE id = ?");
        end.bind(1, static_cast<int>(*d.matchend)).bind(2, int{d.matchseat}).bind(3, match).run();
    }
    // The oldest deals go once the history is full, and the matches left
    // without a deal with them.
    sql::Stmt trim(*db_, "DELETE FROM deal WHERE number <= (SELECT max(number) FROM deal) - ?");
    trim.bind(1, maxDeals_).run();
    if (sqlite3_changes(db_->handle()) > 0) {
        db_->exec("DELETE FROM detail WHERE number < (SELECT min(number) FROM deal)");
        db_->exec("DELETE FROM match WHERE id < (SELECT match FROM deal ORDER BY number LIMIT 1)");
    }
    tx.commit();
}

void HistoryStore::matchended(MatchEnd how, SeatId who) {
    if (!recording()) return;
    flush();
    guarded([&] {
        sql::Stmt end(*db_, "UPDATE match SET ending = ?, seat = ? WHERE id ="
                            " (SELECT max(id) FROM match) AND ending IS NULL");
        end.bind(1, static_cast<int>(how)).bind(2, int{who}).run();
    });
}

std::int64_t HistoryStore::count() {
    std::int64_t n = 0;
    guarded([&] { n = db_->scalar("SELECT count(*) FROM deal"); });
    return n;
}

std::vector<DealSummary> HistoryStore::deals() {
    std::vector<DealSummary> out;
    guarded([&] {
        out.clear();
        sql::Stmt q(*db_,
                    "SELECT number, time, result, winhand, ending FROM deal ORDER BY number DESC");
        while (q.step())
            out.push_back({q.integer(0), q.integer(1), q.integer(2), q.text(3),
                           static_cast<DealEnd>(q.integer(4))});
    });
    return out;
}

std::optional<DealRecord> HistoryStore::deal(std::int64_t number) {
    std::optional<DealRecord> out;
    guarded([&] {
        sql::Stmt q(*db_, "SELECT deal.time, deal.level, ante, smallbet, bigbet, deal.ending, pot, "
                          "remainder, detail.text, m.ending, m.seat FROM deal"
                          " JOIN match m ON m.id = deal.match JOIN detail USING (number)"
                          " WHERE number = ?");
        q.bind(1, number);
        if (!q.step()) return;
        DealRecord d;
        d.number = number;
        d.time = q.integer(0);
        d.level = static_cast<std::int32_t>(q.integer(1));
        d.ante = static_cast<std::int32_t>(q.integer(2));
        d.smallbet = static_cast<std::int32_t>(q.integer(3));
        d.bigbet = static_cast<std::int32_t>(q.integer(4));
        d.end = static_cast<DealEnd>(q.integer(5));
        d.pot = static_cast<std::int32_t>(q.integer(6));
        d.remainder = static_cast<std::int32_t>(q.integer(7));
        if (!decodeDetail(q.text(8), d)) return;
        // The last deal of a match tells how the match ended.
        if (!q.null(9) &&
            db_->scalar(("SELECT max(number) FROM deal WHERE match = (SELECT match FROM deal"
                         " WHERE number = " +
                         std::to_string(number) + ")")
                            .c_str()) == number) {
            d.matchend = static_cast<MatchEnd>(q.integer(9));
            d.matchseat = static_cast<SeatId>(q.integer(10));
        }
        out = std::move(d);
    });
    return out;
}

Statistics HistoryStore::statistics() {
    Statistics s;
    guarded([&] {
        s = Statistics{};
        // A match is won by "You win!" or the human at the target, lost by
        // "You lose!" or an opponent at it.
        sql::Stmt m(*db_, "SELECT level, count(*), total(ending = 1 OR (ending = 2 AND seat = 0)),"
                          " total(ending = 0 OR (ending = 2 AND seat <> 0)), total(ending = 3)"
                          " FROM match GROUP BY level ORDER BY level");
        while (m.step())
            s.matches.push_back({static_cast<std::int32_t>(m.integer(0)), m.integer(1),
                                 m.integer(2), m.integer(3), m.integer(4)});
        sql::Stmt d(*db_,
                    "SELECT count(*), total(won > 0), total(won > 0 AND ending <> 0),"
                    " total(won > 0 AND ending = 0), total(firstfold),"
                    " ifnull(max(CASE WHEN won > 0 THEN pot END), 0), total(result) FROM deal");
        if (d.step()) {
            s.deals = d.integer(0);
            s.won = d.integer(1);
            s.wonshowdown = d.integer(2);
            s.wonfolded = d.integer(3);
            s.firstfolds = d.integer(4);
            s.biggestpot = d.integer(5);
            s.net = d.integer(6);
        }
        sql::Stmt b(*db_,
                    "SELECT score, hand, detail.text, time FROM deal JOIN detail USING (number)"
                    " WHERE score > 0 ORDER BY score DESC, number LIMIT 1");
        if (b.step()) {
            s.bestscore = static_cast<std::int32_t>(b.integer(0));
            s.besthand = b.text(1);
            DealRecord r;
            if (decodeDetail(b.text(2), r)) s.bestcards = r.seats[player].cards;
            s.besttime = b.integer(3);
        }
        // Runs of won deals: within a run, number minus its rank among the
        // won deals stays the same.
        s.longest = db_->scalar("SELECT ifnull(max(n), 0) FROM (SELECT count(*) AS n FROM"
                                " (SELECT won > 0 AS w, row_number() OVER (ORDER BY number) -"
                                " row_number() OVER (PARTITION BY won > 0 ORDER BY number) AS run"
                                " FROM deal) WHERE w GROUP BY run)");
    });
    return s;
}

bool HistoryStore::reset() {
    pending_.clear();
    if (!recording()) return false;
    return guarded([&] {
        sql::Transaction tx(*db_);
        db_->exec("DELETE FROM deal; DELETE FROM detail; DELETE FROM match;");
        tx.commit();
    });
}

} // namespace stud
