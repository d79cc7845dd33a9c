#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Before a list file is replaced, its previous bytes are kept in the
// Backups folder as "NAME.kvu.YYYY-MM-DD_HH-MM-SS" (local time), and only
// the newest `keep` backups of that name stay. A backup that cannot be made
// never stops the save: the caller is told why and goes on.

// The backup name of list file `listPath` taken at `time` (seconds since 1970).
std::string BackupName(const std::string& listPath, int64_t time);
// Of `names` (a folder's entries), the backups of `listPath` beyond the
// newest `keep`, oldest first.
std::vector<std::string> SurplusBackups(const std::vector<std::string>& names, const std::string& listPath, int keep);

// Copies the file at `listPath`, when there is one, into `backupsDir` and
// drops the surplus. `keep` 0 does nothing.
bool KeepBackup(const std::string& listPath, const std::string& backupsDir, int keep, int64_t time, std::string& error);
