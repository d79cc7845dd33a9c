#pragma once

#include "core/FileIdentity.h"
#include "program/ListJournals.h"
#include "program/ProgramHost.h"

#include <memory>
#include <string>

class TProject;

// What keeps an open list from being overwritten unseen: the lock it holds
// on its file, and the file's identity as last read or written.
struct TListGuard {
    // The list file whose lock this list holds, or "".
    std::string LockedFile;
    // Opened over another's live lock, or no lock could be made: a save
    // on the way out must not go there without the user choosing.
    bool LockNotHonoured = false;
    TFileIdentity Identity;
    // The user was told that the file changed on the disk under edits.
    bool ToldChanged = false;
    // Where the list's unsaved changes are kept against a crash.
    std::unique_ptr<TListJournal> Journal;
};

enum class TLockedOpen { Edit, ReadOnly, Anyway, Cancel };

// How to open `fileName`: at once when nobody else holds it (a stale lock
// goes silently), else as the user answers; read-only is the default.
TLockedOpen AskLockedOpen(IProgramHost& host, const std::string& fileName, const std::string& name);

// After `list` was read from or written to its file: holds the file's lock
// (unless read-only) and remembers its identity. A lock that cannot be made
// leaves the list open, marked as not honoured.
void GuardFile(TListGuard& guard, TProject& list, TLockedOpen mode);
// The same with the file's identity known already (taken where it was written).
void GuardFile(TListGuard& guard, TProject& list, TLockedOpen mode, const TFileIdentity& identity);
// Gives up the lock the list holds.
void ReleaseGuard(TListGuard& guard);

enum class TChangedOnDisk { Overwrite, SaveAs, Cancel };
// Asks before a save over a file that changed on the disk since it was
// read or written.
TChangedOnDisk AskChangedOnDisk(IProgramHost& host, const std::string& name);
