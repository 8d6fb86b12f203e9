#pragma once

#include "game/game.h"

#include <cstdint>
#include <string>

namespace stud {

// The whole-game invariants, checked around every event by the simulator and
// the monkey test alike: money is conserved (only a split's remainder leaves
// play), one showdown at most per deal, the decks are permutations and every
// hand is its slice of the deck, at most one raise stands, the counters stay
// in range, a decided deal leaves no betting button on, and the labels show
// the amounts as they are.
class InvariantChecker {
  public:
    // Before an event.
    void before(const Game& game);
    // After it: the first invariant broken, or an empty text. `moneyReset`:
    // the event handed out new cash (start-up, "New Game", the initial cash).
    std::string after(const Game& game, const Services& ui, bool moneyReset);

    // What the last event did.
    bool showdownNow = false;   // it ran the deal's showdown
    std::int64_t remainder = 0; // what the showdown's split paid to nobody

  private:
    std::int64_t money_ = 0;
    int showdowns_ = 0;
};

// The seats' cash plus the pot while the deal goes on; once it is decided the
// pot has been paid out and only keeps its number until the next deal.
std::int64_t moneyInPlay(const Game& game);

} // namespace stud
