#include "program/ListJournals.h"

#include "core/ListFile.h"
#include "core/Project.h"
#include "platform/AppendFile.h"
#include "platform/FileSystem.h"
#include "platform/PathName.h"
#include "platform/ProcessFacts.h"
#include "program/ProgramFolders.h"

#include <libdeflate.h>

#include <ctime>
#include <functional>
#include <memory>
#include <new>

namespace {

const char* const kJournalExtension = ".kvj";

uint32_t Crc(const std::string& bytes) {
    return static_cast<uint32_t>(libdeflate_crc32(0, bytes.data(), bytes.size()));
}

// The step of a framed entry whose changes went into the base.
std::string Folded(const std::string& entry) {
    int64_t time = 0;
    std::string name;
    JournalEntryHead(entry.substr(8), time, name);
    return FoldedJournalEntry(time, name);
}

// Reads `path` a piece at a time into one buffer, so that even a big file
// needs no memory of its size; `use` may stop the reading (false).
bool ForEachPiece(const std::string& path, const std::function<bool(const std::string& piece)>& use,
                  std::string& error) {
    std::unique_ptr<TFile> file = FileSystem().OpenForReading(path, error);
    if (!file)
        return false;
    std::string piece(size_t(1) << 20, '\0');
    for (;;) {
        const long long got = file->Read(piece.data(), piece.size());
        if (got < 0) {
            error = file->Error();
            return false;
        }
        if (got == 0)
            return true;
        piece.resize(static_cast<size_t>(got));
        if (!use(piece))
            return false;
        piece.resize(size_t(1) << 20);
    }
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TListJournal::TListJournal(std::string path, TProject& list)
    : m_path(std::move(path)), m_list(list),
      m_recorder([this](const std::string& entry) { Write(entry); }, [] { return ProcessFacts().Now(); }) {
    m_list.UndoSteps.SetRecorder(&m_recorder);
}

TListJournal::~TListJournal() {
    m_list.UndoSteps.SetRecorder(nullptr);
}

void TListJournal::Restart(const TFileIdentity& base) {
    m_base = base;
    Remove();
    m_recorder.Reset();
    m_started = m_broken = false;
}

void TListJournal::RestartFromRecords(const std::string& step) {
    Restart(m_base);
    // Without the memory for it the list is kept all the same, only unjournaled.
    try {
        TStringSink base;
        std::string error;
        m_broken = !WriteListFile(m_list.Data, base, error) || !WriteHeader(base.Bytes, error) ||
                   (!step.empty() && !AppendToFile(m_path, FoldedJournalEntry(ProcessFacts().Now(), step), error));
    } catch (const std::bad_alloc&) {
        m_broken = true;
    }
    m_started = !m_broken;
}

void TListJournal::Remove() {
    if (m_started)
        FileSystem().Remove(m_path);
    m_started = false;
}

TJournalHeader TListJournal::NewHeader() const {
    TJournalHeader header;
    header.ListPath = m_list.FileName;
    header.Host = ProcessFacts().HostName();
    header.Pid = ProcessFacts().ProcessId();
    header.Started = ProcessFacts().Now();
    return header;
}

bool TListJournal::WriteHeader(std::string base, std::string& error) {
    TJournalHeader header = NewHeader();
    header.BaseChecksum = Crc(base);
    header.BaseBytes = std::move(base);
    return CreateFolderPath(FolderPart(m_path), error) && AppendToFile(m_path, JournalHeaderBytes(header), error);
}

// The list file goes into the header piece by piece: a big list would cost
// the window as much again in memory, and the time to fill it, when held
// whole. One pass: the header takes the size and checksum the list was read
// or saved with, and the copy is checked against them as it goes. False,
// with a header partly written, when the file is not that one (or it changed
// while being copied).
bool TListJournal::CopyBaseFromFile(std::string& error) {
    const uint64_t size = m_base.Stamp.Size;
    if (!m_base.Known || size > UINT32_MAX)
        return false;
    TJournalHeader header = NewHeader();
    header.BaseChecksum = m_base.Checksum;
    const std::string start = JournalHeaderStart(header, static_cast<size_t>(size));
    if (!CreateFolderPath(FolderPart(m_path), error) || !AppendToFile(m_path, start, error))
        return false;
    uint32_t whole = Crc(start), copiedChecksum = 0;
    uint64_t copied = 0;
    auto copy = [&](const std::string& piece) {
        whole = static_cast<uint32_t>(libdeflate_crc32(whole, piece.data(), piece.size()));
        copiedChecksum = static_cast<uint32_t>(libdeflate_crc32(copiedChecksum, piece.data(), piece.size()));
        copied += piece.size();
        return copied <= size && AppendToFile(m_path, piece, error);
    };
    return ForEachPiece(m_list.FileName, copy, error) && copied == size && copiedChecksum == m_base.Checksum &&
           AppendToFile(m_path, JournalHeaderEnd(whole), error);
}

// The changes start from the file as it was read or saved. When the file
// on the disk is no longer that one, the list as it stands now, with the
// first change in it, is the base, and that change is in no entry.
bool TListJournal::Start(bool& changeInBase, std::string& error) {
    FileSystem().Remove(m_path);
    changeInBase = false;
    if (m_list.FileName.empty())
        return WriteHeader(std::string(), error);
    if (CopyBaseFromFile(error))
        return true;
    changeInBase = true;
    FileSystem().Remove(m_path);
    TStringSink records;
    return WriteListFile(m_list.Data, records, error) && WriteHeader(std::move(records.Bytes), error);
}

void TListJournal::Write(const std::string& entry) {
    if (m_broken)
        return;
    std::string error;
    bool changeInBase = false;
    if (!m_started) {
        // Without the memory for it the list is kept all the same, only unjournaled.
        try {
            m_started = Start(changeInBase, error);
        } catch (const std::bad_alloc&) {
            m_started = false;
        }
        m_broken = !m_started;
        if (!m_started)
            return;
    }
    m_broken = !AppendToFile(m_path, changeInBase ? Folded(entry) : entry, error);
}

bool JournalHoldsChanges(const TJournal& journal) {
    if (!journal.Entries.empty())
        return true;
    const TJournalHeader& header = journal.Header;
    if (header.ListPath.empty())
        return !header.BaseBytes.empty();
    const TFileIdentity now = IdentifyFile(header.ListPath);
    return !now.Known || now.Checksum != header.BaseChecksum || now.Stamp.Size != header.BaseBytes.size();
}

std::vector<TLeftJournal> LeftJournals(const std::string& folder) {
    std::vector<TLeftJournal> left;
    std::vector<std::string> names;
    std::string error;
    if (!FileSystem().ListFolder(folder, names, error))
        return left;
    IProcessFacts& facts = ProcessFacts();
    for (const std::string& name : names) {
        if (!EndsWith(name, kJournalExtension))
            continue;
        TLeftJournal journal;
        journal.Path = folder + name;
        std::string bytes;
        if (!ReadWholeFile(journal.Path, bytes, error))
            journal.Problem = AsSentence(error);
        else if (!ReadJournal(bytes, journal.Journal, journal.Problem))
            journal.Problem = AsSentence(journal.Problem);
        const TJournalHeader& header = journal.Journal.Header;
        // A journal still being written belongs to the Korvalen writing it;
        // at start none is this process's own, whatever its number.
        if (journal.Problem.empty() && header.Host == facts.HostName() && header.Pid != facts.ProcessId() &&
            facts.IsRunning(header.Pid))
            continue;
        left.push_back(std::move(journal));
    }
    return left;
}

std::string NewJournalPath(const std::string& folder) {
    static int counter = 0;
    const int64_t pid = ProcessFacts().ProcessId();
    std::string path;
    do
        path = folder + std::to_string(pid) + "-" + std::to_string(++counter) + kJournalExtension;
    while (FileSystem().IsFile(path));
    return path;
}

bool JournalBase(const TJournal& journal, TArrayOfBootData& records, std::string& error) {
    records.clear();
    if (journal.Header.BaseBytes.empty())
        return true;
    TStringSource source(journal.Header.BaseBytes);
    const TListReadResult read = ReadListFile(source, records);
    error = read.Reason;
    return read.Ok();
}

size_t ReplayJournal(const TJournal& journal, TProject& list) {
    for (size_t i = 0; i < journal.Entries.size(); ++i) {
        std::string why;
        if (!ReplayJournalEntry(journal.Entries[i], list, why))
            return journal.Entries.size() - i;
    }
    return 0;
}

std::string FoldedStep(const TJournal& journal) {
    int64_t time = 0;
    std::string name;
    uint32_t changes = 1;
    if (journal.Entries.empty() || !JournalEntryHead(journal.Entries.front(), time, name, &changes) || changes > 0)
        return std::string();
    return name;
}

std::string JournalSummary(const TJournal& journal, const std::string& name) {
    int64_t time = journal.Header.Started;
    std::string stepName;
    if (!journal.Entries.empty())
        JournalEntryHead(journal.Entries.back(), time, stepName);
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
    const size_t n = journal.Entries.size();
    return "\"" + name + "\" (" + std::to_string(n) + (n == 1 ? " change" : " changes") + ", last at " + when + ")";
}
