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

} // namespace

TProgramFolders MakeProgramFolders(const std::string& exeName, const std::string& home) {
    TProgramFolders folders;
    folders.ExeName = exeName;
    if (!home.empty()) {
        folders.ProgramDir = WithSeparator(AbsolutePath(home));
    } else {
        size_t slash = exeName.find_last_of('/');
        folders.ProgramDir =
            slash == std::string::npos ? WithSeparator(AbsolutePath(".")) : exeName.substr(0, slash + 1);
    }
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

void CreateMissingFolders(const TProgramFolders& folders) {
    std::string ignored;
    for (const std::string* folder : {&folders.ProgramDir, &folders.ListsDir, &folders.ToursDir, &folders.CoversDir})
        if (!FileSystem().IsFolder(*folder))
            FileSystem().CreateFolder(folder->substr(0, folder->size() - 1), ignored);
}

std::string HomeFolder(const std::string& fromCommandLine) {
    if (!fromCommandLine.empty())
        return fromCommandLine;
    const char* fromEnvironment = std::getenv("KORVALEN_HOME");
    return fromEnvironment ? fromEnvironment : "";
}
