#pragma once

#include <cstddef>
#include <string>

// The list file and the stored blobs are each one zlib stream (RFC 1950),
// made by libdeflate. Its level 9 packs within a fraction of a percent of
// zlib's best level in about a quarter of the time, and writes the header of
// zlib's best level (78 DA), so any zlib reads the files.
constexpr int kDeflateLevel = 9;

// `size` bytes at `data` as one zlib stream in `out`; false, with the reason,
// when the compressor cannot be had.
bool DeflateBytes(const void* data, size_t size, int level, std::string& out, std::string& error);

// The bytes of `data` as one zlib stream.
std::string CompressBytes(const std::string& data, int level = kDeflateLevel);
