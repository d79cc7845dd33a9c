#pragma once

#include "platform/ByteStream.h"

#include <cstdint>
#include <string>
#include <vector>

#include <zlib.h>

// Reads the decompressed content of one zlib stream piece by piece, so that
// neither the whole compressed file nor the whole content is held at once.
// Every read is bounded by the bytes that really arrive: a length taken from
// the content never allocates more than the content holds.
class TInflateReader {
public:
    enum class TError { None, Read, Empty, NotCompressed, Corrupt, CompressedEndsEarly, ContentEndsEarly };

    explicit TInflateReader(TByteSource& source);
    ~TInflateReader();
    TInflateReader(const TInflateReader&) = delete;
    TInflateReader& operator=(const TInflateReader&) = delete;

    bool ReadInt32(int32_t& value); // little-endian
    // Replaces `out` with the next `count` bytes.
    bool ReadBytes(std::string& out, size_t count);
    // Reads on to the end of the stream, so that its checksum is verified.
    bool Finish();

    TError Error() const { return m_error; }
    // The failure in words for the user; empty when there is none.
    std::string ErrorText() const;

private:
    // Makes at least `wanted` bytes (no more than the buffer holds) available,
    // unless the content ends or fails first.
    bool Fill(size_t wanted);
    bool Inflate();
    bool Fail(TError error);
    size_t Available() const { return m_end - m_pos; }

    TByteSource& m_source;
    z_stream m_zlib{};
    bool m_zlibReady = false;
    bool m_sourceEnded = false;
    bool m_streamEnded = false;
    std::vector<unsigned char> m_in;
    std::vector<char> m_out;
    size_t m_pos = 0;
    size_t m_end = 0;
    TError m_error = TError::None;
    std::string m_readError;
};
