#include "Strings2.h"

#include "core/BlobError.h"
#include "core/ContentReader.h"
#include "core/Deflate.h"
#include "core/Inflate.h"
#include "core/LittleEndian.h"

#include <cstdint>

namespace {

bool Fail(std::string& error, const std::string& text) {
    error = text;
    return false;
}

} // namespace

const std::string& TStrings2::Item(int32_t index) const {
    static const std::string empty;
    return index >= 1 && index <= Count() ? m_items[index - 1] : empty;
}

uint8_t TStrings2::Sign(int32_t index) const {
    return index >= 1 && index <= Count() ? m_itemSigns[index - 1] : 0;
}

void TStrings2::Add(std::string text, uint8_t sign) {
    m_items.push_back(std::move(text));
    m_itemSigns.push_back(sign);
}

std::string TStrings2::WriteData() const {
    std::string block;
    PutLE(block, 2);
    PutLE(block, static_cast<uint32_t>(Count()));
    for (size_t i = 0; i < m_items.size(); ++i) {
        PutLE(block, static_cast<uint32_t>(m_items[i].size()));
        block += m_items[i];
        block += static_cast<char>(m_itemSigns[i]);
    }
    std::string data;
    PutLE(data, static_cast<uint32_t>(block.size()));
    return data + CompressBytes(block);
}

TStrings2::TReadResult TStrings2::ReadData(const std::string& bytes, std::string& error) {
    // U is only a size estimate of the block; the entries themselves bound the reading.
    if (bytes.size() < 4) {
        Fail(error, "The stored texts are damaged: they are too short.");
        return TReadResult::Damaged;
    }
    TInflated block;
    TInflateError inflated = InflateBytes(bytes.data() + 4, bytes.size() - 4, SIZE_MAX, block, GetLE(bytes, 0));
    if (inflated != TInflateError::None) {
        Fail(error, BlobInflateErrorText(inflated));
        return TReadResult::Damaged;
    }
    TContentReader reader(block.View());
    auto damaged = [&]() {
        Fail(error, kBlobContentEndsEarly);
        return TReadResult::Damaged;
    };

    int32_t version = 0;
    if (!reader.ReadInt32(version))
        return damaged();
    int firstByte = version & 0xFF;
    if (firstByte != 1 && firstByte != 2) {
        Fail(error, "The stored texts are of an unknown version.");
        return TReadResult::OtherVersion;
    }
    int32_t count = 0;
    if (!reader.ReadInt32(count))
        return damaged();
    if (count < 0) {
        Fail(error, "The stored texts are damaged: their count is negative.");
        return TReadResult::Damaged;
    }

    // No reserve from the count: each entry must be there before it takes memory.
    std::vector<std::string> items;
    std::vector<uint8_t> signs;
    for (int32_t i = 0; i < count; ++i) {
        int32_t length = 0;
        std::string text;
        if (!reader.ReadInt32(length) || (length > 0 && !reader.ReadBytes(text, static_cast<size_t>(length))))
            return damaged();
        uint8_t sign = 0; // version 1 carries none
        if (firstByte == 2) {
            std::string signByte;
            if (!reader.ReadBytes(signByte, 1))
                return damaged();
            sign = static_cast<uint8_t>(signByte[0]);
        }
        items.push_back(std::move(text));
        signs.push_back(sign);
    }
    m_items = std::move(items);
    m_itemSigns = std::move(signs);
    return TReadResult::Ok;
}
