// Any bytes as the About picture: decoding either succeeds with a consistent
// image or fails with a message; it never aborts or overruns.
#include "ui/jpegdecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    stud::DecodedImage image;
    std::string error;
    if (stud::decodeJpeg(data, size, image, &error)) {
        if (image.width <= 0 || image.height <= 0 ||
            image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3)
            std::abort();
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
