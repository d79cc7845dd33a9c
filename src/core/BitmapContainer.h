#pragma once

#include <array>
#include <cstdint>
#include <string>

// A small set of Windows bitmap files carried as one blob, the binary
// property "Properties": a table of 32 offsets, the count, the compressed
// and the uncompressed length, then the bitmaps as one zlib stream.
class TBitmapContainer {
public:
    static constexpr int32_t kMaxCount = 31; // the table needs Count + 1 entries
    static constexpr size_t kHeaderSize = 140;

    int32_t Count() const { return m_count; }
    const std::array<int32_t, 32>& Offsets() const { return m_offsets; }
    const std::string& Data() const { return m_data; }

    // Appends one bitmap file; false when the table is full.
    bool Add(const std::string& bitmapFile);

    // The bytes of bitmap `index` (from 1); false outside 1..Count, leaving `bitmapFile` as it was.
    bool GetBitmap(int32_t index, std::string& bitmapFile) const;

    std::string WriteProps() const;
    // Refuses a damaged blob (the container stays as it was) and says why.
    bool ReadProps(const std::string& bytes, std::string& error);

private:
    std::array<int32_t, 32> m_offsets{};
    int32_t m_count = 0;
    std::string m_data;
};
