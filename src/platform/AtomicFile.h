#pragma once

#include "ByteStream.h"
#include "FileSystem.h"

#include <memory>
#include <string>

// Replaces a file only once its new content is completely on the disk: the
// bytes go to a temporary file beside the target, which is synced and then
// renamed over the target. Until Commit() succeeds the old file stays as it
// was; a failed or abandoned write removes the temporary file.
class TAtomicFile final : public TByteSink {
public:
    explicit TAtomicFile(std::string target);
    ~TAtomicFile() override;
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    bool Open();
    bool Write(const void* data, size_t size) override;
    bool Commit();
    void Discard();
    const std::string& Error() const override { return m_error; }

private:
    bool Fail(const std::string& reason);

    std::string m_target;
    std::string m_tempPath;
    std::unique_ptr<TFile> m_file;
    std::string m_error;
};

// The whole of `bytes` as the new content of `path`.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);
