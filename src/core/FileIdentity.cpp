#include "core/FileIdentity.h"

#include "platform/FileSystem.h"

#include <libdeflate.h>

#include <memory>
#include <vector>

namespace {

bool ChecksumOfFile(const std::string& path, uint32_t& checksum) {
    std::string error;
    std::unique_ptr<TFile> file = FileSystem().OpenForReading(path, error);
    if (!file)
        return false;
    std::vector<unsigned char> buffer(size_t(1) << 20);
    uint32_t crc = 0;
    for (;;) {
        const long long got = file->Read(buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        crc = libdeflate_crc32(crc, buffer.data(), static_cast<size_t>(got));
    }
    checksum = crc;
    return true;
}

} // namespace

TFileIdentity IdentifyFile(const std::string& path) {
    TFileIdentity identity;
    identity.Stamp = StampOfFile(path);
    identity.Known = identity.Stamp.Exists && ChecksumOfFile(path, identity.Checksum);
    return identity;
}

TFileIdentity IdentifyWrittenBytes(const TFileStamp& stamp, const void* data, size_t size) {
    TFileIdentity identity;
    identity.Stamp = stamp;
    // Should another program have written there since, its size tells.
    identity.Stamp.Size = size;
    identity.Checksum = static_cast<uint32_t>(libdeflate_crc32(0, data, size));
    identity.Known = stamp.Exists;
    return identity;
}

bool FileChangedSince(const TFileIdentity& known, const std::string& path) {
    if (!known.Known)
        return false;
    const TFileStamp now = StampOfFile(path);
    if (!now.Exists)
        return true;
    if (now.SameContentStamp(known.Stamp) && now.SameFile(known.Stamp))
        return false;
    uint32_t checksum = 0;
    return !ChecksumOfFile(path, checksum) || now.Size != known.Stamp.Size || checksum != known.Checksum;
}

long long TIdentifyingSource::Read(void* buffer, size_t capacity) {
    const long long got = m_file.Read(buffer, capacity);
    if (got > 0) {
        m_checksum = libdeflate_crc32(m_checksum, buffer, static_cast<size_t>(got));
        m_size += static_cast<uint64_t>(got);
    }
    m_failed = m_failed || got < 0;
    return got;
}

TFileIdentity TIdentifyingSource::Finish() {
    std::vector<unsigned char> buffer(size_t(1) << 16);
    while (!m_failed && Read(buffer.data(), buffer.size()) > 0) {
    }
    TFileIdentity identity;
    identity.Stamp = m_stamp;
    // The stamp was taken before the bytes were read: the size is theirs.
    identity.Stamp.Size = m_size;
    identity.Checksum = m_checksum;
    identity.Known = !m_failed && m_stamp.Exists;
    return identity;
}
