#pragma once

#include "platform/BulkAllocator.h"

#include <cstddef>
#include <string_view>

// Inflates one whole zlib stream held in memory, through libdeflate. No size
// is trusted: the output grows stepwise, never past what deflate can make of
// the input (at most 1032 bytes from one) nor past the caller's bound. The
// checksum is verified; bytes after the stream are left alone.

enum class TInflateError { None, Empty, NotCompressed, Corrupt, EndsEarly, TooLarge, NoMemory };

// The content of a stream, in memory of its exact size.
class TInflated {
public:
    const char* Data() const { return m_buffer.Data(); }
    size_t Size() const { return m_size; }
    std::string_view View() const { return {Data(), m_size}; }
    // The bytes before `offset` are read and no longer needed: their whole
    // pages go back to the system, and they read as zeros from then on.
    void GiveBackBefore(size_t offset);
    // Gives the memory back.
    void Clear() {
        m_buffer.Clear();
        m_size = 0;
    }

private:
    friend TInflateError InflateBytes(const void*, size_t, size_t, TInflated&, size_t, size_t*);
    TBulkBytes m_buffer;
    size_t m_size = 0;
};

// Inflates the stream at the start of `data` into `out`, whose content may
// be at most `most` bytes (TooLarge beyond that). `firstTry` is the size of
// the first output buffer (an announced size); 0 guesses from the input.
// `used`, when given, receives the length of the stream within `data`.
TInflateError InflateBytes(const void* data, size_t size, size_t most, TInflated& out, size_t firstTry = 0,
                           size_t* used = nullptr);
