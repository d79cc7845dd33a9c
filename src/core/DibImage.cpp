#include "DibImage.h"

#include "core/LittleEndian.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

bool Fail(std::string& error, const std::string& text) {
    error = "The bitmap is damaged: " + text;
    return false;
}

bool IsSupportedDepth(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

size_t RowSize(int32_t width, uint32_t bits) {
    return (static_cast<size_t>(width) * bits + 31) / 32 * 4;
}

} // namespace

bool DecodeDib(const std::string& file, TDibImage& image, std::string& error) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M')
        return Fail(error, "it has no bitmap header.");
    uint32_t fileSize = GetLE(file, 2);
    uint32_t pixelOffset = GetLE(file, 10);
    uint32_t infoSize = GetLE(file, 14);
    int32_t width = GetLE32s(file, 18);
    int32_t height = GetLE32s(file, 22);
    uint32_t bits = GetLE(file, 28, 2);
    uint32_t compression = GetLE(file, 30);
    uint32_t colorsUsed = GetLE(file, 46);
    if (fileSize > file.size() || fileSize < kFileHeaderSize + kInfoHeaderSize)
        return Fail(error, "its header gives a wrong file size.");
    if (infoSize < kInfoHeaderSize || infoSize > fileSize - kFileHeaderSize)
        return Fail(error, "its info header has a wrong size.");
    if (compression != 0 || !IsSupportedDepth(bits))
        return Fail(error, "its pixel format is not supported.");
    bool topDown = height < 0;
    int32_t rows = topDown ? (height == INT32_MIN ? 0 : -height) : height;
    if (width < 1 || rows < 1 || width > kMaxDibSide || rows > kMaxDibSide)
        return Fail(error, "its size is out of range.");

    size_t paletteStart = kFileHeaderSize + infoSize;
    size_t paletteSize = 0;
    if (bits <= 8) {
        size_t maxColors = size_t(1) << bits;
        if (colorsUsed > maxColors)
            return Fail(error, "its colour table is too long.");
        paletteSize = colorsUsed == 0 ? maxColors : colorsUsed;
    }
    size_t rowSize = RowSize(width, bits);
    if (pixelOffset < paletteStart + 4 * paletteSize || pixelOffset > fileSize ||
        rowSize * static_cast<size_t>(rows) > fileSize - pixelOffset)
        return Fail(error, "its header promises more pixels than it holds.");

    TDibImage read;
    read.Width = width;
    read.Height = rows;
    read.BitCount = static_cast<uint16_t>(bits);
    for (size_t i = 0; i < paletteSize; ++i)
        read.Palette.push_back(GetLE(file, paletteStart + 4 * i) & 0xFFFFFF);
    size_t pixelCount = static_cast<size_t>(width) * rows;
    read.Pixels.resize(pixelCount);
    if (bits <= 8)
        read.Indices.resize(pixelCount);
    for (int32_t y = 0; y < rows; ++y) {
        size_t row = pixelOffset + rowSize * static_cast<size_t>(topDown ? y : rows - 1 - y);
        for (int32_t x = 0; x < width; ++x) {
            size_t at = static_cast<size_t>(y) * width + x;
            if (bits <= 8) {
                size_t bit = static_cast<size_t>(x) * bits;
                auto byte = static_cast<unsigned char>(file[row + bit / 8]);
                uint8_t index = static_cast<uint8_t>((byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1));
                read.Indices[at] = index;
                // An index beyond a short colour table shows black, as the platform does.
                read.Pixels[at] = index < read.Palette.size() ? read.Palette[index] : 0;
            } else {
                read.Pixels[at] = GetLE(file, row + static_cast<size_t>(x) * (bits / 8), 3);
            }
        }
    }
    image = std::move(read);
    return true;
}

std::string EncodeDib(const TDibImage& image) {
    uint32_t bits = image.BitCount;
    bool indexed = bits <= 8;
    size_t rowSize = RowSize(image.Width, bits);
    size_t paletteSize = indexed ? image.Palette.size() : 0;
    size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize;
    size_t fileSize = pixelOffset + rowSize * static_cast<size_t>(image.Height);

    std::string out;
    out.reserve(fileSize);
    out += "BM";
    PutLE(out, static_cast<uint32_t>(fileSize));
    PutLE(out, 0);
    PutLE(out, static_cast<uint32_t>(pixelOffset));
    PutLE(out, kInfoHeaderSize);
    PutLE(out, static_cast<uint32_t>(image.Width));
    PutLE(out, static_cast<uint32_t>(image.Height));
    PutLE(out, 1, 2);
    PutLE(out, bits, 2);
    PutLE(out, 0); // uncompressed
    PutLE(out, static_cast<uint32_t>(rowSize * static_cast<size_t>(image.Height)));
    PutLE(out, 2835); // 72 dpi
    PutLE(out, 2835);
    PutLE(out, static_cast<uint32_t>(paletteSize));
    PutLE(out, 0);
    for (size_t i = 0; i < paletteSize; ++i)
        PutLE(out, image.Palette[i] & 0xFFFFFF);
    for (int32_t y = image.Height - 1; y >= 0; --y) {
        std::string row(rowSize, '\0');
        for (int32_t x = 0; x < image.Width; ++x) {
            size_t at = static_cast<size_t>(y) * image.Width + x;
            if (indexed) {
                size_t bit = static_cast<size_t>(x) * bits;
                row[bit / 8] = static_cast<char>(static_cast<unsigned char>(row[bit / 8]) |
                                                 ((image.Indices[at] & ((1u << bits) - 1)) << (8 - bits - bit % 8)));
            } else {
                uint32_t rgb = image.Pixels[at];
                for (uint32_t b = 0; b < bits / 8; ++b)
                    row[x * (bits / 8) + b] = static_cast<char>(b < 3 ? (rgb >> (8 * b)) & 0xFF : 0);
            }
        }
        out += row;
    }
    return out;
}
