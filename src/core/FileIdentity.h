#pragma once

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
// Whether the file at `path` is other than `known`: gone, or other bytes.
// Nothing known means nothing to compare: no change.
bool FileChangedSince(const TFileIdentity& known, const std::string& path);
