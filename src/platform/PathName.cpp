#include "platform/PathName.h"

#include <climits>
#include <unistd.h>
#include <vector>

namespace {

std::string CurrentFolder() {
    char cwd[PATH_MAX];
    return ::getcwd(cwd, sizeof cwd) ? std::string(cwd) : std::string("/");
}

} // namespace

std::string AbsolutePath(const std::string& path, const std::string& base) {
    const std::string whole = !path.empty() && path[0] == '/' ? path : base + "/" + path;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= whole.size()) {
        size_t end = whole.find('/', start);
        if (end == std::string::npos)
            end = whole.size();
        const std::string part = whole.substr(start, end - start);
        if (part == "..") {
            // Above the root is the root.
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string clean;
    for (const std::string& part : parts)
        clean += "/" + part;
    return clean.empty() ? "/" : clean;
}

std::string AbsolutePath(const std::string& path) {
    return AbsolutePath(path, CurrentFolder());
}

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
