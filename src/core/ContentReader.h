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
        if (Left() < count)
            return false;
        out.assign(m_content.data() + m_pos, count);
        m_pos += count;
        return true;
    }
    // Reads a length and that many bytes into `text`, which is empty; a
    // length of 0 or less leaves it empty. The text is made at its size at
    // once rather than grown into.
    bool ReadTextInto(std::string& text) {
        int32_t length = 0;
        if (!ReadInt32(length))
            return false;
        if (length <= 0)
            return true;
        if (Left() < static_cast<size_t>(length))
            return false;
        text = std::string(m_content.data() + m_pos, static_cast<size_t>(length));
        m_pos += static_cast<size_t>(length);
        return true;
    }
    size_t Left() const { return m_content.size() - m_pos; }
    size_t Position() const { return m_pos; }

private:
    std::string_view m_content;
    size_t m_pos = 0;
};
