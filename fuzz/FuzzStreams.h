#pragma once

#include <cstdint>
#include <string>

#include <zlib.h>

// `block` as the stored blobs carry it: its length in 4 bytes, then zlib data.
// Lets a fuzzer reach the readers behind the decompression.
inline std::string AsLengthPrefixedStream(const std::string& block) {
    uLongf size = compressBound(static_cast<uLong>(block.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(block.data()),
              static_cast<uLong>(block.size()), 1);
    packed.resize(size);
    uint32_t n = static_cast<uint32_t>(block.size());
    std::string stream;
    for (int i = 0; i < 4; ++i)
        stream += static_cast<char>((n >> (8 * i)) & 0xFF);
    return stream + packed;
}
