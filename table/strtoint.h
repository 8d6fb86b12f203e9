#pragma once

#include <cstdint>
#include <string>

namespace stud {

// Text-to-integer conversion: an optional sign and decimal digits, nothing
// else (no spaces). Throws StudError "'text' is not a valid integer value"
// for any other text and for a value outside 32 bits.
std::int32_t strToInt(const std::string& text);
// The same test without the error.
bool tryStrToInt(const std::string& text, std::int32_t& out);

} // namespace stud
