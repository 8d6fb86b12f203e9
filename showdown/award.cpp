#include "showdown/award.h"

#include "cards/evaluator.h"
#include "table/seattable.h"

#include <algorithm>

namespace stud {

Award award(const std::array<Seat, kSeats>& seats, std::int32_t pot) {
    Award a;
    // Every seat is ranked, also those out of the showdown.
    for (SeatId s : kAllSeats) {
        const HandValue v = evaluate(seats[s].hand);
        a.category[s] = v.handscore;
        // Out: folded, or spent its last money during the deal.
        const bool out = seats[s].folded || seats[s].cash <= 0;
        a.finalscore[s] = out ? kSeatInfo[s].outscore : v.handscore * kCategoryWeight + v.kickscore;
    }
    a.bestscore = *std::max_element(a.finalscore.begin(), a.finalscore.end());
    for (SeatId s : kAllSeats) a.winners += a.finalscore[s] == a.bestscore;
    a.share = pot / a.winners;
    return a;
}

} // namespace stud
