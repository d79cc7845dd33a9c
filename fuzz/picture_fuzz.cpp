// Feeds arbitrary bytes to the cover picture readers, JPEG and bitmap. A
// picture that is read must be whole: as many pixels as its size says,
// within the size limit; a refusal must say why.

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
    if (picture.Empty() || pixels > kMaxPicturePixels || picture.Pixels.size() != pixels)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TPicture jpeg, bitmap;
    std::string jpegError, bitmapError;
    Check(DecodeJpeg(bytes, jpeg, jpegError), jpeg, jpegError);
    Check(DecodeBitmap(bytes, bitmap, bitmapError), bitmap, bitmapError);
    return 0;
}
