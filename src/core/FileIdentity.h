#pragma once

#include "platform/ByteStream.h"
#include "platform/FileStamp.h"

#include <cstdint>
#include <string>

// What a list's file was when the program last read or wrote it: its stamp
// (size and time) and a checksum of its bytes. A file whose stamp is as
// remembered is taken as unchanged without reading it; one whose stamp
// moved is read, so that a copy of the same bytes or a touch counts as no
// change.
struct TFileIdentity {
    TFileStamp Stamp;
    uint32_t Checksum = 0;
    bool Known = false;
};

// The identity of `path` now; Known is false when it cannot be read.
TFileIdentity IdentifyFile(const std::string& path);
// The identity of a file just written with `size` bytes at `data`, whose
// stamp was taken after the write: as IdentifyFile would give, unread.
TFileIdentity IdentifyWrittenBytes(const TFileStamp& stamp, const void* data, size_t size);
// Whether the file at `path` is other than `known`: gone, or other bytes.
// Nothing known means nothing to compare: no change.
bool FileChangedSince(const TFileIdentity& known, const std::string& path);

// Passes the bytes of a file through to its reader and takes the file's
// identity on the way, so that the identity is that of the bytes read,
// whatever another program writes there meanwhile.
class TIdentifyingSource final : public TByteSource {
public:
    // `stamp`: the file's stamp taken before it was opened.
    TIdentifyingSource(TByteSource& file, const TFileStamp& stamp) : m_file(file), m_stamp(stamp) {}
    long long Read(void* buffer, size_t capacity) override;
    const std::string& Error() const override { return m_file.Error(); }
    long long SizeHint() const override { return m_file.SizeHint(); }
    // Reads what the reader left and gives the identity of all the bytes;
    // Known is false when they could not all be read.
    TFileIdentity Finish();

private:
    TByteSource& m_file;
    TFileStamp m_stamp;
    uint32_t m_checksum = 0;
    uint64_t m_size = 0;
    bool m_failed = false;
};
