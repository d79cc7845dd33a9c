#pragma once

#include <functional>
#include <string>

// The folders the program works in, each with a trailing separator. They
// lie beside the executable unless a home folder is given, or unless the
// program is installed where its user cannot keep files: then they lie in
// the user's data folder.
struct TProgramFolders {
    std::string ExeName;    // full path of the executable
    std::string ProgramDir; // where the lists, tours and covers live
    std::string ListsDir;
    std::string ToursDir;
    std::string CoversDir;
    std::string TemplatesDir; // formed, read by nothing
    // Earlier files of saved lists; made at the first backup.
    std::string BackupsDir;
    // The journals of unsaved changes: the user's state folder for an
    // installed program, else beside the lists. Made at the first journal.
    std::string RecoveryDir;
};

// What the choice of the program folder depends on, outside the program.
struct TFolderFacts {
    std::string XdgDataHome; // $XDG_DATA_HOME, may be empty
    std::string UserHome;    // $HOME
    std::function<bool(const std::string& folder)> IsWritable;
    std::string XdgStateHome; // $XDG_STATE_HOME, may be empty
};

// The facts of the running process.
TFolderFacts SystemFolderFacts();

// `home` (from --home or KORVALEN_HOME) replaces the executable's folder
// when it is not empty. Without it, an executable in a folder the user may
// not write, or in /usr (where a package puts it, even for root), keeps its
// files in $XDG_DATA_HOME/Korvalen (~/.local/share/Korvalen by default).
TProgramFolders MakeProgramFolders(const std::string& exeName, const std::string& home,
                                   const TFolderFacts& facts = SystemFolderFacts());

// The path of the running executable.
std::string RunningExecutable();

// Creates the Lists, Tours and Covers folders that are missing, where that
// is possible; a read-only place is left as it is.
void CreateMissingFolders(const TProgramFolders& folders);

// Makes `folder` (ending in a separator) and every missing folder on the way.
bool CreateFolderPath(const std::string& folder, std::string& error);

// The home folder given on the command line, else the one in KORVALEN_HOME, else "".
std::string HomeFolder(const std::string& fromCommandLine);
