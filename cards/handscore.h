#pragma once

#include <array>
#include <cstdint>

namespace stud {

// The base of each hand category's handscore; the deciding rank (0 Two ..
// 12 Ace) is added to it. The straight flush has one score of its own.
namespace category {
inline constexpr std::int32_t kHighCard = 0;
inline constexpr std::int32_t kOnePair = 100;
inline constexpr std::int32_t kTwoPairs = 200;
inline constexpr std::int32_t kThree = 300;
inline constexpr std::int32_t kStraight = 400;
inline constexpr std::int32_t kFlush = 450;
inline constexpr std::int32_t kFullHouse = 500;
inline constexpr std::int32_t kFour = 800;
inline constexpr std::int32_t kStraightFlush = 1000;
} // namespace category

// The kickscore's weights: each is multiplied by a rank (0 Two .. 12 Ace) and
// the products added, best rank first. One pair counts its three best other
// cards; two pairs the lower pair, then the best other card; three of a kind
// and a high card their two best other cards (after the three, or the top
// card); a full house its pair.
namespace kicker {
inline constexpr std::array<int, 3> kOnePair{5, 3, 1};
inline constexpr std::array<int, 2> kTwoPairs{5, 1}; // lower pair, best other card
inline constexpr std::array<int, 2> kThree{5, 1};
inline constexpr int kFullHousePair = 5;
inline constexpr std::array<int, 2> kHighCard{5, 1};
} // namespace kicker

// Ace to Five: the straight whose top card counts as the Five.
inline constexpr std::int32_t kWheelStraight = category::kStraight + 3;

} // namespace stud
