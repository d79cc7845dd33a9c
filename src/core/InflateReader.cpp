#include "InflateReader.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
constexpr size_t kInputPiece = 64 * 1024;
constexpr size_t kOutputWindow = 256 * 1024;
} // namespace

TInflateReader::TInflateReader(TByteSource& source) : m_source(source), m_in(kInputPiece), m_out(kOutputWindow) {
    m_zlibReady = inflateInit(&m_zlib) == Z_OK;
    if (!m_zlibReady)
        m_error = TError::Corrupt;
}

TInflateReader::~TInflateReader() {
    if (m_zlibReady)
        inflateEnd(&m_zlib);
}

bool TInflateReader::Fail(TError error) {
    if (m_error == TError::None)
        m_error = error;
    return false;
}

bool TInflateReader::Inflate() {
    if (m_zlib.avail_in == 0 && !m_sourceEnded) {
        long long got = m_source.Read(m_in.data(), m_in.size());
        if (got < 0) {
            m_readError = m_source.Error();
            return Fail(TError::Read);
        }
        if (got == 0)
            m_sourceEnded = true;
        m_zlib.next_in = m_in.data();
        m_zlib.avail_in = static_cast<uInt>(got);
    }
    if (m_zlib.avail_in == 0 && m_sourceEnded)
        return Fail(m_zlib.total_in == 0 ? TError::Empty : TError::CompressedEndsEarly);

    m_zlib.next_out = reinterpret_cast<Bytef*>(m_out.data() + m_end);
    m_zlib.avail_out = static_cast<uInt>(m_out.size() - m_end);
    int status = inflate(&m_zlib, Z_NO_FLUSH);
    m_end = m_out.size() - m_zlib.avail_out;
    switch (status) {
    case Z_OK:
    case Z_BUF_ERROR: // no progress possible with this input; more input follows
        return true;
    case Z_STREAM_END:
        m_streamEnded = true;
        return true;
    default:
        return Fail(m_zlib.total_out == 0 ? TError::NotCompressed : TError::Corrupt);
    }
}

bool TInflateReader::Fill(size_t wanted) {
    wanted = std::min(wanted, m_out.size());
    if (Available() >= wanted)
        return true;
    if (m_error != TError::None)
        return false;
    if (m_pos > 0) {
        std::memmove(m_out.data(), m_out.data() + m_pos, Available());
        m_end -= m_pos;
        m_pos = 0;
    }
    while (Available() < wanted) {
        if (m_streamEnded)
            return Fail(TError::ContentEndsEarly);
        if (!Inflate())
            return false;
    }
    return true;
}

bool TInflateReader::ReadInt32(int32_t& value) {
    if (!Fill(4))
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(m_out.data() + m_pos);
    uint32_t bits = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    std::memcpy(&value, &bits, sizeof value);
    m_pos += 4;
    return true;
}

bool TInflateReader::ReadBytes(std::string& out, size_t count) {
    if (Available() >= count || (count <= m_out.size() && Fill(count))) {
        out.assign(m_out.data() + m_pos, count);
        m_pos += count;
        return true;
    }
    // Longer than the window, or the content is short: take what arrives.
    out.clear();
    while (count > 0) {
        if (Available() == 0 && !Fill(1))
            return false;
        size_t piece = std::min(count, Available());
        out.append(m_out.data() + m_pos, piece);
        m_pos += piece;
        count -= piece;
    }
    return true;
}

bool TInflateReader::Finish() {
    while (!m_streamEnded) {
        m_pos = m_end = 0;
        if (!Inflate())
            return false;
    }
    return m_error == TError::None;
}

std::string TInflateReader::ErrorText() const {
    switch (m_error) {
    case TError::None:
        return {};
    case TError::Read:
        return AsSentence(m_readError);
    case TError::Empty:
        return "The file is empty.";
    case TError::NotCompressed:
        return "The file is not a Korvalen list: its content is not a valid compressed stream.";
    case TError::Corrupt:
        return "The file is damaged: its compressed content is corrupt.";
    case TError::CompressedEndsEarly:
        return "The file is damaged: it ends in the middle of its compressed content.";
    case TError::ContentEndsEarly:
        return "The file is damaged: its content ends before the list is complete.";
    }
    return {};
}
