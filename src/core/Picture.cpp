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
    bool OverBudget;
};

void JpegErrorExit(j_common_ptr info) {
    TJpegErrors* errors = reinterpret_cast<TJpegErrors*>(info->err);
    errors->Manager.format_message(info, errors->Message);
    // Without a backing store, work beyond max_memory_to_use ends so.
    const int code = errors->Manager.msg_code;
    errors->OverBudget = code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY;
    std::longjmp(errors->Jump, 1);
}

std::string JpegFailure(const TJpegErrors& errors, uint64_t workBytes) {
    if (errors.Truncated)
        return "The JPEG picture is cut short.";
    if (errors.OverBudget)
        return "The JPEG picture needs more than " + std::to_string(workBytes / 1000000) + " MB to be decoded.";
    return std::string("The JPEG picture is damaged: ") + errors.Message + ".";
}

// Scan data that ends early decodes into grey rows with a warning. A picture
// of a few hundred bytes can so claim 16000 x 16000 pixels and cost seconds
// and a gigabyte: the decode stops at the first such warning.
void JpegMessage(j_common_ptr info, int level) {
    TJpegErrors* errors = reinterpret_cast<TJpegErrors*>(info->err);
    const int code = errors->Manager.msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) {
        errors->Truncated = true;
        std::longjmp(errors->Jump, 1);
    }
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

// Everything that lives across the jump is plain data or owned by the caller.
bool DecodeJpegInto(const std::string& bytes, uint64_t maxPixels, TPicture& picture, std::vector<JSAMPLE>& row,
                    std::string& error) {
    jpeg_decompress_struct info;
    TJpegErrors errors;
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = JpegErrorExit;
    errors.Manager.emit_message = JpegMessage;
    errors.Truncated = false;
    errors.OverBudget = false;
    errors.Message[0] = 0;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        error = JpegFailure(errors, DecodeWorkBytes(maxPixels));
        return false;
    }
    jpeg_create_decompress(&info);
    // Progressive pictures keep all their coefficients; bound what that may take.
    info.mem->max_memory_to_use = static_cast<long>(DecodeWorkBytes(maxPixels));
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (PictureTooLarge(info.image_width, info.image_height, error, maxPixels)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    picture.Width = static_cast<int32_t>(info.output_width);
    picture.Height = static_cast<int32_t>(info.output_height);
    // Reserved, not filled: the rows take memory as they are decoded, so a
    // picture whose data ends early is refused before it costs its size.
    picture.Pixels.reserve(static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height));
    if (cmyk)
        row.resize(static_cast<size_t>(picture.Width) * 4);
    while (info.output_scanline < info.output_height) {
        picture.Pixels.resize(picture.Pixels.size() + static_cast<size_t>(picture.Width), 0xFF000000u);
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

bool DecodeJpeg(const std::string& bytes, TPicture& picture, std::string& error, uint64_t maxPixels) {
    TPicture decoded;
    std::vector<JSAMPLE> row;
    if (bytes.empty()) {
        error = "The JPEG picture is empty.";
        return false;
    }
    if (!DecodeJpegInto(bytes, maxPixels, decoded, row, error))
        return false;
    picture = std::move(decoded);
    return true;
}

bool DecodeBitmap(const std::string& bytes, TPicture& picture, std::string& error, uint64_t maxPixels) {
    TDibImage image;
    if (!DecodeDib(bytes, image, error, maxPixels))
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
