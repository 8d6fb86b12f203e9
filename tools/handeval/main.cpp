// handeval: ranks seven-card hands the way the game does.
//
//   handeval < hands.txt
//
// Reads one hand a line from standard input, seven cards in slot order such
// as "2c 3d 7h 8h 9h 10h Jh", and prints "handscore kickscore name" for each
// (the name is left out where the game shows none). Blank lines and lines
// starting with '#' are skipped. A malformed line is reported on standard
// error with its number and skipped; the exit status is then 2.
#include "cards/evaluator.h"
#include "tools/handeval/parse.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "usage: handeval < hands.txt\n"
    "Reads one hand a line, seven cards in slot order (\"2c 3d 7h 8h 9h 10h Jh\": rank 2-10,\n"
    "J, Q, K or A, suit c, d, h or s) and prints \"handscore kickscore name\" for each.\n"
    "Blank lines and lines starting with '#' are skipped. Exit status 2 if a line is\n"
    "malformed.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const std::string_view arg = argv[1];
        if (argc == 2 && (arg == "-h" || arg == "--help")) {
            std::cout << kUsage;
            return 0;
        }
        std::cerr << "handeval: unexpected argument '" << arg << "'\n" << kUsage;
        return 2;
    }

    std::ios::sync_with_stdio(false);
    std::string line;
    std::string out;
    long number = 0;
    bool malformed = false;
    while (std::getline(std::cin, line)) {
        ++number;
        const handeval::ParsedLine parsed = handeval::parseLine(line);
        if (parsed.kind == handeval::LineKind::blank) continue;
        if (parsed.kind == handeval::LineKind::error) {
            std::cout.flush(); // keep the report next to the output it interrupts
            std::cerr << "handeval: line " << number << ": " << parsed.error << '\n';
            malformed = true;
            continue;
        }
        const stud::HandValue v = stud::evaluate(parsed.hand);
        out = std::to_string(v.handscore);
        out += ' ';
        out += std::to_string(v.kickscore);
        if (const std::string_view name = stud::handname(v.handscore); !name.empty()) {
            out += ' ';
            out += name;
        }
        out += '\n';
        std::cout << out;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "handeval: cannot write the results\n";
        return 1;
    }
    if (std::cin.bad()) {
        std::cerr << "handeval: cannot read standard input\n";
        return 1;
    }
    return malformed ? 2 : 0;
}
