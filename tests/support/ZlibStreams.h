#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include <zlib.h>

// zlib itself, as the other side of the program's compressed files: streams
// that another zlib writer could have made, and zlib's reading of what the
// program writes.

// `content` as one zlib stream at zlib's `level`; with `flushEvery` > 0 the
// writer flushes with `flush` after every `flushEvery` bytes, so the stream
// holds many blocks and empty stored blocks between them.
inline std::string ZlibStream(const std::string& content, int level = 9, size_t flushEvery = 0,
                              int flush = Z_SYNC_FLUSH) {
    z_stream z{};
    deflateInit(&z, level);
    std::string out;
    unsigned char buffer[16384];
    size_t pos = 0;
    for (;;) {
        size_t piece = flushEvery > 0 ? std::min(flushEvery, content.size() - pos) : content.size() - pos;
        bool last = pos + piece == content.size();
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data() + pos));
        z.avail_in = static_cast<uInt>(piece);
        pos += piece;
        int mode = last ? Z_FINISH : flush;
        int status;
        do {
            z.next_out = buffer;
            z.avail_out = sizeof buffer;
            status = deflate(&z, mode);
            out.append(reinterpret_cast<char*>(buffer), sizeof buffer - z.avail_out);
        } while (last ? status != Z_STREAM_END : z.avail_out == 0);
        if (last)
            break;
    }
    deflateEnd(&z);
    return out;
}

// What zlib reads from `stream`: true when it is one whole, checked zlib
// stream followed by nothing.
inline bool ZlibContent(const std::string& stream, std::string& content) {
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
    z.avail_in = static_cast<uInt>(stream.size());
    content.clear();
    unsigned char buffer[16384];
    int status;
    do {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        content.append(reinterpret_cast<char*>(buffer), sizeof buffer - z.avail_out);
    } while (status == Z_OK);
    bool whole = status == Z_STREAM_END && z.avail_in == 0;
    inflateEnd(&z);
    return whole;
}
