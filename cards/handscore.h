#pragma once

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

// Ace to Five: the straight whose top card counts as the Five.
inline constexpr std::int32_t kWheelStraight = category::kStraight + 3;

} // namespace stud
