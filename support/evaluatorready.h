#pragma once

#include "cards/card.h"
#include "cards/evaluator.h"

namespace stud::testing {

// Whether the evaluator's lookup is in place, so that a test knows it checks
// the fast path and not only the careful one. The pair table is filled last,
// and only once the rest of the lookup is built; until then it is all zeros.
inline bool evaluatorLookupReady() noexcept {
    const Card twoCards[2] = {Card{0, 0}, Card{1, 0}};
    return detail::gPairKeys[detail::pairIndex(twoCards)] != 0;
}

} // namespace stud::testing
