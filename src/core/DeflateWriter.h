#pragma once

#include "platform/ByteStream.h"

#include <string>
#include <vector>

#include <zlib.h>

// Compresses everything written to it into one zlib stream (level 9) on
// `target`. Finish() ends the stream; without it the output is incomplete.
class TDeflateWriter final : public TByteSink {
public:
    explicit TDeflateWriter(TByteSink& target, int level = 9);
    ~TDeflateWriter() override;
    TDeflateWriter(const TDeflateWriter&) = delete;
    TDeflateWriter& operator=(const TDeflateWriter&) = delete;

    bool Write(const void* data, size_t size) override;
    bool Finish();
    const std::string& Error() const override { return m_error; }

private:
    bool Deflate(int flush);

    TByteSink& m_target;
    z_stream m_zlib{};
    bool m_zlibReady = false;
    std::vector<unsigned char> m_out;
    std::string m_error;
};

// The bytes of `data` as one zlib stream.
std::string CompressBytes(const std::string& data, int level = 9);
