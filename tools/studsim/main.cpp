// studsim: plays whole deals of Seven Stud headless with the real engine and
// checks the game's invariants after every click.
//
//   studsim [--deals N] [--level 200|400|600|900] [--human random|caller|raiser|folder]
//           [--seed S] [--generator splitmix:SEED] [--initial N --until U] [--history FILE]
//   studsim --trace --generator splitmix:SEED --script LETTERS --level L --deals N [--ticks N]

#include "simulator.h"
#include "table/rules.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

namespace {

const char* kUsage =
    "usage: studsim [options]\n"
    "  --deals N              deals to start (default 1000)\n"
    "  --level L              opponent level: 200, 400, 600 or 900 (default 200)\n"
    "  --human POLICY         random, caller, raiser or folder (default random)\n"
    "  --seed S               seed of the game's generator and the human's dice (default 1)\n"
    "  --generator splitmix:SEED\n"
    "                         the replayable SplitMix64 generator; reseeding does nothing\n"
    "  --initial N            start from a settings file giving every seat N\n"
    "  --until U              ... and a play-until amount of U\n"
    "  --trace                one line per event on standard output, no summary;\n"
    "                         the human follows --script, the timers tick only with --ticks\n"
    "  --script LETTERS       R (raise, else call), C (check or call), F (fold), cycled\n"
    "  --ticks N              trace mode: after every click, N rounds in which each enabled\n"
    "                         timer ticks once; a line per tick with what it drew\n"
    "  --log                  the trace lines in any mode, before the summary\n"
    "  --history FILE         record every finished deal in the history file FILE\n"
    "Exit status: 0 when every invariant held, 1 when one broke, 2 for a usage error.\n";

template <typename T> bool parseNumber(std::string_view text, T& out) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

int usage(const std::string& problem) {
    std::cerr << "studsim: " << problem << '\n' << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    studsim::Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) return {};
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--trace") {
            opt.trace = true;
        } else if (arg == "--log") {
            opt.log = true;
        } else if (arg == "--deals") {
            if (!parseNumber(value(), opt.deals) || opt.deals < 1)
                return usage("--deals needs a number of at least 1");
        } else if (arg == "--level") {
            if (!parseNumber(value(), opt.level) || stud::levelItem(opt.level) < 0)
                return usage("--level must be 200, 400, 600 or 900");
        } else if (arg == "--human") {
            const std::string_view h = value();
            if (h == "random")
                opt.human = studsim::Human::Random;
            else if (h == "caller")
                opt.human = studsim::Human::Caller;
            else if (h == "raiser")
                opt.human = studsim::Human::Raiser;
            else if (h == "folder")
                opt.human = studsim::Human::Folder;
            else
                return usage("--human must be random, caller, raiser or folder");
        } else if (arg == "--seed") {
            if (!parseNumber(value(), opt.seed)) return usage("--seed needs an unsigned number");
        } else if (arg == "--generator") {
            const std::string_view g = value();
            constexpr std::string_view prefix = "splitmix:";
            if (g.substr(0, prefix.size()) != prefix ||
                !parseNumber(g.substr(prefix.size()), opt.splitmixState))
                return usage("--generator must be splitmix:SEED with an unsigned 64-bit SEED");
            opt.splitmix = true;
        } else if (arg == "--script") {
            opt.script = value();
            if (opt.script.empty() || opt.script.find_first_not_of("RCF") != std::string::npos)
                return usage("--script takes the letters R, C and F");
        } else if (arg == "--ticks") {
            if (!parseNumber(value(), opt.ticks) || opt.ticks < 1)
                return usage("--ticks needs a number of at least 1");
        } else if (arg == "--history") {
            opt.history = value();
            if (opt.history.empty()) return usage("--history needs a file");
        } else if (arg == "--initial") {
            std::int32_t n = 0;
            if (!parseNumber(value(), n)) return usage("--initial needs a whole number");
            opt.initial = n;
        } else if (arg == "--until") {
            std::int32_t n = 0;
            if (!parseNumber(value(), n)) return usage("--until needs a whole number");
            opt.until = n;
        } else {
            return usage("unknown argument " + std::string(arg));
        }
    }
    if (opt.trace && opt.script.empty()) return usage("--trace needs a --script");
    if (opt.trace && !opt.splitmix) return usage("--trace needs --generator splitmix:SEED");
    if (opt.ticks && !opt.trace) return usage("--ticks needs --trace");

    try {
        return studsim::simulate(opt, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "studsim: " << e.what() << '\n';
        return 2;
    }
}
