#include "core/ListJournal.h"

#include "core/LittleEndian.h"
#include "core/Project.h"

#include <libdeflate.h>

#include <algorithm>
#include <new>

namespace {

const char kMagic[] = "KVJOURNL";
constexpr size_t kMagicSize = sizeof kMagic - 1;
// An entry this big is no entry of ours: a damaged length.
constexpr uint32_t kMaxEntryBytes = uint32_t(1) << 30;
enum TChangeKind : uint8_t { kFields, kInsert, kRemove, kReorder };
constexpr uint8_t kTextFieldCount = 12;

uint32_t Crc(const char* data, size_t size) {
    return static_cast<uint32_t>(libdeflate_crc32(0, data, size));
}

void PutText(std::string& out, const std::string& text) {
    PutLE(out, static_cast<uint32_t>(text.size()));
    out += text;
}

void Put64(std::string& out, int64_t value) {
    PutLE(out, static_cast<uint32_t>(static_cast<uint64_t>(value)));
    PutLE(out, static_cast<uint32_t>(static_cast<uint64_t>(value) >> 32));
}

// Reads what the writers put, never past the end.
class TCursor {
public:
    explicit TCursor(const std::string& bytes, size_t at = 0, size_t end = std::string::npos)
        : m_bytes(bytes), m_at(at), m_end(std::min(end, bytes.size())) {}
    bool U32(uint32_t& value) {
        if (m_end - m_at < 4)
            return false;
        value = GetLE(m_bytes, m_at);
        m_at += 4;
        return true;
    }
    bool U8(uint8_t& value) {
        if (m_at >= m_end)
            return false;
        value = static_cast<uint8_t>(m_bytes[m_at++]);
        return true;
    }
    bool I64(int64_t& value) {
        uint32_t low = 0, high = 0;
        if (!U32(low) || !U32(high))
            return false;
        value = static_cast<int64_t>((uint64_t(high) << 32) | low);
        return true;
    }
    bool Text(std::string& text) {
        uint32_t size = 0;
        if (!U32(size) || size > m_end - m_at)
            return false;
        text.assign(m_bytes, m_at, size);
        m_at += size;
        return true;
    }
    // A count of items of at least `itemBytes` each that the rest can hold.
    bool Count(uint32_t& count, size_t itemBytes) { return U32(count) && count <= (m_end - m_at) / itemBytes; }
    size_t At() const { return m_at; }
    bool AtEnd() const { return m_at == m_end; }

private:
    const std::string& m_bytes;
    size_t m_at;
    size_t m_end;
};

std::string* TextOf(TBootData& record, uint8_t field) {
    std::string* fields[kTextFieldCount] = {&record.Band,    &record.Date,    &record.City,      &record.Venue,
                                            &record.Country, &record.Name,    &record.Info,      &record.Num,
                                            &record.Comment, &record.Quality, &record.Covers[0], &record.Covers[1]};
    return field < kTextFieldCount ? fields[field] : nullptr;
}

// Field numbers of the journal: the twelve texts, then source and media.
uint8_t JournalField(TRecordField field) {
    // clang-format off
    static const uint8_t kNumbers[kRecordFields] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 9, 10, 11};
    // clang-format on
    return kNumbers[static_cast<size_t>(field)];
}

int32_t* CodeOf(TBootData& record, uint8_t field) {
    return field == kTextFieldCount ? &record.Source : field == kTextFieldCount + 1 ? &record.Media : nullptr;
}

void PutField(std::string& out, const TBootData& record, uint8_t field) {
    TBootData& any = const_cast<TBootData&>(record); // only read
    if (const std::string* text = TextOf(any, field))
        PutText(out, *text);
    else
        PutLE(out, static_cast<uint32_t>(*CodeOf(any, field)));
}

bool TakeField(TCursor& in, TBootData& record, uint8_t field) {
    if (std::string* text = TextOf(record, field))
        return in.Text(*text);
    uint32_t code = 0;
    int32_t* target = CodeOf(record, field);
    if (!target || !in.U32(code))
        return false;
    *target = static_cast<int32_t>(code);
    return true;
}

bool Ascending(const std::vector<int32_t>& positions, size_t limit) {
    for (size_t i = 0; i < positions.size(); ++i)
        if (positions[i] < 0 || static_cast<size_t>(positions[i]) >= limit ||
            (i > 0 && positions[i] <= positions[i - 1]))
            return false;
    return true;
}

bool IsPermutation(const std::vector<uint32_t>& order) {
    std::vector<bool> seen(order.size());
    for (uint32_t i : order) {
        if (i >= order.size() || seen[i])
            return false;
        seen[i] = true;
    }
    return true;
}

// One change of an entry, read and checked against the list's size then.
struct TChange {
    uint8_t Kind = kFields;
    std::vector<std::pair<int32_t, uint8_t>> Fields;
    std::vector<TBootData> Values; // Fields: one record per field holding its value; Insert: the records
    std::vector<int32_t> Positions;
    std::vector<uint32_t> Order;
};

bool ReadPositions(TCursor& in, std::vector<int32_t>& positions) {
    uint32_t n = 0;
    if (!in.Count(n, 4))
        return false;
    positions.resize(n);
    for (int32_t& position : positions) {
        uint32_t value = 0;
        in.U32(value);
        position = static_cast<int32_t>(value);
    }
    return true;
}

bool ReadChange(TCursor& in, TChange& change, size_t& size) {
    if (!in.U8(change.Kind))
        return false;
    uint32_t n = 0;
    switch (change.Kind) {
    case kFields:
        if (!in.Count(n, 9))
            return false;
        for (uint32_t i = 0; i < n; ++i) {
            uint32_t record = 0;
            uint8_t field = 0;
            change.Values.emplace_back();
            if (!in.U32(record) || !in.U8(field) || record >= size || !TakeField(in, change.Values.back(), field))
                return false;
            change.Fields.emplace_back(static_cast<int32_t>(record), field);
        }
        return true;
    case kInsert:
        if (!ReadPositions(in, change.Positions) || !Ascending(change.Positions, size + change.Positions.size()))
            return false;
        change.Values.resize(change.Positions.size());
        for (TBootData& record : change.Values)
            for (uint8_t field = 0; field < kTextFieldCount + 2; ++field)
                if (!TakeField(in, record, field))
                    return false;
        size += change.Positions.size();
        return true;
    case kRemove:
        if (!ReadPositions(in, change.Positions) || !Ascending(change.Positions, size))
            return false;
        size -= change.Positions.size();
        return true;
    case kReorder:
        if (!in.Count(n, 4) || n != size)
            return false;
        change.Order.resize(n);
        for (uint32_t& i : change.Order)
            in.U32(i);
        return IsPermutation(change.Order);
    default:
        return false;
    }
}

void Apply(TChange& change, TProject& list) {
    switch (change.Kind) {
    case kFields:
        for (size_t i = 0; i < change.Fields.size(); ++i) {
            const auto [record, field] = change.Fields[i];
            list.UndoSteps.Touch(list.Data, record);
            TBootData& target = list.Data[static_cast<size_t>(record)];
            if (std::string* text = TextOf(target, field))
                *text = std::move(*TextOf(change.Values[i], field));
            else
                *CodeOf(target, field) = *CodeOf(change.Values[i], field);
        }
        return;
    case kInsert:
        list.UndoSteps.Insert(list.Data, change.Positions,
                              TArrayOfBootData(std::make_move_iterator(change.Values.begin()),
                                               std::make_move_iterator(change.Values.end())));
        return;
    case kRemove:
        list.UndoSteps.Remove(list.Data, change.Positions);
        return;
    default:
        list.UndoSteps.Reorder(list.Data, std::move(change.Order));
        return;
    }
}

} // namespace

std::string JournalHeaderStart(const TJournalHeader& header, size_t baseSize) {
    std::string body;
    PutText(body, header.ListPath);
    PutText(body, header.Host);
    Put64(body, header.Pid);
    Put64(body, header.Started);
    PutLE(body, header.BaseChecksum);
    PutLE(body, static_cast<uint32_t>(baseSize));
    std::string bytes(kMagic, kMagicSize);
    PutLE(bytes, kJournalVersion);
    PutLE(bytes, static_cast<uint32_t>(body.size() + baseSize));
    return bytes + body;
}

std::string JournalHeaderBytes(const TJournalHeader& header) {
    std::string bytes = JournalHeaderStart(header, header.BaseBytes.size());
    bytes += header.BaseBytes;
    PutLE(bytes, Crc(bytes.data(), bytes.size()));
    return bytes;
}

std::string JournalHeaderEnd(uint32_t checksum) {
    std::string bytes;
    PutLE(bytes, checksum);
    return bytes;
}

std::string JournalEntryBytes(const std::string& content) {
    std::string bytes;
    PutLE(bytes, static_cast<uint32_t>(content.size()));
    PutLE(bytes, Crc(content.data(), content.size()));
    return bytes + content;
}

bool ReadJournal(const std::string& bytes, TJournal& journal, std::string& error) {
    TCursor in(bytes, kMagicSize);
    uint32_t version = 0, headerSize = 0;
    if (bytes.compare(0, kMagicSize, kMagic) != 0 || !in.U32(version)) {
        error = "not a Korvalen recovery journal";
        return false;
    }
    if (version > kJournalVersion) {
        error = "written by a newer Korvalen (journal version " + std::to_string(version) + ")";
        return false;
    }
    TJournal read;
    uint32_t checksum = 0;
    if (version == 0 || !in.U32(headerSize) || headerSize > bytes.size() - in.At()) {
        error = "the journal's header is damaged";
        return false;
    }
    TCursor header(bytes, in.At(), in.At() + headerSize);
    TCursor tail(bytes, in.At() + headerSize);
    if (!header.Text(read.Header.ListPath) || !header.Text(read.Header.Host) || !header.I64(read.Header.Pid) ||
        !header.I64(read.Header.Started) || !header.U32(read.Header.BaseChecksum) ||
        !header.Text(read.Header.BaseBytes) || !header.AtEnd() || !tail.U32(checksum) ||
        checksum != Crc(bytes.data(), tail.At() - 4) ||
        Crc(read.Header.BaseBytes.data(), read.Header.BaseBytes.size()) != read.Header.BaseChecksum) {
        error = "the journal's header is damaged";
        return false;
    }
    for (size_t start = tail.At(); start < bytes.size();) {
        TCursor entry(bytes, start);
        uint32_t size = 0, crc = 0;
        if (!entry.U32(size) || !entry.U32(crc) || size > kMaxEntryBytes || size > bytes.size() - entry.At()) {
            read.Rest = std::to_string(bytes.size() - start) + " bytes at the end were cut short";
            break;
        }
        if (crc != Crc(bytes.data() + entry.At(), size)) {
            read.Rest = std::to_string(bytes.size() - start) + " bytes at the end are damaged";
            break;
        }
        read.Entries.emplace_back(bytes, entry.At(), size);
        start = entry.At() + size;
    }
    journal = std::move(read);
    return true;
}

bool JournalEntryHead(const std::string& content, int64_t& time, std::string& name, uint32_t* changes) {
    TCursor in(content);
    uint32_t count = 0;
    if (!in.I64(time) || !in.Text(name) || (changes && !in.U32(count)))
        return false;
    if (changes)
        *changes = count;
    return true;
}

std::string FoldedJournalEntry(int64_t time, const std::string& name) {
    std::string content;
    Put64(content, time);
    PutText(content, name);
    PutLE(content, uint32_t(0));
    return JournalEntryBytes(content);
}

bool ReplayJournalEntry(const std::string& content, TProject& list, std::string& error) {
    TCursor in(content);
    int64_t time = 0;
    std::string name;
    uint32_t count = 0;
    std::vector<TChange> changes;
    size_t size = list.Data.size();
    bool ok = in.I64(time) && in.Text(name) && in.Count(count, 1);
    for (uint32_t i = 0; ok && i < count; ++i)
        ok = ReadChange(in, changes.emplace_back(), size);
    if (!ok || !in.AtEnd()) {
        error = "a change does not fit the list";
        return false;
    }
    for (TChange& change : changes)
        Apply(change, list);
    list.CommitChange(name);
    return true;
}

TJournalRecorder::TJournalRecorder(std::function<void(const std::string&)> write, std::function<int64_t()> now)
    : m_write(std::move(write)), m_now(std::move(now)) {}

template <class TNote> void TJournalRecorder::Note(TNote note) {
    if (m_failed)
        return;
    try {
        note();
        ++m_count;
    } catch (const std::bad_alloc&) {
        m_failed = true;
        m_changes = std::string();
    }
}

void TJournalRecorder::Reset() {
    m_changes.clear();
    m_count = 0;
    m_failed = false;
}

void TJournalRecorder::FieldsChanged(const TArrayOfBootData& data, const std::vector<TUndoHistory::TFieldEdit>& edits) {
    Note([&] {
        m_changes += static_cast<char>(kFields);
        PutLE(m_changes, static_cast<uint32_t>(edits.size()));
        for (const TUndoHistory::TFieldEdit& edit : edits) {
            PutLE(m_changes, static_cast<uint32_t>(edit.Record));
            m_changes += static_cast<char>(JournalField(edit.Field));
            PutField(m_changes, data[static_cast<size_t>(edit.Record)], JournalField(edit.Field));
        }
    });
}

void TJournalRecorder::Inserted(const TArrayOfBootData& data, const std::vector<int32_t>& positions) {
    Note([&] {
        m_changes += static_cast<char>(kInsert);
        PutLE(m_changes, static_cast<uint32_t>(positions.size()));
        for (int32_t position : positions)
            PutLE(m_changes, static_cast<uint32_t>(position));
        for (int32_t position : positions)
            for (uint8_t field = 0; field < kTextFieldCount + 2; ++field)
                PutField(m_changes, data[static_cast<size_t>(position)], field);
    });
}

void TJournalRecorder::Removed(const std::vector<int32_t>& positions) {
    Note([&] {
        m_changes += static_cast<char>(kRemove);
        PutLE(m_changes, static_cast<uint32_t>(positions.size()));
        for (int32_t position : positions)
            PutLE(m_changes, static_cast<uint32_t>(position));
    });
}

void TJournalRecorder::Reordered(const std::vector<uint32_t>& order) {
    Note([&] {
        m_changes += static_cast<char>(kReorder);
        PutLE(m_changes, static_cast<uint32_t>(order.size()));
        for (uint32_t i : order)
            PutLE(m_changes, i);
    });
}

void TJournalRecorder::StepClosed(const std::string& name) {
    if (m_failed)
        return;
    try {
        std::string content;
        Put64(content, m_now ? m_now() : 0);
        PutText(content, name);
        PutLE(content, m_count);
        content += m_changes;
        m_changes.clear();
        m_count = 0;
        if (m_write)
            m_write(JournalEntryBytes(content));
    } catch (const std::bad_alloc&) {
        m_failed = true;
        m_changes = std::string();
    }
}
