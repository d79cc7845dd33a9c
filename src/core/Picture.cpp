#include "Picture.h"

#include "core/DibImage.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to the decoder with the message kept.
struct TJpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
    bool Truncated;
};

void JpegErrorExit(j_common_ptr info) {
    TJpegErrors* errors = reinterpret_cast<TJpegErrors*>(info->err);
    errors->Manager.format_message(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

// A file cut short decodes into grey rows with a warning; it is refused, so
// the user learns the picture is incomplete.
void JpegMessage(j_common_ptr info, int level) {
    TJpegErrors* errors = reinterpret_cast<TJpegErrors*>(info->err);
    if (level < 0 && errors->Manager.msg_code == JWRN_JPEG_EOF)
        errors->Truncated = true;
}

uint32_t FromCmyk(const JSAMPLE* cmyk, bool inverted) {
    // Adobe writes inverted CMYK; the others plain.
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    const uint32_t r = c * k / 255, g = m * k / 255, b = y * k / 255;
    return 0xFF000000u | r << 16 | g << 8 | b;
}

bool TooLarge(uint64_t width, uint64_t height, std::string& error) {
    if (width * height <= kMaxPicturePixels)
        return false;
    error = "The picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
            " pixels; at most 256 megapixels are shown).";
    return true;
}

// Everything that lives across the jump is plain data or owned by the caller.
bool DecodeJpegInto(const std::string& bytes, TPicture& picture, std::vector<JSAMPLE>& row, std::string& error) {
    jpeg_decompress_struct info;
    TJpegErrors errors;
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = JpegErrorExit;
    errors.Manager.emit_message = JpegMessage;
    errors.Truncated = false;
    errors.Message[0] = 0;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        error = std::string("The JPEG picture is damaged: ") + errors.Message + ".";
        return false;
    }
    jpeg_create_decompress(&info);
    // Progressive pictures keep all their coefficients; bound what that may take.
    info.mem->max_memory_to_use = 1536L * 1024 * 1024;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (TooLarge(info.image_width, info.image_height, error)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    picture.Width = static_cast<int32_t>(info.output_width);
    picture.Height = static_cast<int32_t>(info.output_height);
    picture.Pixels.assign(static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height), 0xFF000000u);
    if (cmyk)
        row.resize(static_cast<size_t>(picture.Width) * 4);
    while (info.output_scanline < info.output_height) {
        uint32_t* target = picture.Pixels.data() + static_cast<size_t>(info.output_scanline) * picture.Width;
        if (!cmyk) {
            JSAMPROW rows[1] = {reinterpret_cast<JSAMPLE*>(target)};
            jpeg_read_scanlines(&info, rows, 1);
            continue;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int32_t x = 0; x < picture.Width; ++x)
            target[x] = FromCmyk(&row[static_cast<size_t>(x) * 4], info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (errors.Truncated) {
        error = "The JPEG picture is cut short.";
        return false;
    }
    return true;
}

std::string UpperExtension(const std::string& path) {
    size_t dot = path.find_last_of("./");
    std::string extension = dot == std::string::npos || path[dot] != '.' ? "" : path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

} // namespace

bool DecodeJpeg(const std::string& bytes, TPicture& picture, std::string& error) {
    TPicture decoded;
    std::vector<JSAMPLE> row;
    if (bytes.empty()) {
        error = "The JPEG picture is empty.";
        return false;
    }
    if (!DecodeJpegInto(bytes, decoded, row, error))
        return false;
    picture = std::move(decoded);
    return true;
}

bool DecodeBitmap(const std::string& bytes, TPicture& picture, std::string& error) {
    TDibImage image;
    std::string reason;
    if (!DecodeDib(bytes, image, reason)) {
        error = "The bitmap cannot be read: " + AsSentence(reason);
        return false;
    }
    if (TooLarge(static_cast<uint64_t>(image.Width), static_cast<uint64_t>(image.Height), error))
        return false;
    picture.Width = image.Width;
    picture.Height = image.Height;
    picture.Pixels = std::move(image.Pixels);
    for (uint32_t& pixel : picture.Pixels)
        pixel |= 0xFF000000u;
    return true;
}

bool ReadPictureFile(const std::string& path, TPicture& picture, std::string& error) {
    std::string bytes;
    // No picture of the allowed size needs more bytes than this.
    constexpr size_t kMaxFileBytes = 1024ull * 1024 * 1024;
    if (!ReadWholeFile(path, bytes, error, kMaxFileBytes))
        return false;
    const std::string extension = UpperExtension(path);
    if (extension == ".BMP")
        return DecodeBitmap(bytes, picture, error);
    return DecodeJpeg(bytes, picture, error);
}
