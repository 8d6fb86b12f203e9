#include "cards/evaluator.h"
#include "cards/handscore.h"

#include <array>
#include <string_view>

namespace stud {

namespace {

using Names = std::array<std::string_view, kRanks>; // indexed by rank, empty = no text

// Written out in full so that every text is one literal the status line can
// point at for good.
constexpr Names kOnePair{"One pair Twos",  "One pair Threes", "One pair Fours",  "One pair Fives",
                         "One pair Sixes", "One pair Sevens", "One pair Eights", "One pair Nines",
                         "One pair Tens",  "One pair Jacks",  "One pair Queens", "One pair Kings",
                         "One pair Aces"};
// Two pairs with Twos on top cannot happen: the lower pair would be below Two.
constexpr Names kTwoPairs{"",
                          "Two pairs Threes",
                          "Two pairs Fours",
                          "Two pairs Fives",
                          "Two pairs Sixes",
                          "Two pairs Sevens",
                          "Two pairs Eights",
                          "Two pairs Nines",
                          "Two pairs Tens",
                          "Two pairs Jacks",
                          "Two pairs Queens",
                          "Two pairs Kings",
                          "Two pairs Aces"};
constexpr Names kThree{"Three Twos",   "Three Threes", "Three Fours", "Three Fives", "Three Sixes",
                       "Three Sevens", "Three Eights", "Three Nines", "Three Tens",  "Three Jacks",
                       "Three Queens", "Three Kings",  "Three Aces"};
// The wheel (kWheelStraight) has no name of its own.
constexpr Names kStraight{"",
                          "",
                          "",
                          "",
                          "Straight Six High",
                          "Straight Seven High",
                          "Straight Eight High",
                          "Straight Nine High",
                          "Straight Ten High",
                          "Straight Jack High",
                          "Straight Queen High",
                          "Straight King High",
                          "Straight Ace High"};
constexpr Names kFlush{"",
                       "",
                       "",
                       "",
                       "Flush Six High",
                       "Flush Seven High",
                       "Flush Eight High",
                       "Flush Nine High",
                       "Flush Ten High",
                       "Flush Jack High",
                       "Flush Queen High",
                       "Flush King High",
                       "Flush Ace High"};
constexpr Names kFullHouse{"Full house Twos",   "Full house Threes", "Full house Fours",
                           "Full house Fives",  "Full house Sixes",  "Full house Sevens",
                           "Full house Eights", "Full house Nines",  "Full house Tens",
                           "Full house Jacks",  "Full house Queens", "Full house Kings",
                           "Full house Aces"};
constexpr Names kFour{"Four Twos",   "Four Threes", "Four Fours", "Four Fives", "Four Sixes",
                      "Four Sevens", "Four Eights", "Four Nines", "Four Tens",  "Four Jacks",
                      "Four Queens", "Four Kings",  "Four Aces"};
constexpr Names kHighCard{"",     "",    "Four", "Five",  "Six",  "Seven", "Eight",
                          "Nine", "Ten", "Jack", "Queen", "King", "Ace"};

constexpr std::string_view pick(const Names& names, std::int32_t score, std::int32_t base) {
    return names[static_cast<std::size_t>(score - base)];
}

} // namespace

std::string_view handname(std::int32_t handscore) noexcept {
    const std::int32_t s = handscore;
    struct Category {
        std::int32_t base;
        const Names& names;
    };
    const Category categories[] = {
        {category::kHighCard, kHighCard},   {category::kOnePair, kOnePair},
        {category::kTwoPairs, kTwoPairs},   {category::kThree, kThree},
        {category::kStraight, kStraight},   {category::kFlush, kFlush},
        {category::kFullHouse, kFullHouse}, {category::kFour, kFour},
    };
    for (const Category& c : categories)
        if (s >= c.base && s <= c.base + kAce) return pick(c.names, s, c.base);
    if (s == category::kStraightFlush) return "Straight flush";
    return {};
}

std::string_view showdownname(std::int32_t handscore) noexcept {
    // A winner should still see what it won with.
    if (handscore == kWheelStraight) return "Straight Five High";
    return handname(handscore);
}

} // namespace stud
