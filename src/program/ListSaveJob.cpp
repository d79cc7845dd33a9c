#include "program/ListSaveJob.h"

#include "platform/FileSystem.h"
#include "program/ListBackups.h"

#include <new>

void RunListSaveJob(TListSaveJob& job) noexcept {
    try {
        if (!KeepBackup(job.Snapshot.FileName, job.BackupsDir, job.BackupCount, job.Now, job.BackupError))
            job.BackupError = AsSentence(job.BackupError);
        job.Result = WriteListSnapshot(job.Snapshot, &job.Identity);
    } catch (const std::bad_alloc&) {
        job.Result = {false, "The program ran out of memory."};
    } catch (...) {
        job.Result = {false, "The list could not be written for an unexpected reason."};
    }
}
