// Any bytes as handeval's input: every line parses to a hand of valid cards,
// a blank, or an error with a message; a parsed hand evaluates inside the
// score ranges and its cards print back to a line that parses the same.
#include "cards/evaluator.h"
#include "tools/handeval/parse.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);

        const handeval::ParsedLine parsed = handeval::parseLine(line);
        if (parsed.kind == handeval::LineKind::error) {
            if (parsed.error.empty()) std::abort();
            continue;
        }
        if (parsed.kind != handeval::LineKind::hand) continue;
        std::string again;
        for (const stud::Card& c : parsed.hand) {
            if (c.suit < 0 || c.suit > 3 || c.rank < 0 || c.rank > 12) std::abort();
            again += handeval::cardText(c) + ' ';
        }
        const auto reparsed = handeval::parseLine(again);
        if (reparsed.kind != handeval::LineKind::hand || reparsed.hand != parsed.hand) std::abort();
        const stud::HandValue v = stud::evaluate(parsed.hand);
        if (v.handscore < 0 || v.handscore > 1000 || v.kickscore < 0 || v.kickscore > 103)
            std::abort();
        (void)stud::handname(v.handscore);
    }
    return 0;
}
