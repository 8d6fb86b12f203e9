#include "table/strtoint.h"

#include "table/services.h"

#include <limits>

namespace stud {

bool tryStrToInt(const std::string& text, std::int32_t& out) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    // The digits are gathered as a positive number in 64 bits, which holds
    // the magnitude of INT32_MIN (one more than INT32_MAX) too.
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return false;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

std::int32_t strToInt(const std::string& text) {
    std::int32_t v = 0;
    if (!tryStrToInt(text, v)) throw StudError("'%1' is not a valid integer value", text);
    return v;
}

} // namespace stud
