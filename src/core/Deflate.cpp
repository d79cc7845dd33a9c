#include "Deflate.h"

#include <libdeflate.h>

#include <algorithm>
#include <memory>
#include <new>

namespace {

struct TCompressorFree {
    void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};

} // namespace

bool DeflateBytes(const void* data, size_t size, int level, std::string& out, std::string& error) {
    // zlib's "default" (-1) and levels beyond libdeflate's range mean its nearest.
    constexpr int kDefaultLevel = 6;
    constexpr int kBestLevel = 12;
    level = level < 0 ? kDefaultLevel : std::min(level, kBestLevel);
    std::unique_ptr<libdeflate_compressor, TCompressorFree> compressor(libdeflate_alloc_compressor(level));
    if (!compressor) {
        error = "There is not enough memory to compress the list.";
        return false;
    }
    out.resize(libdeflate_zlib_compress_bound(compressor.get(), size));
    size_t packed = libdeflate_zlib_compress(compressor.get(), data, size, &out[0], out.size());
    // The bound is libdeflate's own: the stream always fits.
    out.resize(packed);
    return true;
}

std::string CompressBytes(const std::string& data, int level) {
    std::string packed;
    std::string error;
    if (!DeflateBytes(data.data(), data.size(), level, packed, error))
        throw std::bad_alloc();
    return packed;
}
