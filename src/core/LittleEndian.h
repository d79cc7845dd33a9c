#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Little-endian integers of the stored blobs, appended to or read from bytes.

inline void PutLE(std::string& out, uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline uint32_t GetLE(const std::string& bytes, size_t offset, int size = 4) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

inline int32_t GetLE32s(const std::string& bytes, size_t offset) {
    return static_cast<int32_t>(GetLE(bytes, offset));
}
