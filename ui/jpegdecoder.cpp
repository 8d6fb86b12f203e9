#include "ui/jpegdecoder.h"

#include <csetjmp>
#include <cstdio>
#include <new>
#include <utility>

#include <jpeglib.h>

namespace stud {

namespace {

// The picture is built into the program, so anything larger than this is
// damage, not a picture: refuse it before asking for gigabytes.
constexpr JDIMENSION kMaxSide = 16384;
constexpr std::size_t kMaxPixels = std::size_t{64} * 1024 * 1024;

// libjpeg's own error manager prints and calls exit(); ours jumps back to the
// decoder with the message instead.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void errorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// A warning (level -1) means damaged data, such as a premature end of the
// file that libjpeg would quietly pad with grey. We would rather show nothing
// than half a picture, so a warning fails the decode as well. Trace messages
// (level >= 0) are ignored.
void emitMessage(j_common_ptr cinfo, int level) {
    if (level < 0) errorExit(cinfo);
}

void outputMessage(j_common_ptr) {}

// Everything between setjmp and the last libjpeg call lives in this frame and
// is plain data, so the longjmp skips no destructor. The pixel buffer belongs
// to the caller and is sized only once the header has been read.
bool decodeInto(jpeg_decompress_struct& cinfo, ErrorManager& jerr, const std::uint8_t* data,
                std::size_t size, std::vector<std::uint8_t>& pixels, int& width, int& height) {
    if (setjmp(jerr.jump)) return false;

    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);

    if (cinfo.output_components != 3 || cinfo.output_width == 0 || cinfo.output_height == 0 ||
        cinfo.output_width > kMaxSide || cinfo.output_height > kMaxSide ||
        std::size_t{cinfo.output_width} * cinfo.output_height > kMaxPixels) {
        std::snprintf(jerr.message, sizeof jerr.message, "Unsupported picture size or format");
        return false;
    }

    const std::size_t stride = std::size_t{cinfo.output_width} * 3;
    pixels.resize(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    width = static_cast<int>(cinfo.output_width);
    height = static_cast<int>(cinfo.output_height);
    return true;
}

} // namespace

bool decodeJpeg(const std::uint8_t* data, std::size_t size, DecodedImage& out, std::string* error) {
    out = DecodedImage{};
    if (data == nullptr || size == 0) {
        if (error) *error = "Empty JPEG data";
        return false;
    }

    jpeg_decompress_struct cinfo{};
    ErrorManager jerr{};
    cinfo.err = jpeg_std_error(&jerr.pub);
    jerr.pub.error_exit = errorExit;
    jerr.pub.emit_message = emitMessage;
    jerr.pub.output_message = outputMessage;
    jpeg_create_decompress(&cinfo);

    std::vector<std::uint8_t> pixels;
    int width = 0, height = 0;
    bool ok = false;
    try {
        ok = decodeInto(cinfo, jerr, data, size, pixels, width, height);
    } catch (const std::bad_alloc&) {
        std::snprintf(jerr.message, sizeof jerr.message, "Out of memory");
    }
    jpeg_destroy_decompress(&cinfo);

    if (!ok) {
        if (error) *error = jerr.message;
        return false;
    }
    out.width = width;
    out.height = height;
    out.rgb = std::move(pixels);
    return true;
}

} // namespace stud
