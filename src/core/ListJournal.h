#pragma once

#include "core/BootData.h"
#include "core/UndoHistory.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TProject;

// The recovery journal of one open list: the list file's bytes the changes
// start from, then one entry per closed step (a change, an undo or a redo)
// with the changes in the order made. Each entry carries its length and
// checksum, so that a journal cut by a crash gives back every entry that was
// written whole. The list file itself is never touched.
//
// Bytes, little-endian: "KVJOURNL", u32 version, u32 header length H, the
// header (text list path, text host, i64 process id, i64 start time, u32
// checksum of the base, text base bytes), u32 CRC-32 of all bytes before it;
// then entries: u32 length N, u32 CRC-32 of the N bytes, the N bytes (i64
// time, text name, u32 change count, the changes). A text is u32 length and
// its bytes.

constexpr uint32_t kJournalVersion = 1;

struct TJournalHeader {
    std::string ListPath; // "" for a list never saved
    std::string Host;
    int64_t Pid = 0;
    int64_t Started = 0; // seconds since 1970
    // The list file's bytes the changes start from ("" for a new list) and their CRC-32.
    uint32_t BaseChecksum = 0;
    std::string BaseBytes;
};

struct TJournal {
    TJournalHeader Header;
    std::vector<std::string> Entries; // the whole entries' contents, in order
    // Why the bytes after the last whole entry were not read, or "".
    std::string Rest;
};

std::string JournalHeaderBytes(const TJournalHeader& header);
// The same bytes in three parts, for a base too big to hold twice: the
// start (BaseBytes left out, `baseSize` bytes of it to follow), the base as
// it is, and the end made from the CRC-32 of the start and the base.
std::string JournalHeaderStart(const TJournalHeader& header, size_t baseSize);
std::string JournalHeaderEnd(uint32_t checksum);
std::string JournalEntryBytes(const std::string& content);
// False with the reason for bytes that are no journal of this program or of
// a newer version, or whose header is damaged.
bool ReadJournal(const std::string& bytes, TJournal& journal, std::string& error);

// The time and name of an entry, and how many changes it holds; false for a
// damaged one.
bool JournalEntryHead(const std::string& content, int64_t& time, std::string& name, uint32_t* changes = nullptr);
// The framed entry of a step whose changes are in the journal's base: it
// changes nothing when made again, but the step still counts.
std::string FoldedJournalEntry(int64_t time, const std::string& name);
// Makes the entry's changes to `list` again, through its undo history, as
// one step. False with the reason, and the list unchanged, when the entry
// does not fit the list.
bool ReplayJournalEntry(const std::string& content, TProject& list, std::string& error);

// Turns what an undo history tells into journal entries.
class TJournalRecorder final : public IUndoRecorder {
public:
    // Gets each entry's bytes, framed; `now` gives its time.
    TJournalRecorder(std::function<void(const std::string& entry)> write, std::function<int64_t()> now);

    void FieldsChanged(const TArrayOfBootData& data, const std::vector<TUndoHistory::TFieldEdit>& edits) override;
    void Inserted(const TArrayOfBootData& data, const std::vector<int32_t>& positions) override;
    void Removed(const std::vector<int32_t>& positions) override;
    void Reordered(const std::vector<uint32_t>& order) override;
    void StepClosed(const std::string& name) override;
    // Drops what was gathered, and a failure: the next entry starts anew.
    void Reset();

private:
    // The history must never fail for its journal: a change that could not
    // be noted (out of memory) ends the journal until it starts anew.
    template <class TNote> void Note(TNote note);
    bool m_failed = false;
    std::function<void(const std::string&)> m_write;
    std::function<int64_t()> m_now;
    std::string m_changes;
    uint32_t m_count = 0;
};
