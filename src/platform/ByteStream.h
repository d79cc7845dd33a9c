#pragma once

#include <cstddef>
#include <string>

// Where bytes come from and go to. Both keep the reason of their last
// failure, worded for the user.

class TByteSource {
public:
    virtual ~TByteSource() = default;
    // Bytes read into `buffer`; 0 at the end; -1 on failure.
    virtual long long Read(void* buffer, size_t capacity) = 0;
    virtual const std::string& Error() const = 0;
    // The number of bytes there are to read, or -1 when that is not known.
    virtual long long SizeHint() const { return -1; }
};

class TByteSink {
public:
    virtual ~TByteSink() = default;
    // All bytes or false.
    virtual bool Write(const void* data, size_t size) = 0;
    virtual const std::string& Error() const = 0;
};

// Collects everything written into a string.
class TStringSink final : public TByteSink {
public:
    bool Write(const void* data, size_t size) override {
        Bytes.append(static_cast<const char*>(data), size);
        return true;
    }
    const std::string& Error() const override { return m_error; }

    std::string Bytes;

private:
    std::string m_error;
};

// Reads from a string, in pieces of at most `piece` bytes so that readers are
// exercised across piece boundaries.
class TStringSource final : public TByteSource {
public:
    explicit TStringSource(std::string bytes, size_t piece = SIZE_MAX) : m_bytes(std::move(bytes)), m_piece(piece) {}
    long long Read(void* buffer, size_t capacity) override;
    const std::string& Error() const override { return m_error; }
    long long SizeHint() const override { return static_cast<long long>(m_bytes.size()); }

private:
    std::string m_bytes;
    size_t m_piece;
    size_t m_pos = 0;
    std::string m_error;
};
