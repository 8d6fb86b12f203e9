#pragma once

// The tests' one JPEG writer: a baseline JPEG from libjpeg's own compressor,
// its rows filled by the test, so that the decoder and the About box read a
// file made the way real ones are.

#include <cstddef>
#include <cstdint>
#include <cstdio> // jpeglib.h wants size_t and FILE declared before it
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace stud::testing {

// `fillRow(y, row)` writes row y: width * components bytes, RGB or grey.
template <class FillRow>
std::vector<std::uint8_t> writeJpeg(int width, int height, int components, FillRow fillRow) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * components);
    while (cinfo.next_scanline < cinfo.image_height) {
        fillRow(static_cast<int>(cinfo.next_scanline), row.data());
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

} // namespace stud::testing
