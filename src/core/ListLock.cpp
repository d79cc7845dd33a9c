#include "core/ListLock.h"

#include "platform/AppendFile.h"
#include "platform/FileSystem.h"
#include "platform/PathName.h"

#include <charconv>

namespace {

const char* const kFirstLine = "Korvalen list lock 1";
// Far more than any lock takes; a bigger file is no lock.
constexpr size_t kMaxLockBytes = 4096;

// One line of the file: no line break may reach it from a name.
std::string OneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    return line;
}

bool TakeLine(const std::string& bytes, size_t& at, const std::string& key, std::string& value) {
    const size_t end = bytes.find('\n', at);
    if (end == std::string::npos || bytes.compare(at, key.size(), key) != 0)
        return false;
    value = bytes.substr(at + key.size(), end - at - key.size());
    at = end + 1;
    return true;
}

bool TakeNumber(const std::string& bytes, size_t& at, const std::string& key, int64_t& number) {
    std::string text;
    if (!TakeLine(bytes, at, key, text) || text.empty())
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string Counted(int64_t n, const char* unit) {
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

} // namespace

std::string LockFilePath(const std::string& listPath) {
    return FolderPart(listPath) + "." + FileNamePart(listPath) + ".lock";
}

std::string LockFileText(const TLockHolder& holder) {
    return std::string(kFirstLine) + "\nuser " + OneLine(holder.User) + "\nhost " + OneLine(holder.Host) + "\npid " +
           std::to_string(holder.Pid) + "\nsince " + std::to_string(holder.Since) + "\n";
}

bool ParseLockFile(const std::string& bytes, TLockHolder& holder, std::string& error) {
    size_t at = 0;
    std::string first;
    TLockHolder read;
    if (bytes.size() > kMaxLockBytes || !TakeLine(bytes, at, "", first) || first != kFirstLine) {
        error = "not a Korvalen list lock";
        return false;
    }
    if (!TakeLine(bytes, at, "user ", read.User) || !TakeLine(bytes, at, "host ", read.Host) ||
        !TakeNumber(bytes, at, "pid ", read.Pid) || !TakeNumber(bytes, at, "since ", read.Since) ||
        at != bytes.size()) {
        error = "the lock is damaged";
        return false;
    }
    holder = read;
    return true;
}

TLockCheck CheckListLock(const std::string& listPath, IProcessFacts& facts) {
    TLockCheck check;
    const std::string path = LockFilePath(listPath);
    if (!FileSystem().IsFile(path))
        return check;
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, error, kMaxLockBytes) || !ParseLockFile(bytes, check.Holder, error)) {
        check.State = TLockState::Stale;
        return check;
    }
    const bool here = check.Holder.Host == facts.HostName();
    if (here && check.Holder.Pid == facts.ProcessId())
        check.State = TLockState::Ours;
    else if (here && !facts.IsRunning(check.Holder.Pid))
        check.State = TLockState::Stale;
    else
        check.State = TLockState::Held;
    return check;
}

bool TakeListLock(const std::string& listPath, IProcessFacts& facts, std::string& error) {
    const TLockHolder holder{facts.UserName(), facts.HostName(), facts.ProcessId(), facts.Now()};
    // Whoever asked to take it judged the lock there free, stale or ours.
    // Made anew rather than replaced, so that of two takers only one wins.
    const std::string path = LockFilePath(listPath);
    FileSystem().Remove(path);
    return CreateNewFile(path, LockFileText(holder), error);
}

void ReleaseListLock(const std::string& listPath, IProcessFacts& facts) {
    if (CheckListLock(listPath, facts).State == TLockState::Ours)
        FileSystem().Remove(LockFilePath(listPath));
}

std::string LockHolderText(const TLockHolder& holder, int64_t now) {
    const int64_t age = now > holder.Since ? now - holder.Since : 0;
    std::string since;
    if (age < 120)
        since = "less than 2 minutes";
    else if (age < 2 * 3600)
        since = Counted(age / 60, "minute");
    else if (age < 2 * 86400)
        since = Counted(age / 3600, "hour");
    else
        since = Counted(age / 86400, "day");
    return (holder.User.empty() ? std::string("someone") : holder.User) + " on " +
           (holder.Host.empty() ? std::string("an unknown host") : holder.Host) + " (process " +
           std::to_string(holder.Pid) + "), for " + since;
}
