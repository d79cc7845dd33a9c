#include "BitmapContainer.h"

#include "core/BlobError.h"
#include "core/Deflate.h"
#include "core/Inflate.h"
#include "core/LittleEndian.h"

#include <limits>

namespace {

bool Fail(std::string& error, const std::string& text) {
    error = text;
    return false;
}

} // namespace

bool TBitmapContainer::Add(const std::string& bitmapFile) {
    if (m_count >= kMaxCount ||
        m_data.size() + bitmapFile.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        return false;
    m_offsets[m_count] = static_cast<int32_t>(m_data.size());
    m_data += bitmapFile;
    ++m_count;
    m_offsets[m_count] = static_cast<int32_t>(m_data.size());
    return true;
}

bool TBitmapContainer::GetBitmap(int32_t index, std::string& bitmapFile) const {
    if (index < 1 || index > m_count)
        return false;
    size_t begin = static_cast<size_t>(m_offsets[index - 1]);
    size_t end = static_cast<size_t>(m_offsets[index]);
    bitmapFile = m_data.substr(begin, end - begin);
    return true;
}

std::string TBitmapContainer::WriteProps() const {
    std::string packed = CompressBytes(m_data);
    std::string out;
    out.reserve(kHeaderSize + packed.size());
    for (int32_t offset : m_offsets)
        PutLE(out, static_cast<uint32_t>(offset));
    PutLE(out, static_cast<uint32_t>(m_count));
    PutLE(out, static_cast<uint32_t>(packed.size()));
    PutLE(out, static_cast<uint32_t>(m_data.size()));
    return out + packed;
}

bool TBitmapContainer::ReadProps(const std::string& bytes, std::string& error) {
    if (bytes.size() < kHeaderSize)
        return Fail(error, "The stored bitmaps are damaged: their header is incomplete.");
    std::array<int32_t, 32> offsets{};
    for (size_t k = 0; k < offsets.size(); ++k)
        offsets[k] = GetLE32s(bytes, 4 * k);
    int32_t count = GetLE32s(bytes, 128);
    int32_t packedSize = GetLE32s(bytes, 132);
    int32_t size = GetLE32s(bytes, 136);
    if (count < 0 || count > kMaxCount)
        return Fail(error, "The stored bitmaps are damaged: their count is out of range.");
    if (packedSize < 0 || static_cast<size_t>(packedSize) > bytes.size() - kHeaderSize)
        return Fail(error, "The stored bitmaps are damaged: their compressed block is longer than the data.");
    if (size < 0)
        return Fail(error, "The stored bitmaps are damaged: their length is negative.");

    // The block must hold exactly the announced length: a byte more or less is damage.
    TInflated data;
    TInflateError inflated = InflateBytes(bytes.data() + kHeaderSize, static_cast<size_t>(packedSize),
                                          static_cast<size_t>(size), data, static_cast<size_t>(size));
    if (inflated == TInflateError::TooLarge)
        return Fail(error, "The stored bitmaps are damaged: their block is longer than announced.");
    if (inflated != TInflateError::None)
        return Fail(error, BlobInflateErrorText(inflated));
    if (data.Size() < static_cast<size_t>(size))
        return Fail(error, kBlobContentEndsEarly);

    for (int32_t k = 0; k < count; ++k)
        if (offsets[k] < 0 || offsets[k] > offsets[k + 1])
            return Fail(error, "The stored bitmaps are damaged: their offsets are out of order.");
    if (offsets[count] < 0 || offsets[count] > size)
        return Fail(error, "The stored bitmaps are damaged: an offset lies beyond the data.");

    m_offsets = offsets;
    m_count = count;
    m_data.assign(data.Data(), data.Size());
    return true;
}
