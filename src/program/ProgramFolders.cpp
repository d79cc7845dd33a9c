#include "ProgramFolders.h"

#include "platform/FileSystem.h"
#include "platform/PathName.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool IsSystemFolder(const std::string& folder) {
    return folder.compare(0, 5, "/usr/") == 0;
}

std::string UserDataFolder(const TFolderFacts& facts) {
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (!facts.XdgDataHome.empty() && facts.XdgDataHome[0] == '/')
        return WithSeparator(facts.XdgDataHome) + "Korvalen/";
    std::string home = facts.UserHome.empty() ? AbsolutePath(".") : facts.UserHome;
    return WithSeparator(home) + ".local/share/Korvalen/";
}

std::string UserStateFolder(const TFolderFacts& facts) {
    if (!facts.XdgStateHome.empty() && facts.XdgStateHome[0] == '/')
        return WithSeparator(facts.XdgStateHome) + "Korvalen/recovery/";
    std::string home = facts.UserHome.empty() ? AbsolutePath(".") : facts.UserHome;
    return WithSeparator(home) + ".local/state/Korvalen/recovery/";
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

TFolderFacts SystemFolderFacts() {
    TFolderFacts facts;
    facts.XdgDataHome = EnvironmentValue("XDG_DATA_HOME");
    facts.UserHome = EnvironmentValue("HOME");
    facts.XdgStateHome = EnvironmentValue("XDG_STATE_HOME");
    facts.IsWritable = [](const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; };
    return facts;
}

TProgramFolders MakeProgramFolders(const std::string& exeName, const std::string& home, const TFolderFacts& facts) {
    TProgramFolders folders;
    folders.ExeName = exeName;
    if (!home.empty()) {
        folders.ProgramDir = WithSeparator(AbsolutePath(home));
    } else {
        std::string exeDir = FolderPart(exeName);
        if (exeDir.empty())
            exeDir = WithSeparator(AbsolutePath("."));
        bool besideExecutable = !IsSystemFolder(exeDir) && (!facts.IsWritable || facts.IsWritable(exeDir));
        folders.ProgramDir = besideExecutable ? exeDir : UserDataFolder(facts);
        if (!besideExecutable)
            folders.RecoveryDir = UserStateFolder(facts);
    }
    if (folders.RecoveryDir.empty())
        folders.RecoveryDir = folders.ProgramDir + "Recovery/";
    folders.BackupsDir = folders.ProgramDir + "Backups/";
    folders.ListsDir = folders.ProgramDir + "Lists/";
    folders.ToursDir = folders.ProgramDir + "Tours/";
    folders.CoversDir = folders.ProgramDir + "Covers/";
    folders.TemplatesDir = folders.ProgramDir + "Templates/";
    return folders;
}

std::string RunningExecutable() {
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    return std::string(path, static_cast<size_t>(length));
}

bool CreateFolderPath(const std::string& folder, std::string& error) {
    std::string path;
    for (size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
        path = folder.substr(0, slash);
        if (!FileSystem().IsFolder(path + "/") && !FileSystem().CreateFolder(path, error))
            return false;
    }
    return true;
}

void CreateMissingFolders(const TProgramFolders& folders) {
    std::string ignored;
    // The user's data folder may not exist yet either (~/.local/share on a
    // fresh account), so every missing folder on the way is made.
    CreateFolderPath(folders.ProgramDir, ignored);
    for (const std::string* folder : {&folders.ListsDir, &folders.ToursDir, &folders.CoversDir})
        if (!FileSystem().IsFolder(*folder))
            FileSystem().CreateFolder(folder->substr(0, folder->size() - 1), ignored);
}

std::string HomeFolder(const std::string& fromCommandLine) {
    if (!fromCommandLine.empty())
        return fromCommandLine;
    const char* fromEnvironment = std::getenv("KORVALEN_HOME");
    return fromEnvironment ? fromEnvironment : "";
}
