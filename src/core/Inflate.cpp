#include "Inflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

namespace {

// Deflate's longest match (258 bytes) in two bits, plus room for the header.
constexpr size_t kDeflateRatio = 1032;
constexpr size_t kStreamSlack = 1024;
// Text lists pack to about a sixth; an eighth leaves most lists one try.
constexpr size_t kGuessedRatio = 8;
constexpr size_t kSmallestTry = 64 * 1024;

size_t Times(size_t size, size_t factor, size_t plus) {
    const size_t most = std::numeric_limits<size_t>::max();
    return size > (most - plus) / factor ? most : size * factor + plus;
}

struct TDecompressorFree {
    void operator()(libdeflate_decompressor* decompressor) const { libdeflate_free_decompressor(decompressor); }
};

// libdeflate says only that a stream is bad; zlib, fed the same bytes, tells
// a stream that is cut short from one that is damaged or no stream at all.
// It stops once more than `most` bytes have come out.
TInflateError Diagnose(const unsigned char* data, size_t size, size_t most) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return TInflateError::NoMemory;
    unsigned char scratch[32 * 1024];
    size_t fed = 0;
    TInflateError verdict = TInflateError::Corrupt;
    for (;;) {
        if (z.avail_in == 0 && fed < size) {
            size_t piece = std::min<size_t>(size - fed, std::numeric_limits<uInt>::max());
            z.next_in = const_cast<unsigned char*>(data + fed);
            z.avail_in = static_cast<uInt>(piece);
            fed += piece;
        }
        z.next_out = scratch;
        z.avail_out = sizeof scratch;
        int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_STREAM_END || z.total_out > most)
            break; // what libdeflate refused is damage all the same
        if (status == Z_MEM_ERROR) {
            verdict = TInflateError::NoMemory;
            break;
        }
        if (status != Z_OK && status != Z_BUF_ERROR) {
            verdict = z.total_out == 0 ? TInflateError::NotCompressed : TInflateError::Corrupt;
            break;
        }
        if (z.avail_in == 0 && fed == size && z.avail_out != 0) {
            verdict = TInflateError::EndsEarly;
            break;
        }
    }
    inflateEnd(&z);
    return verdict;
}

} // namespace

void TInflated::GiveBackBefore(size_t offset) {
    ::GiveBackPages(m_buffer.Data(), std::min(offset, m_size));
}

TInflateError InflateBytes(const void* data, size_t size, size_t most, TInflated& out, size_t firstTry, size_t* used) {
    out.Clear();
    if (size == 0)
        return TInflateError::Empty;
    const size_t possible = Times(size, kDeflateRatio, kStreamSlack);
    const size_t bound = std::min(most, possible);
    size_t capacity = firstTry > 0 ? firstTry : std::max(kSmallestTry, Times(size, kGuessedRatio, 0));
    capacity = std::min(capacity, bound);

    std::unique_ptr<libdeflate_decompressor, TDecompressorFree> decompressor(libdeflate_alloc_decompressor());
    if (!decompressor)
        return TInflateError::NoMemory;
    for (;;) {
        // Pages of the buffer that the content does not reach are never touched.
        if (!out.m_buffer.Allocate(capacity))
            return TInflateError::NoMemory;
        char* buffer = out.m_buffer.Data();
        size_t consumed = 0;
        size_t produced = 0;
        libdeflate_result result =
            libdeflate_zlib_decompress_ex(decompressor.get(), data, size, buffer, capacity, &consumed, &produced);
        if (result == LIBDEFLATE_SUCCESS) {
            out.m_buffer.ShrinkTo(produced);
            out.m_size = produced;
            if (used)
                *used = consumed;
            return TInflateError::None;
        }
        out.Clear();
        if (result != LIBDEFLATE_INSUFFICIENT_SPACE)
            return Diagnose(static_cast<const unsigned char*>(data), size, bound);
        if (capacity >= bound)
            return bound < possible ? TInflateError::TooLarge : TInflateError::Corrupt;
        capacity = std::min(bound, Times(capacity, 2, 0));
    }
}
