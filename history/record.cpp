#include "history/record.h"

#include <charconv>
#include <string_view>

namespace stud {

std::int64_t DealRecord::result() const {
    const SeatRecord& me = seats[player];
    std::int64_t paid = me.ante;
    for (const MoveRecord& m : moves)
        if (m.seat == player) paid += m.amount;
    return std::int64_t{me.won} - paid;
}

int DealRecord::winner() const {
    int best = -1;
    for (SeatId s : kAllSeats)
        if (seats[s].won > 0 && !seats[s].hand.empty() &&
            (best < 0 || seats[s].score > seats[best].score))
            best = s;
    return best;
}

// The text: a version letter, then per seat its seven card images (two
// digits each) and its shown and face-up masks, cash before, ante, won,
// score and hand name; then the moves; then the pots. Fields are split by
// '|', list items by ';', an item's parts by ','. Hand names hold none of
// these characters.
std::string encodeDetail(const DealRecord& d) {
    std::string out = "1";
    for (const SeatRecord& r : d.seats) {
        out += '|';
        for (const Card c : r.cards) {
            const int i = c.image();
            out += static_cast<char>('0' + i / 10);
            out += static_cast<char>('0' + i % 10);
        }
        out += ',' + std::to_string(r.shown) + ',' + std::to_string(r.faceup) + ',' +
               std::to_string(r.cashbefore) + ',' + std::to_string(r.ante) + ',' +
               std::to_string(r.won) + ',' + std::to_string(r.score) + ',' + r.hand;
    }
    out += '|';
    for (const MoveRecord& m : d.moves) {
        out += std::to_string(m.street) + ',' + std::to_string(int{m.seat}) + ',' +
               std::to_string(static_cast<int>(m.move)) + ',' + std::to_string(m.amount) + ';';
    }
    out += '|';
    for (const std::int32_t p : d.pots) out += std::to_string(p) + ';';
    return out;
}

namespace {

// Splits off the text up to `sep` (or the end).
std::string_view take(std::string_view& rest, char sep) {
    const std::size_t at = rest.find(sep);
    const std::string_view head = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + 1);
    return head;
}

template <typename T> bool number(std::string_view text, T& out) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace

bool decodeDetail(const std::string& text, DealRecord& d) {
    std::string_view rest = text;
    if (take(rest, '|') != "1") return false;
    for (SeatRecord& r : d.seats) {
        std::string_view seat = take(rest, '|');
        const std::string_view cards = take(seat, ',');
        if (cards.size() != 2 * kHandCards) return false;
        for (int i = 0; i < kHandCards; ++i) {
            const int a = cards[2 * i] - '0', b = cards[2 * i + 1] - '0';
            if (a < 0 || a > 9 || b < 0 || b > 9 || a * 10 + b >= kDeckSize) return false;
            const int image = a * 10 + b;
            r.cards[i] = Card(image / kRanks, image % kRanks);
        }
        int shown = 0, faceup = 0;
        if (!number(take(seat, ','), shown) || !number(take(seat, ','), faceup) ||
            !number(take(seat, ','), r.cashbefore) || !number(take(seat, ','), r.ante) ||
            !number(take(seat, ','), r.won) || !number(take(seat, ','), r.score))
            return false;
        r.shown = static_cast<std::uint8_t>(shown);
        r.faceup = static_cast<std::uint8_t>(faceup);
        r.hand = std::string(seat);
    }
    std::string_view moves = take(rest, '|');
    d.moves.clear();
    while (!moves.empty()) {
        std::string_view item = take(moves, ';');
        int street = 0, seat = 0, move = 0;
        MoveRecord m;
        if (!number(take(item, ','), street) || !number(take(item, ','), seat) ||
            !number(take(item, ','), move) || !number(take(item, ','), m.amount))
            return false;
        if (street < kFirstStreet || street > kLastStreet || seat < 0 || seat >= kSeats ||
            move < 0 || move > static_cast<int>(Move::folds))
            return false;
        m.street = static_cast<std::uint8_t>(street);
        m.seat = static_cast<SeatId>(seat);
        m.move = static_cast<Move>(move);
        d.moves.push_back(m);
    }
    d.pots.clear();
    while (!rest.empty()) {
        std::int32_t p = 0;
        if (!number(take(rest, ';'), p)) return false;
        d.pots.push_back(p);
    }
    return !d.pots.empty() && d.streets() <= kStreets;
}

} // namespace stud
