#pragma once

#include <string>

// The folders the program works in, each with a trailing separator. They
// lie beside the executable unless a home folder is given.
struct TProgramFolders {
    std::string ExeName;    // full path of the executable
    std::string ProgramDir; // where the lists, tours and covers live
    std::string ListsDir;
    std::string ToursDir;
    std::string CoversDir;
    std::string TemplatesDir; // formed, read by nothing
};

// `home` (from --home or KORVALEN_HOME) replaces the executable's folder
// when it is not empty.
TProgramFolders MakeProgramFolders(const std::string& exeName, const std::string& home);

// The path of the running executable.
std::string RunningExecutable();

// Creates the Lists, Tours and Covers folders that are missing, where that
// is possible; a read-only place is left as it is.
void CreateMissingFolders(const TProgramFolders& folders);

// The home folder given on the command line, else the one in KORVALEN_HOME, else "".
std::string HomeFolder(const std::string& fromCommandLine);
