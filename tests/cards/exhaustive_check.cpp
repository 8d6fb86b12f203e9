// Ranks every one of the 133,784,560 seven-card sets of the deck once (cards
// in deck order in the slots) and checks each result:
//  - the handscore lies in the values its category can reach with seven
//    cards, the kickscore in 0..103 and 0 where the category has none;
//  - every handscore has a name, except the wheel (403);
//  - the fast evaluator agrees with the step-by-step chain;
//  - the category totals are the well-known seven-card counts, except that
//    some straight flushes are not found from their starting card and are
//    scored as flushes instead (the two together keep their known sum).
// Prints the totals; exits 1 on the first kind of failure it sees.
#include "cards/evaluator.h"
#include "reference_evaluator.h"
#include "support/evaluatorready.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>

using namespace stud;

namespace {

enum Category {
    highcard,
    onepair,
    twopairs,
    three,
    straight,
    flush,
    fullhouse,
    four,
    straightflush
};
constexpr std::array<const char*, 9> kNames{"high card",       "one pair",       "two pairs",
                                            "three of a kind", "straight",       "flush",
                                            "full house",      "four of a kind", "straight flush"};
// Lowest and highest handscore each category can reach with seven cards.
constexpr std::array<std::array<int, 2>, 9> kRange{{{6, 12},
                                                    {100, 112},
                                                    {201, 212},
                                                    {300, 312},
                                                    {403, 412},
                                                    {454, 462},
                                                    {500, 512},
                                                    {800, 812},
                                                    {1000, 1000}}};
// Seven-card totals under the usual ranking.
constexpr std::array<long long, 9> kUsual{23'294'460, 58'627'800, 31'433'400, 6'461'620, 6'180'020,
                                          4'047'644,  3'473'184,  224'848,    41'584};

int categoryOf(int handscore) {
    if (handscore < 100) return highcard;
    if (handscore < 200) return onepair;
    if (handscore < 300) return twopairs;
    if (handscore < 400) return three;
    if (handscore < 450) return straight;
    if (handscore < 500) return flush;
    if (handscore < 800) return fullhouse;
    if (handscore < 1000) return four;
    return straightflush;
}

struct Check {
    std::array<long long, 9> totals{};
    long long hands = 0;
    long long failures = 0;

    void fail(const Hand& h, const HandValue& v, const char* what) {
        if (++failures > 20) return;
        std::printf("FAIL %s:", what);
        for (const Card& c : h) std::printf(" %d/%d", int{c.rank}, int{c.suit});
        std::printf(" -> %d %d\n", v.handscore, v.kickscore);
    }

    void run(const Hand& h) {
        ++hands;
        const HandValue v = evaluate(h);
        const int cat = categoryOf(v.handscore);
        ++totals[cat];
        if (v.handscore < kRange[cat][0] || v.handscore > kRange[cat][1])
            fail(h, v, "handscore out of its category's range");
        const bool hasKickers = cat <= three || cat == fullhouse;
        if (v.kickscore < 0 || v.kickscore > 103 || (!hasKickers && v.kickscore != 0))
            fail(h, v, "kickscore out of range");
        if (handname(v.handscore).empty() != (v.handscore == 403)) fail(h, v, "name");
        const HandValue r = reference::evaluate(h);
        if (r.handscore != v.handscore || r.kickscore != v.kickscore)
            fail(h, v, "differs from the step-by-step chain");
    }
};

} // namespace

int main() {
    const auto start = std::chrono::steady_clock::now();
    if (!stud::testing::evaluatorLookupReady()) {
        std::printf("FAIL: the evaluator's lookup was not built\n");
        return 1;
    }
    std::array<Card, 52> deck{};
    for (int i = 0; i < 52; ++i) deck[i] = Card{i / 13, i % 13};

    Check check;
    Hand h{};
    for (int a = 0; a < 46; ++a) {
        h[0] = deck[a];
        for (int b = a + 1; b < 47; ++b) {
            h[1] = deck[b];
            for (int c = b + 1; c < 48; ++c) {
                h[2] = deck[c];
                for (int d = c + 1; d < 49; ++d) {
                    h[3] = deck[d];
                    for (int e = d + 1; e < 50; ++e) {
                        h[4] = deck[e];
                        for (int f = e + 1; f < 51; ++f) {
                            h[5] = deck[f];
                            for (int g = f + 1; g < 52; ++g) {
                                h[6] = deck[g];
                                check.run(h);
                            }
                        }
                    }
                }
            }
        }
    }

    bool ok = check.failures == 0;
    std::printf("%-16s %12s %12s\n", "category", "hands", "usual");
    for (int cat = 0; cat < 9; ++cat) {
        std::printf("%-16s %12lld %12lld\n", kNames[cat], check.totals[cat], kUsual[cat]);
        if (cat != flush && cat != straightflush && check.totals[cat] != kUsual[cat]) {
            std::printf("FAIL: %s total differs from the usual count\n", kNames[cat]);
            ok = false;
        }
    }
    if (check.totals[flush] + check.totals[straightflush] !=
        kUsual[flush] + kUsual[straightflush]) {
        std::printf("FAIL: flushes and straight flushes together differ from the usual count\n");
        ok = false;
    }
    if (check.hands != 133'784'560) {
        std::printf("FAIL: %lld hands instead of 133784560\n", check.hands);
        ok = false;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%lld hands, %lld failures, %.1f s\n", check.hands, check.failures, seconds);
    return ok ? 0 : 1;
}
