// The history studsim records over the golden sessions, held against the
// sessions' own traces: every click's moves bring every seat's cash and the
// pot to what the trace shows, each move a status line shows is the seat's
// last so far, and the winners take what the last line shows.

#include "history/store.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace stud {
namespace {

struct Line {
    std::string event;
    int street = 0;
    std::int64_t pot = 0;
    std::array<std::int64_t, kSeats> cash{};
    std::array<std::string, kSeats> status;
    bool canfold = false; // the deal is on
    bool verdict = false; // "You lose!" or "You win!": nothing was dealt
};

std::string field(const std::string& line, const std::string& key) {
    const std::size_t at = line.find(' ' + key + '=');
    if (at == std::string::npos) return {};
    const std::size_t from = at + key.size() + 2;
    // A status may hold spaces ("One pair Tens"): it runs up to " sounds=".
    // and the boxes, the last field, to the end.
    const std::size_t to = key == "status"  ? line.find(" sounds=", from)
                           : key == "boxes" ? std::string::npos
                                            : line.find(' ', from);
    return line.substr(from, to - from);
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out(1);
    for (char c : s) {
        if (c == sep)
            out.emplace_back();
        else
            out.back().push_back(c);
    }
    return out;
}

Line parse(const std::string& text) {
    Line l;
    l.event = text.substr(0, text.find(' '));
    l.street = std::stoi(field(text, "street"));
    l.pot = std::stoll(field(text, "pot"));
    const auto cash = split(field(text, "cash"), ',');
    const auto status = split(field(text, "status"), '|');
    for (int s = 0; s < kSeats; ++s) {
        l.cash[s] = std::stoll(cash.at(s));
        l.status[s] = status.at(s);
    }
    l.canfold = field(text, "enabled").find('F') != std::string::npos;
    const std::string boxes = field(text, "boxes");
    l.verdict =
        boxes.find("You lose!") != std::string::npos || boxes.find("You win!") != std::string::npos;
    return l;
}

const char* moveText(Move m) {
    switch (m) {
    case Move::calls:
        return "Calls";
    case Move::checks:
        return "Checks";
    case Move::raises:
        return "Raises";
    case Move::folds:
        return "Folds";
    case Move::opens:
        break;
    }
    return "";
}

// Holds one deal of the history against the trace lines of its clicks.
void compare(const DealRecord& d, const std::vector<Line>& lines, const std::string& where) {
    std::array<std::int64_t, kSeats> cash{};
    std::int64_t pot = 0;
    for (SeatId s : kAllSeats) {
        cash[s] = d.seats[s].cashbefore - d.seats[s].ante;
        pot += d.seats[s].ante;
    }
    // The clicks' moves: the deal's own click owns those before the human's
    // first move, every later click begins with his.
    std::size_t next = 0;
    // A status line keeps a seat's move until something empties it, so it
    // tells the seat's last move so far.
    std::array<const MoveRecord*, kSeats> last{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        // A Raise with less than the minimum in cash is refused: no move at all.
        const bool refused =
            i > 0 && l.event == "Raise" && lines[i - 1].cash[player] < kMinRaiseCash;
        bool first = true;
        while (!refused && next < d.moves.size() &&
               (d.moves[next].seat != player || (first && i > 0))) {
            const MoveRecord& m = d.moves[next++];
            first = false;
            cash[m.seat] -= m.amount;
            pot += m.amount;
            last[m.seat] = &m;
        }
        const bool end = i + 1 == lines.size();
        std::array<std::int64_t, kSeats> expect = cash;
        if (end)
            for (SeatId s : kAllSeats) expect[s] += d.seats[s].won;
        const std::string at = where + ", click " + std::to_string(i + 1) + " (" + l.event + ")";
        EXPECT_EQ(expect, l.cash) << at;
        EXPECT_EQ(pot, l.pot) << at;
        for (SeatId s : kAllSeats) {
            if (refused) break;
            const std::string& st = l.status[s];
            if (st == "Calls" || st == "Checks" || st == "Raises" || st == "Folds") {
                ASSERT_NE(last[s], nullptr) << at << ": seat " << s << " shows " << st;
                EXPECT_EQ(moveText(last[s]->move), st) << at << ": seat " << s;
            } else if (st == "you fold") {
                ASSERT_NE(last[player], nullptr) << at;
                EXPECT_EQ(last[player]->move, Move::folds) << at;
            } else if (end && !st.empty()) {
                EXPECT_EQ(d.seats[s].hand, st) << at << ": seat " << s;
            }
        }
        if (end) {
            EXPECT_EQ(next, d.moves.size()) << where << ": moves left over";
            EXPECT_EQ(d.pot, l.pot) << where;
            std::int64_t paid = d.remainder;
            for (SeatId s : kAllSeats) paid += d.seats[s].won;
            EXPECT_EQ(paid, d.pot) << where << ": the pot is paid out whole";
        }
    }
}

TEST(HistoryAgainstTraces, EveryGoldenSessionMoveForMoveAndChipForChip) {
    std::ifstream sessions(STUD_GOLDEN_SESSIONS);
    std::string session;
    int index = 0, deals = 0;
    while (std::getline(sessions, session)) {
        ++index;
        testing::TempDir dir;
        const std::string file = dir.file("history.sqlite");
        const std::string command =
            std::string(STUD_STUDSIM) + " --trace " + session + " --history " + file;
        FILE* p = ::popen(command.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::vector<std::vector<Line>> traced; // the clicks of each deal
        char buf[4096];
        std::string text;
        while (std::fgets(buf, sizeof buf, p)) {
            text += buf;
            if (text.empty() || text.back() != '\n') continue;
            text.pop_back();
            const Line l = parse(text);
            text.clear();
            const bool starts =
                l.event == "start" || l.event == "NewGame" || (l.event == "Deal" && !l.verdict);
            if (starts) traced.emplace_back();
            if (!traced.empty() && (starts || traced.back().back().canfold))
                traced.back().push_back(l);
        }
        ASSERT_EQ(::pclose(p), 0) << session;

        HistoryStore h(file);
        const auto list = h.deals();
        ASSERT_EQ(list.size(), traced.size()) << session;
        for (std::size_t k = 0; k < traced.size(); ++k) {
            const auto d = h.deal(list[list.size() - 1 - k].number);
            ASSERT_TRUE(d) << session;
            compare(*d, traced[k],
                    "session " + std::to_string(index) + " deal " + std::to_string(k + 1));
            ++deals;
        }
    }
    EXPECT_GT(index, 60);
    EXPECT_GT(deals, 500);
}

} // namespace
} // namespace stud
