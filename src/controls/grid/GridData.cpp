#include "GridData.h"

#include "core/Deflate.h"
#include "core/Inflate.h"

#include <algorithm>

namespace {

constexpr size_t kMaxBlockSize = kGridDataHeaderSize + kGridDataColumnSize * kMaxGridDataColumns;

void PutInt32(std::string& out, int32_t value) {
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

int32_t GetInt32(const char* p) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    return static_cast<int32_t>(bits);
}

// A length byte, then the text cut to `size`, then zeros up to `size`.
void PutShortString(std::string& out, const std::string& text, size_t size) {
    size_t length = std::min(text.size(), size);
    out += static_cast<char>(length);
    out.append(text, 0, length);
    out.append(size - length, '\0');
}

bool GetShortString(const char* p, size_t size, std::string& text) {
    size_t length = static_cast<unsigned char>(p[0]);
    if (length > size)
        return false;
    text.assign(p + 1, length);
    return true;
}

// Inflates one whole zlib stream that must give exactly `expected` bytes and
// be followed by nothing.
bool Inflate(const char* data, size_t size, size_t expected, std::string& out) {
    TInflated block;
    size_t used = 0;
    if (InflateBytes(data, size, expected, block, expected, &used) != TInflateError::None || used != size ||
        block.Size() != expected)
        return false;
    out.assign(block.Data(), block.Size());
    return true;
}

} // namespace

std::string EncodeGridColumns(const std::vector<TGridColumn>& columns) {
    std::string block;
    block.reserve(kGridDataHeaderSize + kGridDataColumnSize * columns.size());
    PutInt32(block, 1);
    PutInt32(block, static_cast<int32_t>(columns.size()));
    for (const TGridColumn& c : columns) {
        PutInt32(block, c.Width);
        PutShortString(block, c.Heading(), kMaxHeadingLength);
        PutShortString(block, c.Format(), kMaxFormatLength);
        block += static_cast<char>(c.Kind);
        PutInt32(block, c.ItemCount);
        block += static_cast<char>(c.Align);
    }

    std::string stream;
    PutInt32(stream, static_cast<int32_t>(block.size()));
    return stream + CompressBytes(block);
}

TGridDataResult DecodeGridColumns(const std::string& stream, std::vector<TGridColumn>& columns) {
    if (stream.size() < 4)
        return TGridDataResult::Corrupt;
    int32_t announced = GetInt32(stream.data());
    if (announced < 1 || static_cast<size_t>(announced) > kMaxBlockSize)
        return TGridDataResult::Corrupt;
    std::string block;
    if (!Inflate(stream.data() + 4, stream.size() - 4, static_cast<size_t>(announced), block))
        return TGridDataResult::Corrupt;
    if (block[0] != 1)
        return TGridDataResult::OtherVersion;
    if (block.size() < kGridDataHeaderSize)
        return TGridDataResult::Corrupt;
    int32_t count = GetInt32(block.data() + 4);
    if (count < 0 || static_cast<size_t>(count) > (block.size() - kGridDataHeaderSize) / kGridDataColumnSize)
        return TGridDataResult::Corrupt;

    std::vector<TGridColumn> read(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        const char* p = block.data() + kGridDataHeaderSize + kGridDataColumnSize * i;
        TGridColumn& c = read[i];
        c.Width = GetInt32(p);
        std::string heading, format;
        if (c.Width < 0 || !GetShortString(p + 4, kMaxHeadingLength, heading) ||
            !GetShortString(p + 133, kMaxFormatLength, format))
            return TGridDataResult::Corrupt;
        c.SetHeading(heading);
        c.SetFormat(format);
        c.Kind = static_cast<uint8_t>(p[154]);
        c.ItemCount = GetInt32(p + 155);
        c.Align = static_cast<uint8_t>(p[159]);
    }
    columns = std::move(read);
    return TGridDataResult::Ok;
}
