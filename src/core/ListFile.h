#pragma once

#include "BootData.h"
#include "platform/ByteStream.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The list file: one zlib stream holding the version, the record count and
// the records. Versions 1, 2, 3 and 13 hold records; other versions up to 13
// hold none; a newer version is refused.

constexpr int32_t kListFileVersion = 13;

// The most content a list may hold to be opened: a hundred times a big
// collection, and the bound of what a damaged or hostile file can make the
// reader allocate.
constexpr size_t kMostListContent = size_t(2) << 30;
// The most bootlegs a list may hold to be opened: hundreds of times any real
// collection, and still within the memory of an ordinary desktop.
constexpr int32_t kMostListRecords = 4000000;

// True when a list of `have` + `more` bootlegs stays within `most`; else
// false and why, for the user. Whatever adds bootlegs asks first: a list
// over kMostListRecords could be saved but never opened again.
bool RoomForRecords(size_t have, size_t more, std::string& error, size_t most = kMostListRecords);

struct TListReadResult {
    enum class TStatus { Ok, NewerVersion, Failed };

    TStatus Status = TStatus::Failed;
    int32_t Version = 0;
    // Why the list was not read, for the user ("Wrong file version (14)." for
    // a newer version).
    std::string Reason;

    bool Ok() const { return Status == TStatus::Ok; }
};

// Reads a whole list file. On failure `records` is left as it was; a list
// that would not fit in memory is refused, not half read.
TListReadResult ReadListFile(TByteSource& file, TArrayOfBootData& records);

// Writes `records` as a version-13 list file; on failure `error` says why.
bool WriteListFile(const TArrayOfBootData& records, TByteSink& file, std::string& error);

// The uncompressed content of a version-13 list file, in memory of its own.
class TListContent {
public:
    const char* Data() const { return m_buffer.Data(); }
    size_t Size() const { return m_size; }
    // Gives the memory back.
    void Clear();

private:
    friend bool MakeListContent(const TArrayOfBootData&, TListContent&, std::string&);
    TBulkBytes m_buffer;
    size_t m_size = 0;
};

// The content of a version-13 list file of `records`, made in one pass over
// them; false, with the reason, when the list cannot be stored.
bool MakeListContent(const TArrayOfBootData& records, TListContent& content, std::string& error);

// The same, written to `out`.
bool WriteListContent(const TArrayOfBootData& records, TByteSink& out, std::string& error);

// The bytes WriteListContent writes for `records`.
size_t ListContentSize(const TArrayOfBootData& records);
