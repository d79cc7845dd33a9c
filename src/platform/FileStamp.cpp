#include "platform/FileStamp.h"

#include <sys/stat.h>

TFileStamp StampOfFile(const std::string& path) {
    TFileStamp stamp;
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return stamp;
    stamp.Exists = true;
    stamp.Device = static_cast<uint64_t>(info.st_dev);
    stamp.Inode = static_cast<uint64_t>(info.st_ino);
    stamp.Size = static_cast<uint64_t>(info.st_size);
    stamp.ModifiedNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}
