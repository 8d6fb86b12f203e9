#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace stud {

// A decoded picture: 8-bit RGB, rows top to bottom, no padding.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3
};

// Decode a JPEG held in memory with libjpeg. Bad or truncated data gives
// false and a message in *error, never an abort.
bool decodeJpeg(const std::uint8_t* data, std::size_t size, DecodedImage& out,
                std::string* error = nullptr);

} // namespace stud
