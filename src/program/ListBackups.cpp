#include "program/ListBackups.h"

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/PathName.h"
#include "program/ProgramFolders.h"

#include <algorithm>
#include <ctime>

namespace {

const char kStampPattern[] = "0000-00-00_00-00-00";
constexpr size_t kStampLength = sizeof kStampPattern - 1;

bool IsStamp(const std::string& text) {
    if (text.size() != kStampLength)
        return false;
    for (size_t i = 0; i < kStampLength; ++i)
        if ((kStampPattern[i] == '0') != (text[i] >= '0' && text[i] <= '9') ||
            (kStampPattern[i] != '0' && text[i] != kStampPattern[i]))
            return false;
    return true;
}

} // namespace

std::string BackupName(const std::string& listPath, int64_t time) {
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return FileNamePart(listPath) + "." + stamp;
}

std::vector<std::string> SurplusBackups(const std::vector<std::string>& names, const std::string& listPath, int keep) {
    const std::string prefix = FileNamePart(listPath) + ".";
    std::vector<std::string> backups;
    for (const std::string& name : names)
        if (name.size() == prefix.size() + kStampLength && name.compare(0, prefix.size(), prefix) == 0 &&
            IsStamp(name.substr(prefix.size())))
            backups.push_back(name);
    // The stamps sort by time as text.
    std::sort(backups.begin(), backups.end());
    const size_t kept = static_cast<size_t>(std::max(keep, 0));
    backups.resize(backups.size() > kept ? backups.size() - kept : 0);
    return backups;
}

bool KeepBackup(const std::string& listPath, const std::string& backupsDir, int keep, int64_t time,
                std::string& error) {
    if (keep <= 0 || !FileSystem().IsFile(listPath))
        return true;
    std::string bytes;
    if (!ReadWholeFile(listPath, bytes, error) || !CreateFolderPath(backupsDir, error) ||
        !WriteFileAtomically(backupsDir + BackupName(listPath, time), bytes, error))
        return false;
    std::vector<std::string> names;
    if (!FileSystem().ListFolder(backupsDir, names, error))
        return false;
    for (const std::string& name : SurplusBackups(names, listPath, keep))
        FileSystem().Remove(backupsDir + name);
    return true;
}
