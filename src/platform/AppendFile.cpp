#include "platform/AppendFile.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool WriteAndClose(int fd, const std::string& path, const std::string& bytes, std::string& error) {
    if (fd < 0) {
        error = SystemError(path);
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = SystemError(path);
            ::close(fd);
            return false;
        }
        done += static_cast<size_t>(written);
    }
    if (::close(fd) != 0) {
        error = SystemError(path);
        return false;
    }
    return true;
}

} // namespace

bool AppendToFile(const std::string& path, const std::string& bytes, std::string& error) {
    return WriteAndClose(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600), path, bytes, error);
}

bool CreateNewFile(const std::string& path, const std::string& bytes, std::string& error) {
    return WriteAndClose(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644), path, bytes, error);
}
