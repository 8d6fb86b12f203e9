#pragma once

#include "table/tablestate.h"

#include <string>
#include <string_view>

namespace handeval {

// What one input line turned out to be.
enum class LineKind {
    hand,  // seven cards, in `hand`
    blank, // empty, only white space, or a comment starting with '#'
    error, // malformed; `error` says why
};

struct ParsedLine {
    LineKind kind = LineKind::blank;
    stud::Hand hand{};
    std::string error;
};

// Reads one line of seven cards in slot order, separated by blanks or tabs:
// rank 2-10, J, Q, K or A followed by suit c, d, h or s ("10h", "Qs"); letters
// in either case. A trailing carriage return is ignored. Never throws on bad
// input: every problem comes back as LineKind::error with a message.
ParsedLine parseLine(std::string_view line);

// The card as the parser reads it ("10h"), for messages and round trips.
std::string cardText(const stud::Card& card);

} // namespace handeval
