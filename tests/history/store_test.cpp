// The history file: what survives a bad file, a second instance, a kill in
// the middle of a deal and a full disk; trimming, upgrading, and the
// statistics of a scripted match worked out by hand.

#include "history/store.h"

#include "support/fakeservices.h"
#include "support/faultvfs.h"
#include "support/tempdir.h"

#include "cards/random.h"
#include "game/game.h"
#include "history/recorder.h"
#include "table/settings.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace stud {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A deal as a script of the human's result: he paid `paid` on top of an ante
// of 1 and took `won`, at `end`, folding on the first street when asked.
DealRecord scripted(std::int64_t time, std::int32_t paid, std::int32_t won, DealEnd end,
                    bool firstfold = false, std::int32_t score = 0, const char* hand = "") {
    DealRecord d;
    d.time = time;
    d.level = 200;
    d.ante = 1;
    d.smallbet = 2;
    d.bigbet = 4;
    for (SeatId s : kAllSeats) {
        d.seats[s].cashbefore = 1000;
        d.seats[s].ante = 1;
        for (int i = 0; i < kHandCards; ++i) d.seats[s].cards[i] = Card(s % 4, i + s);
    }
    d.moves.push_back({1, player, firstfold ? Move::folds : Move::calls, firstfold ? 0 : paid});
    if (won == 0) d.seats[freak].won = 5 + paid;
    d.seats[player].won = won;
    d.seats[player].score = score;
    d.seats[player].hand = hand;
    if (score) d.seats[player].shown = 0x7f;
    d.end = end;
    d.pot = won ? won : 5 + paid;
    d.pots = {d.pot};
    return d;
}

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The files left in the folder besides the history itself.
std::vector<std::string> asides(const TempDir& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        if (name.find(".damaged-") != std::string::npos && !name.ends_with("-wal") &&
            !name.ends_with("-shm"))
            out.push_back(e.path().string());
    }
    return out;
}

std::string integrity(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr);
    std::string out = sqlite3_step(st) == SQLITE_ROW
                          ? reinterpret_cast<const char*>(sqlite3_column_text(st, 0))
                          : "no answer";
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

void fill(HistoryStore& h, int n) {
    for (int i = 0; i < n; ++i) h.dealfinished(scripted(i, 2, i % 2 ? 9 : 0, DealEnd::showdown));
}

// The store begins anew after moving `what` aside, tells once, and records.
void expectBegunAnew(HistoryStore& h, const TempDir& dir, const std::string& original) {
    EXPECT_EQ(h.takeNotice(), HistoryStore::Notice::movedaside);
    EXPECT_EQ(h.takeNotice(), HistoryStore::Notice::none) << "told once only";
    const auto moved = asides(dir);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(fs::path(moved[0]).filename().string(), h.noticeArg());
    if (!original.empty()) {
        EXPECT_EQ(slurp(moved[0]), original) << "moved, not changed";
    }
    EXPECT_TRUE(h.recording());
    EXPECT_EQ(h.count(), 0);
    h.dealfinished(scripted(1, 2, 9, DealEnd::showdown));
    EXPECT_EQ(h.count(), 1);
    EXPECT_EQ(integrity(h.path()), "ok");
}

TEST(HistoryFile, BadFilesAreMovedAsideAndANewOneBegun) {
    { // not a database at all
        TempDir dir;
        const std::string path = dir.file("history.sqlite");
        std::ofstream(path) << "[Cash]\nplayer=1200\n";
        const std::string original = slurp(path);
        HistoryStore h(path);
        expectBegunAnew(h, dir, original);
    }
    { // truncated half-way
        TempDir dir;
        const std::string path = dir.file("history.sqlite");
        {
            HistoryStore h(path);
            fill(h, 300);
        }
        fs::resize_file(path, fs::file_size(path) / 2);
        const std::string original = slurp(path);
        HistoryStore h(path);
        expectBegunAnew(h, dir, original);
    }
    { // pages scribbled over
        TempDir dir;
        const std::string path = dir.file("history.sqlite");
        {
            HistoryStore h(path);
            fill(h, 300);
        }
        {
            std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
            // The heads of pages 2 to 6, where their trees' structure lies.
            for (int page = 1; page < 6; ++page) {
                f.seekp(4096 * page);
                for (int i = 0; i < 64; ++i) f.put(static_cast<char>(i * 37 + page));
            }
        }
        const std::string original = slurp(path);
        HistoryStore h(path);
        expectBegunAnew(h, dir, original);
    }
    { // a folder in the file's place
        TempDir dir;
        const std::string path = dir.file("history.sqlite");
        fs::create_directory(path);
        std::ofstream(path + "/keep.txt") << "mine";
        HistoryStore h(path);
        expectBegunAnew(h, dir, {});
        EXPECT_EQ(slurp(asides(dir)[0] + "/keep.txt"), "mine");
    }
}

TEST(HistoryFile, ANewerFileIsLeftAlone) {
    { // written by a newer version
        TempDir dir;
        const std::string path = dir.file("history.sqlite");
        {
            HistoryStore h(path);
            fill(h, 3);
        }
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, "PRAGMA user_version = 7", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        const std::string original = slurp(path);
        HistoryStore h(path);
        EXPECT_EQ(h.takeNotice(), HistoryStore::Notice::newer);
        EXPECT_FALSE(h.recording());
        h.dealfinished(scripted(1, 2, 9, DealEnd::showdown));
        EXPECT_EQ(h.count(), 0);
        EXPECT_EQ(slurp(path), original);
        EXPECT_TRUE(asides(dir).empty());
    }
}

// Runs `check` in a child as the unprivileged user "nobody" when the tests
// run as root (root reads and writes whatever the modes say); what it
// returns is the list of failures.
std::string unprivileged(const std::function<std::string()>& check) {
    if (::geteuid() != 0) return check();
    int fd[2];
    if (::pipe(fd) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fd[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const std::string out = check();
        if (!out.empty() && ::write(fd[1], out.data(), out.size()) < 0) ::_exit(3);
        ::_exit(0);
    }
    ::close(fd[1]);
    std::string out;
    char buf[256];
    for (ssize_t n; (n = ::read(fd[0], buf, sizeof buf)) > 0;)
        out.append(buf, static_cast<std::size_t>(n));
    ::close(fd[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out += " child failed";
    return out;
}

// A folder the unprivileged child owns, holding a history of three deals.
struct OwnFolder {
    TempDir dir;
    std::string path = dir.file("history.sqlite");
    OwnFolder() {
        {
            HistoryStore h(path);
            fill(h, 3);
        }
        if (::geteuid() == 0) {
            for (const auto& e : fs::directory_iterator(dir.path()))
                if (::chown(e.path().c_str(), 65534, 65534) != 0) ADD_FAILURE() << "chown";
            if (::chown(dir.path().c_str(), 65534, 65534) != 0) ADD_FAILURE() << "chown";
        }
    }
};

#define CHECK(cond)                                                                                \
    if (!(cond)) problems += std::string(#cond) + "; "

TEST(HistoryFile, FilesTheGameMayNotReadOrWrite) {
    { // unreadable: set aside like a damaged one, a new one begun
        OwnFolder f;
        EXPECT_EQ(unprivileged([&] {
                      std::string problems;
                      fs::permissions(f.path, fs::perms::none);
                      HistoryStore h(f.path);
                      CHECK(h.takeNotice() == HistoryStore::Notice::movedaside);
                      CHECK(asides(f.dir).size() == 1);
                      CHECK(h.recording());
                      h.dealfinished(scripted(1, 2, 9, DealEnd::showdown));
                      CHECK(h.count() == 1);
                      return problems;
                  }),
                  "");
    }
    { // read-only: shown, never written
        OwnFolder f;
        EXPECT_EQ(unprivileged([&] {
                      std::string problems;
                      fs::permissions(f.path, fs::perms::owner_read);
                      const std::string original = slurp(f.path);
                      HistoryStore h(f.path);
                      CHECK(h.takeNotice() == HistoryStore::Notice::readonly);
                      CHECK(!h.recording());
                      h.dealfinished(scripted(1, 2, 9, DealEnd::showdown));
                      CHECK(slurp(f.path) == original);
                      CHECK(asides(f.dir).empty());
                      return problems;
                  }),
                  "");
    }
    { // a folder nobody may write in
        OwnFolder f;
        EXPECT_EQ(unprivileged([&] {
                      std::string problems;
                      fs::create_directory(f.dir.file("locked"));
                      fs::permissions(f.dir.file("locked"),
                                      fs::perms::owner_read | fs::perms::owner_exec);
                      HistoryStore h(f.dir.file("locked/history.sqlite"));
                      CHECK(h.takeNotice() != HistoryStore::Notice::none);
                      CHECK(!h.recording());
                      h.dealfinished(scripted(1, 2, 9, DealEnd::showdown));
                      return problems;
                  }),
                  "");
    }
}

TEST(HistoryFile, AFullDiskDropsTheDealAndTellsOnce) {
    TempDir dir;
    testing::FaultVfs& vfs = testing::FaultVfs::install();
    HistoryStore h(dir.file("history.sqlite"));
    fill(h, 5);
    vfs.budget = 0;
    h.dealfinished(scripted(1, 2, 9, DealEnd::showdown));
    h.dealfinished(scripted(2, 2, 9, DealEnd::showdown));
    vfs.budget = -1;
    EXPECT_EQ(h.takeNotice(), HistoryStore::Notice::full);
    EXPECT_EQ(h.takeNotice(), HistoryStore::Notice::none);
    EXPECT_EQ(h.count(), 5) << "no half deal";
    EXPECT_EQ(integrity(h.path()), "ok");
    h.dealfinished(scripted(3, 2, 9, DealEnd::showdown));
    EXPECT_EQ(h.count(), 6) << "records again once there is room";
}

TEST(HistoryFile, TwoInstancesBothRecordAndNeitherWaitsLong) {
    TempDir dir;
    const std::string path = dir.file("history.sqlite");
    HistoryStore a(path), b(path);
    a.dealfinished(scripted(1, 2, 9, DealEnd::showdown));
    b.dealfinished(scripted(2, 2, 0, DealEnd::showdown));
    EXPECT_EQ(a.count(), 2);

    // A third holds the file for writing: b keeps its deal and goes on.
    sqlite3* other = nullptr;
    sqlite3_open(path.c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    b.dealfinished(scripted(3, 2, 9, DealEnd::showdown));
    EXPECT_EQ(b.pending(), 1u);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    b.dealfinished(scripted(4, 2, 9, DealEnd::showdown));
    EXPECT_EQ(b.pending(), 0u);
    EXPECT_EQ(a.count(), 4);
    EXPECT_EQ(integrity(path), "ok");
}

// A child plays whole deals with the real engine and records them; it is
// killed at some click, and the file keeps every deal it said it wrote.
TEST(HistoryFile, KilledInTheMiddleOfADealKeepsEveryFinishedOne) {
    TempDir dir;
    const std::string path = dir.file("history.sqlite");
    int pipefd[2];
    ASSERT_EQ(::pipe(pipefd), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipefd[0]);
        struct Tell final : HistorySink {
            HistoryStore store;
            int fd;
            Tell(const std::string& p, int f) : store(p), fd(f) {}
            void dealfinished(const DealRecord& d) override {
                store.dealfinished(d);
                const char c = 'd';
                if (::write(fd, &c, 1) != 1) ::_exit(3);
            }
            void matchended(MatchEnd how, SeatId who) override { store.matchended(how, who); }
        } sink(path, pipefd[1]);
        testing::FakeServices ui(testing::FakeServices::Record::nothing);
        ui.showForm();
        Xoshiro rng(7);
        MemorySettings ini("");
        Game game(ui, rng, ini);
        Recorder rec(game, sink, [] { return std::int64_t{1}; });
        game.watch(&rec);
        game.startup();
        for (;;) {
            if (ui.isEnabled(Control::btnpass))
                game.click(Control::btnstay);
            else if (ui.isEnabled(Control::btnnew))
                game.click(Control::btnnew);
            else
                game.click(Control::NewGame1);
        }
    }
    ::close(pipefd[1]);
    int told = 0;
    char c;
    while (told < 40 && ::read(pipefd[0], &c, 1) == 1) ++told;
    ::kill(child, SIGKILL);
    while (::read(pipefd[0], &c, 1) == 1) ++told; // what it wrote before it died
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(pipefd[0]);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(integrity(path), "ok");
    HistoryStore h(path);
    EXPECT_EQ(h.takeNotice(), HistoryStore::Notice::none);
    EXPECT_EQ(h.count(), told);
}

TEST(HistoryFile, KeepsTheNewestDealsAndUpgradesAnEmptyFile) {
    TempDir dir;
    const std::string path = dir.file("history.sqlite");
    {
        sqlite3* db = nullptr; // an empty file of version 0
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE other(x)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    HistoryStore h(path, 25);
    EXPECT_EQ(h.takeNotice(), HistoryStore::Notice::none);
    fill(h, 40);
    EXPECT_EQ(h.count(), 25);
    const auto list = h.deals();
    ASSERT_EQ(list.size(), 25u);
    EXPECT_EQ(list.front().number, 40);
    EXPECT_EQ(list.back().number, 16);
}

// A scripted match of eight deals at level 200, then a second match given up.
//   deal  paid won  end          human
//   1     2    9    showdown     +6, two pairs (score 900)
//   2     0    0    first fold   -1
//   3     4    0    showdown     -5
//   4     2    7    all folded   +4
//   5     2    11   showdown     +8, flush (score 1800)
//   6     2    9    all folded   +6
//   7     0    0    first fold   -1
//   8     6    21   showdown     +14, target reached by the human
// Then deals 9 (won, +3) and 10 (lost, -3) in a match abandoned by New Game.
TEST(HistoryFile, StatisticsOfAScriptedMatch) {
    TempDir dir;
    HistoryStore h(dir.file("history.sqlite"));
    h.dealfinished(scripted(100, 2, 9, DealEnd::showdown, false, 900, "Two pairs Tens"));
    h.dealfinished(scripted(200, 0, 0, DealEnd::foldshowdown, true));
    h.dealfinished(scripted(300, 4, 0, DealEnd::showdown));
    h.dealfinished(scripted(400, 2, 7, DealEnd::allfolded));
    h.dealfinished(scripted(500, 2, 11, DealEnd::showdown, false, 1800, "Flush Ace High"));
    h.dealfinished(scripted(600, 2, 9, DealEnd::allfolded));
    h.dealfinished(scripted(700, 0, 0, DealEnd::foldshowdown, true));
    DealRecord last = scripted(800, 6, 21, DealEnd::showdown, false, 1200, "Straight Ten High");
    last.matchend = MatchEnd::target;
    last.matchseat = player;
    h.dealfinished(last);
    h.dealfinished(scripted(900, 2, 6, DealEnd::allfolded));
    h.dealfinished(scripted(1000, 2, 0, DealEnd::showdown));
    h.matchended(MatchEnd::abandoned, player);

    const Statistics s = h.statistics();
    ASSERT_EQ(s.matches.size(), 1u);
    EXPECT_EQ(s.matches[0].level, 200);
    EXPECT_EQ(s.matches[0].played, 2);
    EXPECT_EQ(s.matches[0].won, 1);
    EXPECT_EQ(s.matches[0].lost, 0);
    EXPECT_EQ(s.matches[0].abandoned, 1);
    EXPECT_EQ(s.deals, 10);
    EXPECT_EQ(s.won, 6);
    EXPECT_EQ(s.wonshowdown, 3);
    EXPECT_EQ(s.wonfolded, 3);
    EXPECT_EQ(s.firstfolds, 2);
    EXPECT_EQ(s.biggestpot, 21);
    EXPECT_EQ(s.besthand, "Flush Ace High");
    EXPECT_EQ(s.besttime, 500);
    EXPECT_EQ(s.bestcards, scripted(0, 0, 0, DealEnd::showdown).seats[player].cards);
    EXPECT_EQ(s.net, 6 - 1 - 5 + 4 + 8 + 6 - 1 + 14 + 3 - 3);
    EXPECT_EQ(s.longest, 3); // deals 4, 5, 6

    const auto d = h.deal(8);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->matchend, MatchEnd::target);
    EXPECT_EQ(d->result(), 14);

    EXPECT_TRUE(h.reset());
    EXPECT_EQ(h.count(), 0);
    EXPECT_EQ(h.statistics().deals, 0);
    EXPECT_TRUE(h.statistics().matches.empty());
}

} // namespace
} // namespace stud
