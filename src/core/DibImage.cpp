#include "DibImage.h"

#include "core/LittleEndian.h"
#include "core/PictureLimits.h"

#include <algorithm>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12; // OS/2 1.x: 16-bit sizes, 3-byte colours
constexpr uint32_t kInfoHeaderSize = 40;
// The colour masks follow the 40-byte header, inside a larger one or after it.
constexpr size_t kMasksAt = kFileHeaderSize + kInfoHeaderSize;

enum TCompression : uint32_t {
    kPlain = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitFields = 6
};

bool Damaged(std::string& error, const std::string& text) {
    error = "The bitmap is damaged: " + text;
    return false;
}

bool NotSupported(std::string& error, const std::string& text) {
    error = "This kind of bitmap is not supported: " + text;
    return false;
}

size_t RowSize(int32_t width, uint32_t bits) {
    return (static_cast<size_t>(width) * bits + 31) / 32 * 4;
}

struct THeader {
    uint32_t FileSize = 0;
    uint32_t PixelOffset = 0;
    int32_t Width = 0;
    int32_t Rows = 0;
    bool TopDown = false;
    uint32_t Bits = 0;
    uint32_t Compression = kPlain;
    size_t PaletteStart = 0;
    size_t PaletteSize = 0;
    size_t ColourBytes = 4;
    uint32_t Masks[3] = {0, 0, 0}; // red, green, blue
};

bool ReadSizes(const std::string& file, uint32_t infoSize, THeader& h, uint32_t& colorsUsed, std::string& error) {
    int32_t height = 0;
    if (infoSize == kCoreHeaderSize) {
        h.Width = static_cast<int32_t>(GetLE(file, 18, 2));
        height = static_cast<int32_t>(GetLE(file, 20, 2));
        h.Bits = GetLE(file, 24, 2);
        h.ColourBytes = 3;
    } else if (infoSize >= kInfoHeaderSize) {
        h.Width = GetLE32s(file, 18);
        height = GetLE32s(file, 22);
        h.Bits = GetLE(file, 28, 2);
        h.Compression = GetLE(file, 30);
        colorsUsed = GetLE(file, 46);
    } else {
        return Damaged(error, "its info header has a wrong size.");
    }
    h.TopDown = height < 0;
    h.Rows = h.TopDown ? (height == INT32_MIN ? 0 : -height) : height;
    if (h.Width < 1 || h.Rows < 1)
        return Damaged(error, "its size is out of range.");
    return true;
}

bool CheckKind(const THeader& h, std::string& error) {
    switch (h.Compression) {
    case kJpeg:
        return NotSupported(error, "it holds a JPEG picture.");
    case kPng:
        return NotSupported(error, "it holds a PNG picture.");
    case kPlain:
    case kRle8:
    case kRle4:
    case kBitFields:
    case kAlphaBitFields:
        break;
    default:
        return NotSupported(error, "its compression " + std::to_string(h.Compression) + " is unknown.");
    }
    const uint32_t b = h.Bits;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        return NotSupported(error, "it has " + std::to_string(b) + " bits per pixel.");
    const bool masked = h.Compression == kBitFields || h.Compression == kAlphaBitFields;
    if ((h.Compression == kRle8 && b != 8) || (h.Compression == kRle4 && b != 4) || (masked && b != 16 && b != 32))
        return Damaged(error, "its compression does not fit its " + std::to_string(b) + " bits per pixel.");
    return true;
}

void SetMasks(const std::string& file, THeader& h) {
    if (h.Compression == kBitFields || h.Compression == kAlphaBitFields) {
        for (int c = 0; c < 3; ++c)
            h.Masks[c] = GetLE(file, kMasksAt + 4 * static_cast<size_t>(c));
    } else if (h.Bits == 16) {
        h.Masks[0] = 0x7C00; // 5 bits each, the plain 16-bit layout
        h.Masks[1] = 0x03E0;
        h.Masks[2] = 0x001F;
    } else {
        h.Masks[0] = 0xFF0000;
        h.Masks[1] = 0x00FF00;
        h.Masks[2] = 0x0000FF;
    }
}

bool ReadHeader(const std::string& file, THeader& h, uint64_t maxPixels, std::string& error) {
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file[0] != 'B' || file[1] != 'M')
        return Damaged(error, "it has no bitmap header.");
    h.FileSize = GetLE(file, 2);
    h.PixelOffset = GetLE(file, 10);
    const uint32_t infoSize = GetLE(file, 14);
    if (h.FileSize > file.size() || h.FileSize < kFileHeaderSize + kCoreHeaderSize)
        return Damaged(error, "its header gives a wrong file size.");
    if (infoSize > h.FileSize - kFileHeaderSize)
        return Damaged(error, "its info header has a wrong size.");
    uint32_t colorsUsed = 0;
    if (!ReadSizes(file, infoSize, h, colorsUsed, error) || !CheckKind(h, error))
        return false;
    // Before anything is allocated: a few bytes may claim gigapixels.
    if (PictureTooLarge(static_cast<uint64_t>(h.Width), static_cast<uint64_t>(h.Rows), error, maxPixels))
        return false;

    h.PaletteStart = kFileHeaderSize + infoSize;
    if (h.Compression == kBitFields || h.Compression == kAlphaBitFields)
        h.PaletteStart = std::max(h.PaletteStart, kMasksAt + (h.Compression == kBitFields ? 12 : 16));
    if (h.Bits <= 8) {
        const size_t maxColors = size_t(1) << h.Bits;
        if (colorsUsed > maxColors)
            return Damaged(error, "its colour table is too long.");
        h.PaletteSize = colorsUsed == 0 ? maxColors : colorsUsed;
    }
    if (h.PaletteStart > h.FileSize || h.PixelOffset < h.PaletteStart + h.ColourBytes * h.PaletteSize ||
        h.PixelOffset > h.FileSize)
        return Damaged(error, "its header promises more pixels than it holds.");
    const bool compressed = h.Compression == kRle8 || h.Compression == kRle4;
    if (!compressed && RowSize(h.Width, h.Bits) * static_cast<size_t>(h.Rows) > h.FileSize - h.PixelOffset)
        return Damaged(error, "its header promises more pixels than it holds.");
    SetMasks(file, h);
    return true;
}

// The row of the picture that the `row`-th row of the file fills.
int32_t PictureRow(const THeader& h, int32_t row) {
    return h.TopDown ? row : h.Rows - 1 - row;
}

void ReadIndexedRows(const std::string& file, const THeader& h, TDibImage& read) {
    const size_t rowSize = RowSize(h.Width, h.Bits);
    const uint32_t bits = h.Bits;
    for (int32_t row = 0; row < h.Rows; ++row) {
        const size_t from = h.PixelOffset + rowSize * static_cast<size_t>(row);
        uint8_t* target = read.Indices.data() + static_cast<size_t>(PictureRow(h, row)) * h.Width;
        for (int32_t x = 0; x < h.Width; ++x) {
            const size_t bit = static_cast<size_t>(x) * bits;
            const auto byte = static_cast<unsigned char>(file[from + bit / 8]);
            target[x] = static_cast<uint8_t>((byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1));
        }
    }
}

// A colour mask's bits scaled to 0..255, whatever its width.
class TChannel {
public:
    explicit TChannel(uint32_t mask) : m_mask(mask) {
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++m_shift;
        }
        m_max = mask;
    }
    uint32_t Of(uint32_t value) const {
        if (m_max == 0)
            return 0;
        const uint64_t part = (value & m_mask) >> m_shift;
        return static_cast<uint32_t>(std::min<uint64_t>(255, (part * 255 + m_max / 2) / m_max));
    }

private:
    uint32_t m_mask;
    int m_shift = 0;
    uint32_t m_max = 0;
};

void ReadMaskedRows(const std::string& file, const THeader& h, TDibImage& read) {
    const size_t rowSize = RowSize(h.Width, h.Bits);
    const int bytes = static_cast<int>(h.Bits / 8);
    const TChannel red(h.Masks[0]), green(h.Masks[1]), blue(h.Masks[2]);
    for (int32_t row = 0; row < h.Rows; ++row) {
        const size_t from = h.PixelOffset + rowSize * static_cast<size_t>(row);
        uint32_t* target = read.Pixels.data() + static_cast<size_t>(PictureRow(h, row)) * h.Width;
        for (int32_t x = 0; x < h.Width; ++x) {
            const uint32_t value = GetLE(file, from + static_cast<size_t>(x) * bytes, bytes);
            target[x] = red.Of(value) << 16 | green.Of(value) << 8 | blue.Of(value);
        }
    }
}

// Run-length pixels: (count, index) runs, or a zero and an escape: 0 ends
// the row, 1 the picture, 2 moves right and up by the two bytes after it,
// any other n is n plain indexes padded to whole 16-bit words. Pixels that no
// run reaches keep index 0; runs past the right edge are cut there.
bool ReadRunLengthRows(const std::string& file, const THeader& h, TDibImage& read, std::string& error) {
    const bool four = h.Compression == kRle4;
    size_t at = h.PixelOffset;
    const size_t end = h.FileSize;
    int32_t x = 0, row = 0;
    auto put = [&](unsigned index) {
        if (x < h.Width)
            read.Indices[static_cast<size_t>(PictureRow(h, row)) * h.Width + static_cast<size_t>(x++)] =
                static_cast<uint8_t>(index);
    };
    auto nibble = [](unsigned byte, unsigned i) { return i % 2 ? byte & 15 : byte >> 4; };
    while (row < h.Rows) {
        if (end - at < 2)
            return Damaged(error, "its compressed pixels end early.");
        const auto count = static_cast<unsigned char>(file[at]), value = static_cast<unsigned char>(file[at + 1]);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count && x < h.Width; ++i)
                put(four ? nibble(value, i) : value);
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (end - at < 2)
                return Damaged(error, "its compressed pixels end early.");
            x = std::min(h.Width, x + static_cast<unsigned char>(file[at]));
            row += static_cast<unsigned char>(file[at + 1]);
            at += 2;
        } else {
            const size_t bytes = four ? (value + 1u) / 2 : value;
            if (end - at < bytes)
                return Damaged(error, "its compressed pixels end early.");
            for (unsigned i = 0; i < value && x < h.Width; ++i)
                put(four ? nibble(static_cast<unsigned char>(file[at + i / 2]), i)
                         : static_cast<unsigned char>(file[at + i]));
            at = std::min(end, at + bytes + bytes % 2);
        }
    }
    return true;
}

} // namespace

bool DecodeDib(const std::string& file, TDibImage& image, std::string& error, uint64_t maxPixels) {
    THeader h;
    if (!ReadHeader(file, h, maxPixels, error))
        return false;
    TDibImage read;
    read.Width = h.Width;
    read.Height = h.Rows;
    read.BitCount = static_cast<uint16_t>(h.Bits);
    for (size_t i = 0; i < h.PaletteSize; ++i)
        read.Palette.push_back(GetLE(file, h.PaletteStart + h.ColourBytes * i, 3));
    const size_t pixelCount = static_cast<size_t>(h.Width) * static_cast<size_t>(h.Rows);
    read.Pixels.resize(pixelCount);
    if (h.Bits > 8) {
        ReadMaskedRows(file, h, read);
        image = std::move(read);
        return true;
    }
    read.Indices.resize(pixelCount);
    if (h.Compression == kPlain)
        ReadIndexedRows(file, h, read);
    else if (!ReadRunLengthRows(file, h, read, error))
        return false;
    // An index beyond a short colour table shows black, as the platform does.
    for (size_t i = 0; i < pixelCount; ++i)
        read.Pixels[i] = read.Indices[i] < read.Palette.size() ? read.Palette[read.Indices[i]] : 0;
    image = std::move(read);
    return true;
}

std::string EncodeDib(const TDibImage& image) {
    bool indexed = image.BitCount <= 8;
    // Pixels are 8 bits a channel: 16-bit depths would lose the low bits.
    uint32_t bits = indexed || image.BitCount == 32 ? image.BitCount : 24;
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
