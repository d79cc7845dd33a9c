#pragma once

#include "ByteStream.h"

#include <memory>
#include <string>
#include <vector>

// An open file. Reading and writing report failures through Error().
class TFile : public TByteSource, public TByteSink {
public:
    virtual bool Sync() = 0;
    virtual bool Close() = 0;
    const std::string& Error() const override { return m_error; }

protected:
    std::string m_error;
};

// The file operations the program needs, behind one seam so that tests can
// make any step fail.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    virtual std::unique_ptr<TFile> OpenForReading(const std::string& path, std::string& error) = 0;
    // A new, empty file in the folder of `target`, with the permissions of
    // `target` when it exists; its name goes to `tempPath`.
    virtual std::unique_ptr<TFile> CreateTempBeside(const std::string& target, std::string& tempPath,
                                                    std::string& error) = 0;
    // Replaces `to` by `from` in one step and makes the change durable.
    virtual bool Rename(const std::string& from, const std::string& to, std::string& error) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // The file that writing to `path` should replace: the target of a
    // symbolic link rather than the link.
    virtual std::string ResolveTarget(const std::string& path) = 0;
    virtual bool IsFile(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path, std::string& error) = 0;
    // The names of the entries of `folder` (without "." and ".."), unsorted.
    virtual bool ListFolder(const std::string& folder, std::vector<std::string>& names, std::string& error) = 0;
};

// The file system in use: the real one unless a test has put another in place.
IFileSystem& FileSystem();

// Puts `fs` in place for the lifetime of this object.
class TScopedFileSystem {
public:
    explicit TScopedFileSystem(IFileSystem& fs);
    ~TScopedFileSystem();
    TScopedFileSystem(const TScopedFileSystem&) = delete;
    TScopedFileSystem& operator=(const TScopedFileSystem&) = delete;

private:
    IFileSystem* m_previous;
};

// The whole content of a file; a file longer than `limit` bytes is refused
// (with the reason) after reading at most `limit` + 1 of its bytes.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error,
                   size_t limit = static_cast<size_t>(-1));

// "what: <system text>" for the current errno.
std::string SystemError(const std::string& what);

// `text` ending in a full stop.
std::string AsSentence(std::string text);
