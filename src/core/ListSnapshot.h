#pragma once

#include "core/FileIdentity.h"
#include "core/ListFile.h"
#include "core/Project.h"

#include <cstdint>
#include <string>

// A save in two halves. The list's content is taken where the list lives, in
// one pass over its records; compressing and writing it, the long half, can
// then run anywhere while the list goes on changing, and the file holds the
// list exactly as it was when it was taken. The writing half touches nothing
// but its snapshot and the file.

struct TListSnapshot {
    std::string FileName;
    // The uncompressed list file.
    TListContent Content;
    // The state of the list's history the content shows.
    uint64_t State = 0;
};

// Closes the change gathered in `list`'s history and takes its content; false
// with the reason when the list cannot be stored.
bool TakeListSnapshot(TProject& list, TListSnapshot& snapshot, std::string& error);

// The same in two steps, the second of which may run away from the list as
// long as its records do not change meanwhile: the history closed and the
// snapshot named, then the pass over the records.
void BeginListSnapshot(TProject& list, TListSnapshot& snapshot);
bool TakeListContent(const TArrayOfBootData& records, TListSnapshot& snapshot, std::string& error);

// Replaces the snapshot's file with its content, compressed. On failure the
// old file stays as it was and the result says why. The content is given up
// once it is compressed. `written`, when given, gets the identity of the
// bytes written, taken from them rather than from reading the file back.
TSaveResult WriteListSnapshot(TListSnapshot& snapshot, TFileIdentity* written = nullptr);
