#include "FileSystem.h"

#include "platform/PathName.h"
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

// A temporary file is named "." + target name + "." + pid + "." + counter + ".tmp".
const std::string kTempFileSuffix = ".tmp";

std::string TempFilePrefix(const std::string& base) {
    return "." + base + ".";
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The process that wrote temporary file `name` of `base`, or 0 when `name` is
// not one of ours.
pid_t WriterOfTempFile(const std::string& name, const std::string& base) {
    const std::string prefix = TempFilePrefix(base);
    if (name.size() <= prefix.size() + kTempFileSuffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - kTempFileSuffix.size(), kTempFileSuffix.size(), kTempFileSuffix) != 0)
        return 0;
    const std::string middle =
        name.substr(prefix.size(), name.size() - prefix.size() - kTempFileSuffix.size()); // pid "." counter
    const size_t dot = middle.find('.');
    if (dot == std::string::npos || !AllDigits(middle.substr(0, dot)) || !AllDigits(middle.substr(dot + 1)) || dot > 9)
        return 0;
    return static_cast<pid_t>(std::stol(middle.substr(0, dot)));
}

// A save killed half-way leaves its temporary file behind. Those of the same
// target whose writer has ended go; a living writer (this process, another
// copy of the program, or any process that now has that number) keeps its
// file.
void RemoveStaleTempFiles(const std::string& folder, const std::string& base) {
    std::vector<std::string> names;
    std::string ignored;
    if (!FileSystem().ListFolder(folder, names, ignored))
        return;
    for (const std::string& name : names) {
        const pid_t writer = WriterOfTempFile(name, base);
        if (writer <= 0 || writer == ::getpid())
            continue;
        if (::kill(writer, 0) == 0 || errno != ESRCH)
            continue;
        struct stat info {};
        const std::string path = folder + "/" + name;
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlink(path.c_str());
    }
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
        // Without O_NONBLOCK opening a FIFO waits for a writer that may never come.
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            error = SystemError("Cannot open the file");
            return nullptr;
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            error = S_ISDIR(info.st_mode) ? "Cannot open the file: it is a folder"
                                          : "Cannot open the file: it is not a regular file";
            ::close(fd);
            return nullptr;
        }
        ::fcntl(fd, F_SETFL, 0); // clears O_NONBLOCK, the only status flag given
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
        const std::string base = FileNamePart(target);
        RemoveStaleTempFiles(folder, base);
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string candidate = folder + "/" + TempFilePrefix(base) + std::to_string(::getpid()) + "." +
                                    std::to_string(counter++) + kTempFileSuffix;
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
