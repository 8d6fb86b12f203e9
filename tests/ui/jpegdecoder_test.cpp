#include "jpegwriter.h"
#include "ui/jpegdecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

using stud::DecodedImage;
using stud::decodeJpeg;

// A baseline JPEG made on the spot with libjpeg's compressor: the left half
// red, the right half blue, so that both the size and the pixel order show.
std::vector<std::uint8_t> makeJpeg(int width, int height, bool grey = false) {
    return stud::testing::writeJpeg(width, height, grey ? 1 : 3, [=](int, unsigned char* row) {
        for (int x = 0; x < width; ++x) {
            if (grey) {
                row[x] = x < width / 2 ? 40 : 220;
            } else {
                const bool left = x < width / 2;
                row[x * 3 + 0] = left ? 230 : 10;
                row[x * 3 + 1] = 10;
                row[x * 3 + 2] = left ? 10 : 230;
            }
        }
    });
}

const std::uint8_t* pixel(const DecodedImage& img, int x, int y) {
    return img.rgb.data() + (static_cast<std::size_t>(y) * img.width + x) * 3;
}

TEST(JpegDecoder, DecodesAValidPictureToRgbRows) {
    const auto jpeg = makeJpeg(64, 40);
    DecodedImage img;
    std::string error;
    ASSERT_TRUE(decodeJpeg(jpeg.data(), jpeg.size(), img, &error)) << error;
    EXPECT_EQ(img.width, 64);
    EXPECT_EQ(img.height, 40);
    ASSERT_EQ(img.rgb.size(), 64u * 40u * 3u);
    const auto* left = pixel(img, 5, 20);
    const auto* right = pixel(img, 58, 39);
    EXPECT_GT(left[0], 200);
    EXPECT_LT(left[2], 50);
    EXPECT_LT(right[0], 50);
    EXPECT_GT(right[2], 200);
}

TEST(JpegDecoder, ExpandsGreyPicturesToRgb) {
    const auto jpeg = makeJpeg(16, 16, true);
    DecodedImage img;
    ASSERT_TRUE(decodeJpeg(jpeg.data(), jpeg.size(), img));
    ASSERT_EQ(img.rgb.size(), 16u * 16u * 3u);
    const auto* p = pixel(img, 15, 8);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
    EXPECT_GT(p[0], 180);
}

// Damaged data of every kind must come back as an error with a message and
// an empty image, never as an abort or a half-grey picture.
TEST(JpegDecoder, RejectsDamagedData) {
    const auto good = makeJpeg(64, 64);

    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"truncated in the middle", {good.begin(), good.begin() + good.size() / 2}});
    cases.push_back({"missing the end marker", {good.begin(), good.end() - 2}});
    cases.push_back({"only the start marker", {good.begin(), good.begin() + 2}});
    const char* png = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
    cases.push_back({"a PNG header", {png, png + 16}});
    const char* text = "[Cash]\nplayer=1200\n";
    cases.push_back({"plain text", {text, text + std::strlen(text)}});
    std::vector<std::uint8_t> scrambled = good;
    for (std::size_t i = good.size() / 3; i < good.size() - 2; i += 7) scrambled[i] ^= 0xFF;
    cases.push_back({"scrambled entropy data", scrambled});

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DecodedImage img;
        img.width = 7; // stale content must not survive a failure
        std::string error;
        EXPECT_FALSE(decodeJpeg(c.bytes.data(), c.bytes.size(), img, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(img.width, 0);
        EXPECT_TRUE(img.rgb.empty());
    }
}

TEST(JpegDecoder, RejectsEmptyInput) {
    DecodedImage img;
    std::string error;
    EXPECT_FALSE(decodeJpeg(nullptr, 0, img, &error));
    EXPECT_FALSE(error.empty());
    const std::uint8_t one = 0xFF;
    EXPECT_FALSE(decodeJpeg(&one, 0, img, &error));
    EXPECT_FALSE(decodeJpeg(&one, 1, img)); // no error text asked for
}

// A header that claims a huge picture is refused before the pixel buffer is
// allocated.
TEST(JpegDecoder, RejectsAbsurdPictureSizes) {
    auto jpeg = makeJpeg(16, 16);
    // The start-of-frame marker holds height and width as big-endian 16-bit.
    std::size_t sof = 0;
    for (std::size_t i = 2; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            sof = i;
            break;
        }
    ASSERT_NE(sof, 0u);
    jpeg[sof + 5] = 0xFF; // height 65520
    jpeg[sof + 6] = 0xF0;
    jpeg[sof + 7] = 0xFF; // width 65520
    jpeg[sof + 8] = 0xF0;
    DecodedImage img;
    std::string error;
    EXPECT_FALSE(decodeJpeg(jpeg.data(), jpeg.size(), img, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(img.rgb.empty());
}

} // namespace
