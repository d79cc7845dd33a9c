#include "CoverNames.h"

#include <algorithm>
#include <cctype>

namespace {

bool HasDrive(const std::string& name) {
    if (!name.empty() && name[0] == '/')
        return true;
    if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])))
        return true;
    return name.compare(0, 2, "\\\\") == 0;
}

std::string UpperExtension(const std::string& path) {
    size_t dot = path.find_last_of("./\\");
    if (dot == std::string::npos || path[dot] != '.')
        return {};
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

} // namespace

std::string ResolveCoverName(const std::string& name, const std::string& coversDir) {
    std::string path = HasDrive(name) ? name : coversDir + name;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string CoverNameFor(const std::string& path, const std::string& coversDir) {
    if (coversDir.empty() || path.size() <= coversDir.size() || path.compare(0, coversDir.size(), coversDir) != 0)
        return path;
    std::string name = path.substr(coversDir.size());
    std::replace(name.begin(), name.end(), '/', '\\');
    return name;
}

bool IsJpegName(const std::string& path) {
    const std::string extension = UpperExtension(path);
    return extension == ".JPG" || extension == ".JPEG";
}

bool IsPictureName(const std::string& path) {
    return IsJpegName(path) || UpperExtension(path) == ".BMP";
}
