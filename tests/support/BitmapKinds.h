#pragma once

#include "core/LittleEndian.h"
#include "support/TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

// The kinds of bitmap a cover comes in, all showing the 7 x 3 picture of
// tests/core/bitmaps/kinds.ppm. The files were written by ImageMagick 6.9:
//   convert kinds.ppm -alpha on BMP:argb32-v5.bmp      (32 bits, colour masks, V5 header)
//   convert kinds.ppm -type truecolor -define bmp:subtype=RGB565 BMP:rgb565-v5.bmp
//   convert kinds.ppm -depth 5 -define bmp:subtype=RGB555 BMP:rgb555-v5.bmp
//   convert kinds.ppm -type palette -compress RLE BMP3:rle8-v3.bmp
//   convert kinds.ppm -type palette BMP3:pal4-v3.bmp
//   convert kinds.ppm -type truecolor BMP3:rgb24-v3.bmp
//   convert kinds.ppm -type palette BMP2:pal4-os2.bmp  (OS/2 1.x header)
// The kinds no common encoder writes are built from them byte by byte.

// clang-format off
inline const std::vector<uint32_t> kKindsPicture = {
    0xFF0000, 0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF, 0xFFFFFF,
    0x000000, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0x00FFFF, 0xFF00FF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x0000FF,
};
// clang-format on

inline std::string BitmapFixture(const std::string& name) {
    return ReadBytes(std::string(KORVALEN_TEST_BITMAPS) + name);
}

inline std::string WithField(std::string file, size_t offset, uint32_t value, int size = 4) {
    std::string bytes;
    PutLE(bytes, value, size);
    return file.replace(offset, static_cast<size_t>(size), bytes);
}

// An uncompressed bitmap with its rows stored top-down.
inline std::string TopDown(const std::string& file) {
    const size_t offset = GetLE(file, 10), width = GetLE(file, 18), rows = GetLE(file, 22);
    const size_t rowSize = (width * GetLE(file, 28, 2) + 31) / 32 * 4;
    std::string flipped = WithField(file, 22, static_cast<uint32_t>(-static_cast<int32_t>(rows)));
    for (size_t row = 0; row < rows; ++row)
        flipped.replace(offset + row * rowSize, rowSize, file, offset + (rows - 1 - row) * rowSize, rowSize);
    return flipped;
}

// A V5 bitmap with colour masks rewritten with the 40-byte header, the masks after it.
inline std::string MasksAfterShortHeader(const std::string& v5) {
    std::string file = v5.substr(0, 14 + 40) + v5.substr(54, 12) + v5.substr(GetLE(v5, 10));
    file = WithField(file, 2, static_cast<uint32_t>(file.size()));
    file = WithField(file, 10, 14 + 40 + 12);
    return WithField(file, 14, 40);
}

// 4 bits run-length compressed, rows bottom-up: runs, a move right (leaving
// index 0), plain indexes of odd count with their padding, end of picture.
inline std::string RunLength4() {
    const uint32_t palette[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
    const std::string runs("\x06\x44\x01\x30\x00\x00"                                 // W x 6, B
                           "\x00\x02\x01\x00\x00\x05\x55\x55\x60\x00\x01\x70\x00\x00" // (K) Y Y Y Y C, M
                           "\x03\x11\x01\x20\x02\x33\x01\x40\x00\x01",                // R R R, G, B B, W
                           30);
    std::string file = "BM";
    const uint32_t offset = 14 + 40 + sizeof palette;
    for (uint32_t value : {offset + static_cast<uint32_t>(runs.size()), 0u, offset, 40u, 7u, 3u})
        PutLE(file, value);
    PutLE(file, 1, 2);
    PutLE(file, 4, 2);
    for (uint32_t value : {2u, static_cast<uint32_t>(runs.size()), 2835u, 2835u, 8u, 0u})
        PutLE(file, value);
    for (uint32_t rgb : palette)
        PutLE(file, rgb);
    return file + runs;
}

struct TBitmapKind {
    std::string Name;
    std::string File;
};

inline std::vector<TBitmapKind> BitmapKinds() {
    const std::string v5565 = BitmapFixture("rgb565-v5.bmp");
    return {
        {"Argb32MasksV5", BitmapFixture("argb32-v5.bmp")},
        {"Rgb565MasksV5", v5565},
        {"Rgb555MasksV5", BitmapFixture("rgb555-v5.bmp")},
        {"Rgb555Plain", WithField(BitmapFixture("rgb555-v5.bmp"), 30, 0)},
        {"Rgb565MasksAfterV3", MasksAfterShortHeader(v5565)},
        {"RunLength8", BitmapFixture("rle8-v3.bmp")},
        {"RunLength4", RunLength4()},
        {"Palette4", BitmapFixture("pal4-v3.bmp")},
        {"Palette4Os2", BitmapFixture("pal4-os2.bmp")},
        {"Rgb24", BitmapFixture("rgb24-v3.bmp")},
        {"Rgb24TopDown", TopDown(BitmapFixture("rgb24-v3.bmp"))},
        {"Argb32TopDown", TopDown(BitmapFixture("argb32-v5.bmp"))},
    };
}
