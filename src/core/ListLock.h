#pragma once

#include "platform/ProcessFacts.h"

#include <cstdint>
#include <string>

// The lock beside an open list: a small hidden file ".NAME.lock" next to
// "NAME" that says who holds the list (user, host, process and since when).
// A lock is advice between Korvalen programs, never a refusal by the
// system: whoever finds a live lock of another asks its user what to do. A
// lock whose process no longer runs on this host is stale and taken over.

struct TLockHolder {
    std::string User;
    std::string Host;
    int64_t Pid = 0;
    int64_t Since = 0; // seconds since 1970
};

enum class TLockState {
    Free,  // no lock
    Ours,  // this process holds it
    Stale, // its process is gone (or the file is not a lock): take it over
    Held,  // another process, here or on another host, holds it
};

struct TLockCheck {
    TLockState State = TLockState::Free;
    TLockHolder Holder;
};

// "/dir/.NAME.lock" for "/dir/NAME".
std::string LockFilePath(const std::string& listPath);

// The bytes of a lock file, and back. Reading refuses anything but exactly
// what writing makes, with the reason.
std::string LockFileText(const TLockHolder& holder);
bool ParseLockFile(const std::string& bytes, TLockHolder& holder, std::string& error);

TLockCheck CheckListLock(const std::string& listPath, IProcessFacts& facts);
// Writes this process's lock; false with the reason (a read-only folder).
bool TakeListLock(const std::string& listPath, IProcessFacts& facts, std::string& error);
// Removes the lock if this process holds it; another's lock stays.
void ReleaseListLock(const std::string& listPath, IProcessFacts& facts);

// "USER on HOST (process PID), for 5 minutes" as of `now`.
std::string LockHolderText(const TLockHolder& holder, int64_t now);
