#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A numbered table of short texts, stored with its window as the binary
// property "Data": 4 bytes block length, then the block as a zlib stream
// (version 2: count, then length, text and one sign byte per item; version 1
// has no sign bytes and is only read).
class TStrings2 {
public:
    enum class TReadResult { Ok, OtherVersion, Damaged };

    // Item i (from 1); empty outside 1..Count.
    const std::string& Item(int32_t index) const;
    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    uint8_t Sign(int32_t index) const;
    void Add(std::string text, uint8_t sign = 0);

    std::string WriteData() const;
    // On any result but Ok the store stays as it was; `error` says why.
    TReadResult ReadData(const std::string& bytes, std::string& error);

private:
    std::vector<std::string> m_items;
    std::vector<uint8_t> m_itemSigns; // one per item
};
