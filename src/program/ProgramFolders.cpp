#include "ProgramFolders.h"

#include "platform/FileSystem.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd))
        return path;
    return std::string(cwd) + "/" + path;
}

} // namespace

TProgramFolders MakeProgramFolders(const std::string& exeName, const std::string& home) {
    TProgramFolders folders;
    folders.ExeName = exeName;
    if (!home.empty()) {
        folders.ProgramDir = WithSeparator(Absolute(home));
    } else {
        size_t slash = exeName.find_last_of('/');
        folders.ProgramDir = slash == std::string::npos ? WithSeparator(Absolute(".")) : exeName.substr(0, slash + 1);
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

std::string HomeFromArguments(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--home") == 0 && i + 1 < argc)
            return argv[i + 1];
        if (std::strncmp(argv[i], "--home=", 7) == 0)
            return argv[i] + 7;
    }
    const char* fromEnvironment = std::getenv("KORVALEN_HOME");
    return fromEnvironment ? fromEnvironment : "";
}
