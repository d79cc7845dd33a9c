#pragma once

#include "platform/FileSystem.h"

#include <functional>
#include <memory>
#include <new>
#include <string>

// The real file system with one step made to fail, to test every write
// error path: creating the temporary file, writing after a number of bytes,
// syncing, closing, renaming, listing a folder, or reading after a number of
// bytes; or a step that runs out of memory, for the handlers of that.
class TFaultyFileSystem final : public IFileSystem {
public:
    enum class TStep { None, Create, Write, Sync, Close, Rename, Read, Open, List };

    TStep FailAt = TStep::None;
    size_t BytesBeforeFailure = 0; // for Write and Read
    // The failing step runs out of memory instead (Open, Create, Read, Write).
    bool OutOfMemory = false;
    // Runs before every write, on whatever thread writes: a slow disk.
    std::function<void()> BeforeWrite;
    // The same before every read: a slow disk under an opening.
    std::function<void()> BeforeRead;

    std::unique_ptr<TFile> OpenForReading(const std::string& path, std::string& error) override {
        if (FailAt == TStep::Open) {
            ThrowIfOutOfMemory();
            error = "Cannot open the file: injected failure";
            return nullptr;
        }
        auto file = m_real.OpenForReading(path, error);
        return file ? std::make_unique<TFaultyFile>(std::move(file), *this) : nullptr;
    }
    std::unique_ptr<TFile> CreateTempBeside(const std::string& target, std::string& tempPath,
                                            std::string& error) override {
        if (FailAt == TStep::Create) {
            ThrowIfOutOfMemory();
            error = "Cannot create a file: injected failure";
            return nullptr;
        }
        auto file = m_real.CreateTempBeside(target, tempPath, error);
        return file ? std::make_unique<TFaultyFile>(std::move(file), *this) : nullptr;
    }
    bool Rename(const std::string& from, const std::string& to, std::string& error) override {
        if (FailAt == TStep::Rename) {
            error = "Cannot replace the file: injected failure";
            return false;
        }
        return m_real.Rename(from, to, error);
    }
    bool Remove(const std::string& path) override { return m_real.Remove(path); }
    std::string ResolveTarget(const std::string& path) override { return m_real.ResolveTarget(path); }
    bool IsFile(const std::string& path) override { return m_real.IsFile(path); }
    bool IsFolder(const std::string& path) override { return m_real.IsFolder(path); }
    bool CreateFolder(const std::string& path, std::string& error) override { return m_real.CreateFolder(path, error); }
    bool ListFolder(const std::string& folder, std::vector<std::string>& names, std::string& error) override {
        if (FailAt == TStep::List) {
            error = "Cannot read the folder " + folder + ": injected failure";
            return false;
        }
        return m_real.ListFolder(folder, names, error);
    }
    void ThrowIfOutOfMemory() const {
        if (OutOfMemory)
            throw std::bad_alloc();
    }

private:
    class TFaultyFile final : public TFile {
    public:
        TFaultyFile(std::unique_ptr<TFile> real, TFaultyFileSystem& owner)
            : m_realFile(std::move(real)), m_owner(owner) {}
        long long Read(void* buffer, size_t capacity) override {
            if (m_owner.BeforeRead)
                m_owner.BeforeRead();
            if (m_owner.FailAt == TStep::Read) {
                if (m_done >= m_owner.BytesBeforeFailure) {
                    m_owner.ThrowIfOutOfMemory();
                    return Fail("Cannot read the file: injected failure"), -1;
                }
                capacity = std::min(capacity, m_owner.BytesBeforeFailure - m_done);
            }
            long long got = m_realFile->Read(buffer, capacity);
            if (got > 0)
                m_done += static_cast<size_t>(got);
            return got;
        }
        bool Write(const void* data, size_t size) override {
            if (m_owner.BeforeWrite)
                m_owner.BeforeWrite();
            if (m_owner.FailAt == TStep::Write && m_done + size > m_owner.BytesBeforeFailure) {
                m_owner.ThrowIfOutOfMemory();
                return Fail("Cannot write the file: injected failure");
            }
            m_done += size;
            return m_realFile->Write(data, size);
        }
        bool Sync() override {
            return m_owner.FailAt == TStep::Sync ? Fail("Cannot sync: injected failure") : m_realFile->Sync();
        }
        bool Close() override {
            bool closed = m_realFile->Close();
            return m_owner.FailAt == TStep::Close ? Fail("Cannot close: injected failure") : closed;
        }

    private:
        bool Fail(const char* reason) {
            m_error = reason;
            return false;
        }
        std::unique_ptr<TFile> m_realFile;
        TFaultyFileSystem& m_owner;
        size_t m_done = 0;
    };

    // The file system that was in place before this one.
    IFileSystem& m_real = FileSystem();
};
