// Feeds arbitrary bytes to the readers of the stored blobs: the text store
// (as a blob and as its uncompressed block), the bitmap container and the
// bitmap file decoder. What is read must write back and read again unchanged.

#include "FuzzLimits.h"
#include "FuzzStreams.h"

#include "core/BitmapContainer.h"
#include "core/DibImage.h"
#include "core/Strings2.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Strings(const std::string& blob) {
    std::string error;
    TStrings2 store;
    if (store.ReadData(blob, error) != TStrings2::TReadResult::Ok)
        return;
    TStrings2 again;
    if (again.ReadData(store.WriteData(), error) != TStrings2::TReadResult::Ok || again.Count() != store.Count())
        __builtin_trap();
    for (int32_t i = 0; i <= store.Count() + 1; ++i)
        if (again.Item(i) != store.Item(i) || again.Sign(i) != store.Sign(i))
            __builtin_trap();
}

void Bitmaps(const std::string& blob) {
    std::string error;
    TBitmapContainer container;
    if (!container.ReadProps(blob, error))
        return;
    TBitmapContainer again;
    if (!again.ReadProps(container.WriteProps(), error) || again.Data() != container.Data() ||
        again.Offsets() != container.Offsets())
        __builtin_trap();
    for (int32_t i = 0; i <= container.Count() + 1; ++i) {
        std::string file;
        TDibImage image;
        if (container.GetBitmap(i, file))
            DecodeDib(file, image, error, kFuzzMaxPixels);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    Strings(bytes);
    Strings(AsLengthPrefixedStream(bytes));
    Bitmaps(bytes);
    TDibImage image;
    std::string error;
    if (DecodeDib(bytes, image, error, kFuzzMaxPixels)) {
        TDibImage again;
        if (!DecodeDib(EncodeDib(image), again, error, kFuzzMaxPixels) || again.Pixels != image.Pixels)
            __builtin_trap();
    }
    return 0;
}
