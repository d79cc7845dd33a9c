#pragma once

#include "platform/ByteStream.h"

#include <string>
#include <string_view>

// Collects an export's text and hands it to the sink in large pieces, so a
// list of any size costs few writes and little memory.
class TExportPieces {
public:
    explicit TExportPieces(TByteSink& sink) : m_sink(sink) { m_buffer.reserve(kFlushSize + 4096); }

    std::string& Buffer() { return m_buffer; }
    void Add(std::string_view text) { m_buffer.append(text.data(), text.size()); }
    // After each record: the collected text goes out once it is large.
    // False with the sink's reason when a write failed.
    bool EndRecord(std::string& error) { return m_buffer.size() < kFlushSize || Flush(error); }
    bool Flush(std::string& error) {
        const bool ok = m_buffer.empty() || m_sink.Write(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
        if (!ok)
            error = m_sink.Error();
        return ok;
    }

private:
    static constexpr size_t kFlushSize = 64 * 1024;
    TByteSink& m_sink;
    std::string m_buffer;
};
