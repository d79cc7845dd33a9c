#include "DeflateWriter.h"

#include <algorithm>
#include <limits>

namespace {
constexpr size_t kOutputPiece = 64 * 1024;
}

TDeflateWriter::TDeflateWriter(TByteSink& target, int level) : m_target(target), m_out(kOutputPiece) {
    m_zlibReady = deflateInit(&m_zlib, level) == Z_OK;
    if (!m_zlibReady)
        m_error = "Cannot start the compression";
}

TDeflateWriter::~TDeflateWriter() {
    if (m_zlibReady)
        deflateEnd(&m_zlib);
}

bool TDeflateWriter::Deflate(int flush) {
    for (;;) {
        m_zlib.next_out = m_out.data();
        m_zlib.avail_out = static_cast<uInt>(m_out.size());
        int status = deflate(&m_zlib, flush);
        if (status == Z_STREAM_ERROR) {
            m_error = "The compression failed";
            return false;
        }
        size_t produced = m_out.size() - m_zlib.avail_out;
        if (produced > 0 && !m_target.Write(m_out.data(), produced)) {
            m_error = m_target.Error();
            return false;
        }
        if (flush == Z_FINISH ? status == Z_STREAM_END : m_zlib.avail_out != 0)
            return true;
    }
}

bool TDeflateWriter::Write(const void* data, size_t size) {
    if (!m_zlibReady || !m_error.empty())
        return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        size_t piece = std::min<size_t>(size, std::numeric_limits<uInt>::max());
        m_zlib.next_in = const_cast<unsigned char*>(bytes);
        m_zlib.avail_in = static_cast<uInt>(piece);
        if (!Deflate(Z_NO_FLUSH))
            return false;
        bytes += piece;
        size -= piece;
    }
    return true;
}

bool TDeflateWriter::Finish() {
    if (!m_zlibReady || !m_error.empty())
        return false;
    m_zlib.next_in = nullptr;
    m_zlib.avail_in = 0;
    return Deflate(Z_FINISH);
}

std::string CompressBytes(const std::string& data, int level) {
    TStringSink sink;
    TDeflateWriter writer(sink, level);
    writer.Write(data.data(), data.size());
    writer.Finish();
    return sink.Bytes;
}
