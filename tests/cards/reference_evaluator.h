#pragma once

// The evaluator's chain of tests written the slow, obvious way: counting
// passes over the thirteen ranks and the seven slots, one step after the
// other. The fast evaluator must agree with it on every hand.
//
// Input the game never produces is given the meaning the fast one promises:
// a card outside the deck is skipped, repeated cards count as often as they
// appear, and a kicker that does not exist weighs 0.

#include "cards/evaluator.h"

namespace stud::reference {

inline bool inDeck(const Card& c) {
    return c.suit >= 0 && c.suit <= 3 && c.rank >= 0 && c.rank <= 12;
}

// Highest rank held that is not excluded, or -1.
inline int highestExcept(const int (&count)[13], int ex1 = -1, int ex2 = -1) {
    for (int r = 12; r >= 0; --r)
        if (count[r] > 0 && r != ex1 && r != ex2) return r;
    return -1;
}

inline int weight(int rank) {
    return rank < 0 ? 0 : rank;
}

inline HandValue evaluate(const Hand& cards) {
    int count[13] = {};
    for (const Card& c : cards)
        if (inDeck(c)) ++count[c.rank];
    auto held = [&](int r) { return r >= 0 && r <= 12 && count[r] > 0; };
    auto heldInSuit = [&](int r, int suit) {
        for (const Card& c : cards)
            if (inDeck(c) && c.rank == r && c.suit == suit) return true;
        return false;
    };

    // Step 1.
    HandValue v{0, 0};

    // Step 2: straight flush from the one starting card.
    int x = -1;
    for (int r = 0; r < 12 && x < 0; ++r)
        if (held(r) && held(r + 1)) x = r;
    if (x >= 0) {
        int s = -1;
        for (const Card& c : cards)
            if (inDeck(c) && c.rank == x) {
                s = c.suit;
                break;
            }
        int n = 0;
        while (x + n + 1 <= 12 && heldInSuit(x + n + 1, s)) ++n;
        if (n >= 4) return {1000, 0};
    }

    // Step 3: flush, by the first card whose suit has five or more cards.
    for (const Card& c : cards) {
        if (!inDeck(c)) continue;
        int same = 0;
        for (const Card& o : cards)
            if (inDeck(o) && o.suit == c.suit) ++same;
        if (same >= 5) {
            int f = -1;
            for (const Card& o : cards)
                if (inDeck(o) && o.suit == c.suit && o.rank > f) f = o.rank;
            return {450 + f, 0};
        }
    }

    // Step 4: straight from the lowest start, with the wheel.
    const int a = x;
    if (a >= 0) {
        int t = a, n = 0;
        while (held(t + 1)) {
            ++t;
            ++n;
        }
        if (n >= 4) return {400 + t, 0};
        if (n == 3 && t == 3 && held(12)) return {403, 0};

        // Step 5: straight from the next start.
        int b = -1;
        for (int r = 0; r < 12 && b < 0; ++r)
            if (r != a && held(r) && held(r + 1)) b = r;
        if (b >= 0) {
            t = b;
            n = 0;
            while (held(t + 1)) {
                ++t;
                ++n;
            }
            if (n >= 4) return {400 + t, 0};
        }
    }

    // Step 6: four of a kind, lowest rank first.
    for (int r = 0; r <= 12; ++r)
        if (count[r] >= 4) return {800 + r, 0};

    // Step 7: full house.
    int T = -1;
    for (int r = 12; r >= 0 && T < 0; --r)
        if (count[r] >= 3) T = r;
    int P = -1;
    for (int r = 12; r >= 0 && P < 0; --r)
        if (r != T && count[r] >= 2) P = r;
    if (T >= 0 && P >= 0) return {500 + T, 5 * P};

    // Step 8: three of a kind.
    if (T >= 0) {
        const int k1 = highestExcept(count, T);
        const int k2 = highestExcept(count, T, k1);
        return {300 + T, 5 * weight(k1) + weight(k2)};
    }

    // Step 9: two pairs.
    int p1 = -1, p2 = -1;
    for (int r = 12; r >= 0; --r) {
        if (count[r] != 2) continue;
        if (p1 < 0)
            p1 = r;
        else if (p2 < 0)
            p2 = r;
    }
    if (p1 >= 0 && p2 >= 0) {
        const int k = highestExcept(count, p1, p2);
        return {200 + p1, 5 * p2 + weight(k)};
    }

    // Step 10: one pair.
    if (p1 >= 0) {
        int k[3] = {-1, -1, -1};
        int found = 0;
        for (int r = 12; r >= 0 && found < 3; --r)
            if (count[r] > 0 && r != p1) k[found++] = r;
        return {100 + p1, 5 * weight(k[0]) + 3 * weight(k[1]) + weight(k[2])};
    }

    // Step 11: high card.
    const int h = highestExcept(count);
    if (h < 0) return v; // no card at all
    const int k1 = highestExcept(count, h);
    const int k2 = highestExcept(count, h, k1);
    return {h, 5 * weight(k1) + weight(k2)};
}

} // namespace stud::reference
