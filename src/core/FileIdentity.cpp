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
