#pragma once

#include "cards/card.h"

#include <array>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace stud {

// Result of ranking seven cards: the category score and its tie-break.
struct HandValue {
    std::int32_t handscore = 0; // category and deciding rank, see handname
    std::int32_t kickscore = 0; // weighted kickers inside the category, < 300
};

// Display text of a handscore ("Full house Aces"), or an empty view when the
// score has no name (403, the straight Ace to Five, among others).
std::string_view handname(std::int32_t handscore) noexcept;

// The lookup behind evaluate(), inline so that the opponents' estimate loops
// keep it in registers; evaluator.cpp explains the keys and builds the tables.
namespace detail {

// A card's code: suit + 5 * rank, with the suit clamped to 4 and the rank to
// 13, which both mean "outside the deck".
inline constexpr int kCardCodes = 70;
inline constexpr int kRankShift = 40;   // the scrambled rank key: bits 40..63 of a sum
inline constexpr int kBucketShift = 51; // its top thirteen bits pick the displacement
// Bits of a sum that send the hand off the lookup: a suit field that reached
// five cards (0x8888), a card outside the deck (bits 20..22) and the
// not-yet-built mark (bit 16).
inline constexpr std::uint64_t kRare = 0xFF'FFFF'8888;

extern const std::array<std::uint64_t, kCardCodes * kCardCodes> kPairKeys; // 70 * a + b
extern std::array<std::uint64_t, kCardCodes> gLastKeys;                    // the seventh card
// Per bucket: its displacement, and the bucket's share of the key's bits
// 16..23, so that one xor of the whole 24-bit key gives the slot.
extern std::array<std::uint32_t, std::size_t{1} << (64 - kBucketShift)> gDisplacement;
extern std::array<std::uint32_t, std::size_t{1} << 16> gSlot; // handscore | kickscore << 16

// Five cards of a suit, a card outside the deck, or tables not built yet.
HandValue evaluateRare(const Hand& cards, std::uint64_t sum) noexcept;

} // namespace detail

// Rank seven cards in slot order with the game's own rules (one straight-flush
// start, flush by its top card, weighted kickers). Allocation-free.
inline HandValue evaluate(const Hand& cards) noexcept {
    using namespace detail;
#if defined(__SSE2__)
    // The fourteen numbers of the hand in four loads, packed to 16 bits with
    // saturation (a value outside the deck stays outside), clamped to 4 and
    // 13 as unsigned words, then the card codes and the pair indices
    // 70 * c0 + c1, 70 * c2 + c3, 70 * c4 + c5 and c6 alone.
    static_assert(sizeof(Hand) == 56);
    const auto* p = reinterpret_cast<const __m128i*>(cards.data());
    const __m128i a = _mm_packs_epi32(_mm_loadu_si128(p), _mm_loadu_si128(p + 1));     // cards 0..3
    const __m128i b = _mm_packs_epi32(_mm_loadu_si128(p + 2), _mm_loadl_epi64(p + 3)); // 4..6
    const __m128i limit = _mm_setr_epi16(4, 13, 4, 13, 4, 13, 4, 13);
    const __m128i toCode = _mm_setr_epi16(1, 5, 1, 5, 1, 5, 1, 5);
    const __m128i code =
        _mm_packs_epi32(_mm_madd_epi16(_mm_sub_epi16(a, _mm_subs_epu16(a, limit)), toCode),
                        _mm_madd_epi16(_mm_sub_epi16(b, _mm_subs_epu16(b, limit)), toCode));
    const __m128i pairs =
        _mm_madd_epi16(code, _mm_setr_epi16(kCardCodes, 1, kCardCodes, 1, kCardCodes, 1, 1, 0));
    const std::uint64_t sum = kPairKeys[static_cast<std::uint32_t>(_mm_cvtsi128_si32(pairs))] +
                              kPairKeys[static_cast<std::uint32_t>(_mm_extract_epi16(pairs, 2))] +
                              kPairKeys[static_cast<std::uint32_t>(_mm_extract_epi16(pairs, 4))] +
                              gLastKeys[static_cast<std::uint32_t>(_mm_extract_epi16(pairs, 6))];
#else
    const auto codeOf = [](const Card& c) {
        const auto s = static_cast<std::uint32_t>(c.suit), r = static_cast<std::uint32_t>(c.rank);
        return (s < 4 ? s : 4) + 5 * (r < 13 ? r : 13);
    };
    const std::uint64_t sum = kPairKeys[kCardCodes * codeOf(cards[0]) + codeOf(cards[1])] +
                              kPairKeys[kCardCodes * codeOf(cards[2]) + codeOf(cards[3])] +
                              kPairKeys[kCardCodes * codeOf(cards[4]) + codeOf(cards[5])] +
                              gLastKeys[codeOf(cards[6])];
#endif
    if ((sum & kRare) != 0) [[unlikely]]
        return evaluateRare(cards, sum);
    const auto key = static_cast<std::uint32_t>(sum >> kRankShift);
    const std::uint32_t v = gSlot[key ^ gDisplacement[sum >> kBucketShift]];
    return {static_cast<std::int32_t>(v & 0xFFFF), static_cast<std::int32_t>(v >> 16)};
}

} // namespace stud
