#include "tools/handeval/parse.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace handeval {

namespace {

constexpr std::array<std::string_view, 13> kRanks{"2", "3",  "4", "5", "6", "7", "8",
                                                  "9", "10", "J", "Q", "K", "A"};
constexpr std::string_view kSuits = "cdhs";

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Messages quote what was read; keep a runaway token short and printable.
std::string quoted(std::string_view token) {
    constexpr std::size_t kMax = 20;
    std::string out = "'";
    for (std::size_t i = 0; i < token.size() && i < kMax; ++i) {
        const auto c = static_cast<unsigned char>(token[i]);
        out += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    }
    if (token.size() > kMax) out += "...";
    return out + "'";
}

bool parseCard(std::string_view token, stud::Card& card) {
    if (token.size() < 2 || token.size() > 3) return false;
    const char suitChar = lower(token.back());
    const std::size_t suit = kSuits.find(suitChar);
    if (suit == std::string_view::npos) return false;
    std::string rankText(token.substr(0, token.size() - 1));
    for (char& c : rankText) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const auto it = std::find(kRanks.begin(), kRanks.end(), rankText);
    if (it == kRanks.end()) return false;
    card =
        stud::Card{static_cast<std::int32_t>(suit), static_cast<std::int32_t>(it - kRanks.begin())};
    return true;
}

} // namespace

std::string cardText(const stud::Card& card) {
    if (card.rank < 0 || card.rank > 12 || card.suit < 0 || card.suit > 3) return "??";
    return std::string(kRanks[static_cast<std::size_t>(card.rank)]) +
           kSuits[static_cast<std::size_t>(card.suit)];
}

ParsedLine parseLine(std::string_view line) {
    ParsedLine out;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    // Split at blanks; only the first seven tokens are kept, the rest counted.
    std::array<std::string_view, 7> tokens;
    int count = 0;
    for (std::size_t pos = 0; pos < line.size();) {
        if (isBlank(line[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < line.size() && !isBlank(line[end])) ++end;
        if (count == 0 && line[pos] == '#') return out; // a comment
        if (count < 7) tokens[static_cast<std::size_t>(count)] = line.substr(pos, end - pos);
        ++count;
        pos = end;
    }
    if (count == 0) return out;

    out.kind = LineKind::error;
    if (count != 7) {
        out.error = "expected 7 cards, found " + std::to_string(count);
        return out;
    }
    for (std::size_t i = 0; i < 7; ++i) {
        stud::Card card;
        if (!parseCard(tokens[i], card)) {
            out.error = quoted(tokens[i]) + " is not a card (rank 2-10, J, Q, K or A, then suit "
                                            "c, d, h or s, as in 10h or Qs)";
            return out;
        }
        if (std::find(out.hand.begin(), out.hand.begin() + static_cast<std::ptrdiff_t>(i), card) !=
            out.hand.begin() + static_cast<std::ptrdiff_t>(i)) {
            out.error = "the card " + cardText(card) + " appears twice";
            return out;
        }
        out.hand[i] = card;
    }
    out.kind = LineKind::hand;
    return out;
}

} // namespace handeval
