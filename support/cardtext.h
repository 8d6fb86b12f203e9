#pragma once

// Cards written as text, for tests: "Ac Kd 10h ...".

#include "cards/card.h"

#include <sstream>
#include <string>
#include <vector>

namespace stud::testing {

// "Ac Kd 10h ..." -> cards (ranks 2-10, J, Q, K, A; suits c d h s).
inline std::vector<Card> cards(const std::string& text) {
    std::vector<Card> out;
    std::istringstream in(text);
    for (std::string w; in >> w;) {
        const std::string ranks = "23456789TJQKA", suits = "cdhs";
        const std::string r = w.substr(0, w.size() - 1);
        const int rank = r == "10" ? 8 : static_cast<int>(ranks.find(r[0]));
        out.push_back(Card{static_cast<int>(suits.find(w.back())), rank});
    }
    return out;
}
inline Hand hand(const std::string& text) {
    const auto c = cards(text);
    Hand h{};
    for (int i = 0; i < kHandCards; ++i) h[i] = c.at(i);
    return h;
}

} // namespace stud::testing
