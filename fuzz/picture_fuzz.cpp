// Feeds arbitrary bytes to the cover picture readers, JPEG and bitmap. A
// picture that is read must be whole: as many pixels as its size says,
// within the size limit; a refusal must say why, and a refused bitmap must
// say whether it is damaged, of a kind not supported, or too large.
//
// The same bytes are also read as the body of a bitmap whose header is made
// from their first bytes (header size, bits per pixel, compression, size),
// so that every kind of bitmap is reached without the fuzzer having to find
// a consistent header first.

#include "FuzzLimits.h"

#include "core/DibImage.h"
#include "core/LittleEndian.h"
#include "core/Picture.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Check(bool read, const TPicture& picture, const std::string& error) {
    if (!read) {
        if (error.empty())
            __builtin_trap();
        return;
    }
    const uint64_t pixels = static_cast<uint64_t>(picture.Width) * static_cast<uint64_t>(picture.Height);
    if (picture.Empty() || pixels > kFuzzMaxPixels || picture.Pixels.size() != pixels)
        __builtin_trap();
}

bool StartsWith(const std::string& text, const char* start) {
    return text.rfind(start, 0) == 0;
}

void CheckBitmap(const std::string& file) {
    TDibImage image;
    std::string error;
    if (!DecodeDib(file, image, error, kFuzzMaxPixels)) {
        if (!StartsWith(error, "The bitmap is damaged: ") &&
            !StartsWith(error, "This kind of bitmap is not supported: ") &&
            !StartsWith(error, "The picture is too large"))
            __builtin_trap();
        return;
    }
    const size_t pixels = static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height);
    if (pixels > kFuzzMaxPixels || image.Pixels.size() != pixels ||
        (image.BitCount <= 8 && image.Indices.size() != pixels))
        __builtin_trap();
}

// A bitmap file: a header chosen by the first 6 bytes of `bytes`, the rest
// after it as masks, colour table and pixels.
std::string MadeBitmap(const std::string& bytes) {
    if (bytes.size() < 6)
        return {};
    static const uint32_t kHeaderSizes[] = {12, 40, 52, 108, 124};
    static const uint32_t kBits[] = {1, 4, 8, 16, 24, 32, 2, 0};
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const uint32_t infoSize = kHeaderSizes[byte(0) % 5];
    const uint32_t bits = kBits[byte(1) % 8];
    const uint32_t compression = byte(2) % 8;
    const int32_t width = byte(3) % 64 + 1;
    const int32_t height = (byte(4) % 64 + 1) * (byte(5) & 0x80 ? -1 : 1);
    const std::string body = bytes.substr(6);
    const uint32_t offset = 14 + infoSize + static_cast<uint32_t>((byte(5) & 0x7F) * 4);

    std::string info;
    if (infoSize == 12) {
        PutLE(info, static_cast<uint32_t>(width), 2);
        PutLE(info, static_cast<uint32_t>(height < 0 ? -height : height), 2);
        PutLE(info, 1, 2);
        PutLE(info, bits, 2);
    } else {
        PutLE(info, static_cast<uint32_t>(width));
        PutLE(info, static_cast<uint32_t>(height));
        PutLE(info, 1, 2);
        PutLE(info, bits, 2);
        PutLE(info, compression);
        info += std::string(infoSize - 4 - 16, '\0');
    }
    std::string file = "BM";
    PutLE(file, static_cast<uint32_t>(14 + 4 + info.size() + body.size()));
    PutLE(file, 0);
    PutLE(file, offset);
    PutLE(file, infoSize);
    return file + info + body;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TPicture jpeg, bitmap;
    std::string jpegError, bitmapError;
    Check(DecodeJpeg(bytes, jpeg, jpegError, kFuzzMaxPixels), jpeg, jpegError);
    Check(DecodeBitmap(bytes, bitmap, bitmapError, kFuzzMaxPixels), bitmap, bitmapError);
    CheckBitmap(bytes);
    CheckBitmap(MadeBitmap(bytes));
    return 0;
}
