#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Reads little-endian integers and texts from content held in memory, never
// past its end: a length read from the content is honoured only as far as
// the content really reaches.
class TContentReader {
public:
    explicit TContentReader(std::string_view content) : m_content(content) {}

    bool ReadInt32(int32_t& value) {
        if (Left() < 4)
            return false;
        const auto* p = reinterpret_cast<const unsigned char*>(m_content.data() + m_pos);
        uint32_t bits = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        std::memcpy(&value, &bits, sizeof value);
        m_pos += 4;
        return true;
    }
    // Replaces `out` with the next `count` bytes.
    bool ReadBytes(std::string& out, size_t count) {
        std::string_view bytes;
        if (!ReadView(bytes, count))
            return false;
        out.assign(bytes.data(), bytes.size());
        return true;
    }
    // The next `count` bytes where they lie, valid as long as the content.
    bool ReadView(std::string_view& out, size_t count) {
        if (Left() < count)
            return false;
        out = m_content.substr(m_pos, count);
        m_pos += count;
        return true;
    }
    size_t Left() const { return m_content.size() - m_pos; }
    size_t Position() const { return m_pos; }

private:
    std::string_view m_content;
    size_t m_pos = 0;
};
