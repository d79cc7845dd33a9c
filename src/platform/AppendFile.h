#pragma once

#include <string>

// Adds `bytes` to the end of the file at `path`, making it (readable by its
// owner only) when missing. For the program's own journals, which grow by
// small entries and are read only after a crash: a write that was cut
// leaves the earlier bytes as they were.
bool AppendToFile(const std::string& path, const std::string& bytes, std::string& error);
// Makes the file `path` with `bytes` in it, failing when it exists already:
// of two programs making it at once, only one succeeds. Not synced: for
// marks that matter only while their writer runs (a list lock).
bool CreateNewFile(const std::string& path, const std::string& bytes, std::string& error);
