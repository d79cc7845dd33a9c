#pragma once

#include "core/FileIdentity.h"
#include "core/ListSnapshot.h"

#include <cstdint>
#include <string>

// What a save carries from the window to its long half and back: the
// snapshot and where backups go on the way there, the outcome on the way
// back. The long half touches nothing but the job and the files, so that it
// can run while the list goes on changing.
struct TListSaveJob {
    TListSnapshot Snapshot;
    // The list's name before a Save As gave it the snapshot's, for a failure.
    std::string PreviousName;
    std::string BackupsDir;
    int BackupCount = 0;
    int64_t Now = 0;

    TSaveResult Result;
    // Why the previous file could not be kept (the save went on), or "".
    std::string BackupError;
    // The new file as written, so that nobody reads it again to know it.
    TFileIdentity Identity;
};

// Keeps the previous file as a backup, writes the snapshot in its place and
// identifies what was written. Never throws: running out of memory is an
// outcome like any other.
void RunListSaveJob(TListSaveJob& job) noexcept;
