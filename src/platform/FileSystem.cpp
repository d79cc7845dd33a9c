#include "FileSystem.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TPosixFile final : public TFile {
public:
    explicit TPosixFile(int fd) : m_fd(fd) {}
    ~TPosixFile() override {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    long long Read(void* buffer, size_t capacity) override {
        for (;;) {
            ssize_t got = ::read(m_fd, buffer, capacity);
            if (got >= 0)
                return got;
            if (errno != EINTR) {
                m_error = SystemError("Cannot read the file");
                return -1;
            }
        }
    }

    bool Write(const void* data, size_t size) override {
        const char* bytes = static_cast<const char*>(data);
        while (size > 0) {
            ssize_t put = ::write(m_fd, bytes, size);
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                m_error = SystemError("Cannot write the file");
                return false;
            }
            bytes += put;
            size -= static_cast<size_t>(put);
        }
        return true;
    }

    long long SizeHint() const override {
        struct stat info {};
        return ::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode) ? static_cast<long long>(info.st_size) : -1;
    }

    bool Sync() override {
        if (::fsync(m_fd) == 0)
            return true;
        m_error = SystemError("Cannot write the file to the disk");
        return false;
    }

    bool Close() override {
        int fd = m_fd;
        m_fd = -1;
        if (::close(fd) == 0)
            return true;
        m_error = SystemError("Cannot close the file");
        return false;
    }

private:
    int m_fd;
};

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // best effort: some file systems refuse it for folders
    ::close(fd);
}

class TPosixFileSystem final : public IFileSystem {
public:
    std::unique_ptr<TFile> OpenForReading(const std::string& path, std::string& error) override {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error = SystemError("Cannot open the file");
            return nullptr;
        }
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(fd);
            error = "Cannot open the file: it is a folder";
            return nullptr;
        }
        return std::make_unique<TPosixFile>(fd);
    }

    std::unique_ptr<TFile> CreateTempBeside(const std::string& target, std::string& tempPath,
                                            std::string& error) override {
        mode_t mode = 0666; // narrowed by the umask
        struct stat info {};
        bool keepMode = ::stat(target.c_str(), &info) == 0;
        if (keepMode)
            mode = info.st_mode & 07777;

        const std::string folder = FolderOf(target);
        const size_t slash = target.rfind('/');
        const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string candidate =
                folder + "/." + base + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
            int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd >= 0) {
                if (keepMode)
                    ::fchmod(fd, mode);
                tempPath = candidate;
                return std::make_unique<TPosixFile>(fd);
            }
            if (errno != EEXIST) {
                error = SystemError("Cannot create a file in the folder " + folder);
                return nullptr;
            }
        }
        error = "Cannot create a file in the folder " + folder + ": too many leftover temporary files";
        return nullptr;
    }

    bool Rename(const std::string& from, const std::string& to, std::string& error) override {
        if (::rename(from.c_str(), to.c_str()) != 0) {
            error = SystemError("Cannot replace " + to);
            return false;
        }
        SyncFolder(FolderOf(to));
        return true;
    }

    bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

    std::string ResolveTarget(const std::string& path) override {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr)
            return path;
        return resolved;
    }

    bool IsFile(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }

    bool IsFolder(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    }

    bool CreateFolder(const std::string& path, std::string& error) override {
        if (::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && IsFolder(path)))
            return true;
        error = SystemError("Cannot create the folder " + path);
        return false;
    }

    bool ListFolder(const std::string& folder, std::vector<std::string>& names, std::string& error) override {
        DIR* dir = ::opendir(folder.c_str());
        if (!dir) {
            error = SystemError("Cannot read the folder " + folder);
            return false;
        }
        names.clear();
        while (const dirent* entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(std::move(name));
        }
        ::closedir(dir);
        return true;
    }
};

TPosixFileSystem& PosixFileSystem() {
    static TPosixFileSystem fs;
    return fs;
}

IFileSystem* g_fileSystem = nullptr;

} // namespace

IFileSystem& FileSystem() {
    return g_fileSystem ? *g_fileSystem : PosixFileSystem();
}

TScopedFileSystem::TScopedFileSystem(IFileSystem& fs) : m_previous(g_fileSystem) {
    g_fileSystem = &fs;
}

TScopedFileSystem::~TScopedFileSystem() {
    g_fileSystem = m_previous;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error, size_t limit) {
    std::unique_ptr<TFile> file = FileSystem().OpenForReading(path, error);
    if (!file)
        return false;
    bytes.clear();
    long long size = file->SizeHint();
    if (size > 0 && static_cast<unsigned long long>(size) <= limit)
        bytes.reserve(static_cast<size_t>(size));
    char buffer[64 * 1024];
    for (;;) {
        long long got = file->Read(buffer, sizeof buffer);
        if (got < 0) {
            error = file->Error();
            return false;
        }
        if (got == 0)
            return true;
        bytes.append(buffer, static_cast<size_t>(got));
        if (bytes.size() > limit) {
            bytes.clear();
            error = "The file is larger than " + std::to_string(limit / (1024 * 1024)) + " MB.";
            return false;
        }
    }
}

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string AsSentence(std::string text) {
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}
