#include "ByteStream.h"

#include <algorithm>
#include <cstring>

long long TStringSource::Read(void* buffer, size_t capacity) {
    size_t count = std::min({capacity, m_piece, m_bytes.size() - m_pos});
    std::memcpy(buffer, m_bytes.data() + m_pos, count);
    m_pos += count;
    return static_cast<long long>(count);
}
