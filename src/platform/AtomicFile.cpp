#include "AtomicFile.h"

TAtomicFile::TAtomicFile(std::string target) : m_target(std::move(target)) {}

TAtomicFile::~TAtomicFile() {
    Discard();
}

bool TAtomicFile::Open() {
    Discard();
    m_target = FileSystem().ResolveTarget(m_target);
    m_file = FileSystem().CreateTempBeside(m_target, m_tempPath, m_error);
    return m_file != nullptr;
}

bool TAtomicFile::Write(const void* data, size_t size) {
    if (!m_file)
        return Fail(m_error.empty() ? "The file is not open for writing" : m_error);
    return m_file->Write(data, size) || Fail(m_file->Error());
}

bool TAtomicFile::Commit() {
    if (!m_file)
        return Fail(m_error.empty() ? "The file is not open for writing" : m_error);
    if (!m_file->Sync() || !m_file->Close())
        return Fail(m_file->Error());
    m_file.reset();
    std::string error;
    if (!FileSystem().Rename(m_tempPath, m_target, error))
        return Fail(error);
    m_tempPath.clear();
    return true;
}

void TAtomicFile::Discard() {
    m_file.reset();
    if (!m_tempPath.empty())
        FileSystem().Remove(m_tempPath);
    m_tempPath.clear();
}

bool TAtomicFile::Fail(const std::string& reason) {
    m_error = reason;
    Discard();
    return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    TAtomicFile file(path);
    bool ok = file.Open() && file.Write(bytes.data(), bytes.size()) && file.Commit();
    if (!ok)
        error = file.Error();
    return ok;
}
