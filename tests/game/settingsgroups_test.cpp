// Values that belong together are stored as one group: the file holds all of
// a group or what it held before, also when the program dies mid-write.

#include "cards/random.h"
#include "game/game.h"
#include "support/fakeservices.h"
#include "support/scriptedrandom.h"
#include "support/tempdir.h"
#include "table/settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace stud;
using stud::testing::FakeServices;
using stud::testing::TempDir;

namespace {

// Logs every read and every group written ("Cash/freak,Cash/player"), and
// refuses the group numbered `refuseGroup` (from 1) the way a read-only file does.
class LoggingSettings final : public SettingsStore {
  public:
    explicit LoggingSettings(MemorySettings& inner) : inner(inner) {}
    std::optional<std::string> read(std::string_view section, std::string_view key) const override {
        log.push_back("read " + std::string(section) + "/" + std::string(key));
        return inner.read(section, key);
    }
    void write(std::span<const SettingsValue> group) override {
        std::string entry = "write";
        for (const SettingsValue& v : group) {
            entry += &v == group.data() ? ' ' : ',';
            entry += v.key;
        }
        log.push_back(entry);
        if (static_cast<int>(++groups) == refuseGroup) throw SettingsError("tarvo.ini");
        inner.write(group);
    }
    std::vector<std::string> writes() const {
        std::vector<std::string> out;
        for (const std::string& e : log)
            if (e.rfind("write ", 0) == 0) out.push_back(e);
        return out;
    }

    MemorySettings& inner;
    mutable std::vector<std::string> log;
    int groups = 0;
    int refuseGroup = 0;
};

const std::string kCash = "[Cash]\nfreak=10\nplayer=20\ngeek=30\nmaster=40\nchamp=50\n";

std::int64_t cashTotal(const SettingsStore& s) {
    std::int64_t sum = 0;
    for (const char* key : {"freak", "player", "geek", "master", "champ"})
        sum += s.readInteger("Cash", key, -1000000);
    return sum;
}

TEST(SettingsGroups, StartUpWritesOneGroupAndDealTwo) {
    // One group is one replacement of the file, with one sync of the file and
    // one of its folder: at most 2 at start-up and 4 per "Deal".
    FakeServices ui;
    ScriptedRandom rng({99}, true);
    MemorySettings mem(kCash);
    LoggingSettings ini(mem);
    Game game(ui, rng, ini);
    game.startup();
    EXPECT_EQ(ini.writes(), (std::vector<std::string>{
                                "write Color,freak,player,geek,master,champ,until,initial"}));

    game.click(Control::btnpass); // ends the deal
    std::int64_t left = 0;
    for (SeatId s : kAllSeats) left += game.state().seats[s].cash;
    ini.log.clear();
    game.click(Control::btnnew);
    EXPECT_EQ(ini.log, (std::vector<std::string>{"write Color", "read Settings/Sound",
                                                 "write freak,player,geek,master,champ"}));
    EXPECT_EQ(cashTotal(mem), left) << "the cash the last deal left";
}

TEST(SettingsGroups, ARefusedGroupEndsTheStepThereAndKeepsTheEarlierValues) {
    for (int refused : {1, 2}) {
        SCOPED_TRACE(refused);
        FakeServices ui;
        ScriptedRandom rng({99}, true);
        MemorySettings mem(kCash);
        LoggingSettings ini(mem);
        Game game(ui, rng, ini);
        game.startup();
        game.click(Control::btnpass);
        const std::string before = mem.text();
        ini.groups = 0;
        ini.refuseGroup = refused;
        ui.clearLog();
        try {
            game.click(Control::btnnew);
            FAIL() << "the refused write did not end the deal";
        } catch (const SettingsError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to tarvo.ini");
        }
        EXPECT_EQ(mem.text(), before);
        // Nothing after the refused write ran: no new cards, "Deal" still on.
        EXPECT_EQ(ui.enabledButtons(), "D---");
        EXPECT_EQ(ui.images().size(), 4u) << "only the resting portraits";
    }
}

// A child plays deal after deal on a real file and is killed at a random
// moment; the file it leaves must hold the seats' cash as it stood between
// two deals, never a mix of two.
TEST(SettingsGroups, AKilledGameNeverLeavesHalfADealsCash) {
    TempDir dir("studkill");
    const std::string path = dir.file("tarvo.ini");
    // No match ends in the time a round lasts: deep pockets, a far target.
    std::ofstream(path) << "[Cash]\nfreak=90000\nplayer=90000\ngeek=90000\nmaster=90000\n"
                           "champ=90000\ninitial=90000\nuntil=1000000\n";
    // Only a split pot's remainder leaves play, so the totals are few; a file
    // holding some seats before a deal and others after it shows another.
    std::set<std::int64_t> totals{450000};
    long long deals = 0;
    std::mt19937 moments(20240601);
    std::uniform_int_distribution<int> delayUs(5000, 120000);

    // At least 40 kills, and on as long as too few deals were played (a slow
    // disk, a sanitizer build).
    for (int round = 0; round < 400 && (round < 40 || deals <= 40); ++round) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            FakeServices ui;
            Xoshiro rng(static_cast<std::uint64_t>(round) + 1);
            IniFile ini(path);
            Game game(ui, rng, ini);
            try {
                game.startup();
                for (;;) {
                    if (!game.dealdecided()) game.click(Control::btnstay);
                    if (!game.dealdecided()) continue;
                    // Between deals: what the next "Deal" stores.
                    std::int64_t total = 0;
                    for (SeatId s : kAllSeats) total += game.state().seats[s].cash;
                    if (::write(fds[1], &total, sizeof total) != sizeof total) ::_exit(3);
                    game.click(Control::btnnew);
                }
            } catch (...) {
                ::_exit(2);
            }
        }
        ::close(fds[1]);
        ::usleep(static_cast<useconds_t>(delayUs(moments)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself, status " << status;
        std::int64_t total = 0;
        while (::read(fds[0], &total, sizeof total) == sizeof total) {
            totals.insert(total);
            ++deals;
        }
        ::close(fds[0]);

        const std::int64_t stored = cashTotal(IniFile(path));
        ASSERT_TRUE(totals.count(stored)) << "round " << round << ": the file's seats hold "
                                          << stored << " between them, a total never played";
    }
    EXPECT_GT(deals, 40) << "the rounds played too few deals to prove anything";
}

} // namespace
