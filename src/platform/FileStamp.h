#pragma once

#include <cstdint>
#include <string>

// What the system tells of a file without reading it: which file it is
// (device and inode, whatever name reached it) and when and how big it was
// last written. Two names of one file give equal Device and Inode.
struct TFileStamp {
    uint64_t Device = 0;
    uint64_t Inode = 0;
    uint64_t Size = 0;
    int64_t ModifiedNs = 0; // nanoseconds since 1970
    bool Exists = false;

    bool SameFile(const TFileStamp& other) const {
        return Exists && other.Exists && Device == other.Device && Inode == other.Inode;
    }
    bool SameContentStamp(const TFileStamp& other) const {
        return Exists == other.Exists && Size == other.Size && ModifiedNs == other.ModifiedNs;
    }
};

// The stamp of `path` (following links); Exists is false when there is no
// such file or it cannot be looked at.
TFileStamp StampOfFile(const std::string& path);
