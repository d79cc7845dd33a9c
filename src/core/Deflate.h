#pragma once

#include "platform/ByteStream.h"

#include <cstddef>
#include <string>

// The list file and the stored blobs are each one zlib stream (RFC 1950),
// made by libdeflate. Its level 9 packs within a fraction of a percent of
// zlib's best level in about a quarter of the time, and writes the header of
// zlib's best level (78 DA), so any zlib reads the files.
constexpr int kDeflateLevel = 9;

// Collects everything written to it and, at Finish(), writes it to `target`
// as one zlib stream: libdeflate compresses whole buffers only. Without
// Finish() nothing reaches the target.
class TDeflateWriter final : public TByteSink {
public:
    // `level` is libdeflate's, 0 (stored) to 12.
    explicit TDeflateWriter(TByteSink& target, int level = kDeflateLevel) : m_target(target), m_level(level) {}

    // Makes room for `size` bytes of content at once, so that a big list is
    // not copied over and over while it is collected.
    void Reserve(size_t size) { m_content.reserve(size); }
    bool Write(const void* data, size_t size) override;
    bool Finish();
    const std::string& Error() const override { return m_error; }

private:
    TByteSink& m_target;
    int m_level;
    std::string m_content;
    std::string m_error;
};

// `size` bytes at `data` as one zlib stream in `out`; false, with the reason,
// when the compressor cannot be had.
bool DeflateBytes(const void* data, size_t size, int level, std::string& out, std::string& error);

// The bytes of `data` as one zlib stream.
std::string CompressBytes(const std::string& data, int level = kDeflateLevel);
