#include "ListFile.h"

#include "ContentReader.h"
#include "Deflate.h"
#include "Inflate.h"
#include "platform/BulkAllocator.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <new>

namespace {

enum class TField { Band, Source, Media, Quality, Name, Date, City, Venue, Country, Num, Info, Front, Back, Comment };

using TLayout = std::vector<TField>;

// Fields of a record, in the order each version stores them.
const TLayout* LayoutOfVersion(int32_t version) {
    using F = TField;
    static const TLayout v1{F::Source, F::Media, F::Quality, F::Name, F::Date, F::City, F::Venue, F::Country, F::Info};
    static const TLayout v2{F::Source, F::Media, F::Num,   F::Quality, F::Name,
                            F::Date,   F::City,  F::Venue, F::Country, F::Info};
    static const TLayout v3{F::Source, F::Media, F::Quality, F::Name, F::Date,
                            F::City,   F::Venue, F::Country, F::Num,  F::Info};
    static const TLayout v13{F::Band,  F::Source,  F::Media, F::Quality, F::Name,  F::Date, F::City,
                             F::Venue, F::Country, F::Num,   F::Info,    F::Front, F::Back, F::Comment};
    switch (version) {
    case 1:
        return &v1;
    case 2:
        return &v2;
    case 3:
        return &v3;
    case kListFileVersion:
        return &v13;
    default:
        return nullptr;
    }
}

std::string* TextField(TBootData& record, TField field) {
    switch (field) {
    case TField::Band:
        return &record.Band;
    case TField::Quality:
        return &record.Quality;
    case TField::Name:
        return &record.Name;
    case TField::Date:
        return &record.Date;
    case TField::City:
        return &record.City;
    case TField::Venue:
        return &record.Venue;
    case TField::Country:
        return &record.Country;
    case TField::Num:
        return &record.Num;
    case TField::Info:
        return &record.Info;
    case TField::Front:
        return &record.Covers[0];
    case TField::Back:
        return &record.Covers[1];
    case TField::Comment:
        return &record.Comment;
    case TField::Source:
    case TField::Media:
        return nullptr;
    }
    return nullptr;
}

// The media list of version 2 had eight entries.
int32_t MediaOfVersion2(int32_t stored) {
    static const int32_t kMap[8] = {0, 1, 2, 3, 8, 9, 10, 15};
    return stored >= 0 && stored < 8 ? kMap[stored] : stored;
}

// A stored text: its length, then its bytes; a length of 0 or less is empty.
bool ReadText(TContentReader& in, std::string_view& text) {
    int32_t length = 0;
    if (!in.ReadInt32(length))
        return false;
    if (length > 0)
        return in.ReadView(text, static_cast<size_t>(length));
    text = {};
    return true;
}

bool ReadText(TContentReader& in, std::string& text) {
    std::string_view stored;
    if (!ReadText(in, stored))
        return false;
    text.assign(stored.data(), stored.size());
    return true;
}

// A record of the version every save writes, its texts where they lie in the
// content. Read field after field without the layout table: on a big list
// the walk through the table costs as much as the texts.
struct TStoredRecord {
    std::string_view Band, Quality, Name, Date, City, Venue, Country, Num, Info, Front, Back, Comment;
    int32_t Source = 0;
    int32_t Media = 0;

    bool Read(TContentReader& in) {
        return ReadText(in, Band) && in.ReadInt32(Source) && in.ReadInt32(Media) && ReadText(in, Quality) &&
               ReadText(in, Name) && ReadText(in, Date) && ReadText(in, City) && ReadText(in, Venue) &&
               ReadText(in, Country) && ReadText(in, Num) && ReadText(in, Info) && ReadText(in, Front) &&
               ReadText(in, Back) && ReadText(in, Comment);
    }
    // Emplacing through this conversion builds every text of the record in
    // its place at once.
    operator TBootData() const {
        return TBootData{std::string(Band),
                         std::string(Date),
                         std::string(City),
                         std::string(Venue),
                         std::string(Country),
                         std::string(Name),
                         std::string(Info),
                         std::string(Num),
                         std::string(Comment),
                         Source,
                         Media,
                         std::string(Quality),
                         {std::string(Front), std::string(Back)}};
    }
};

bool ReadRecord(TContentReader& in, const TLayout& layout, int32_t version, TArrayOfBootData& records) {
    if (version == kListFileVersion) {
        TStoredRecord stored;
        if (!stored.Read(in))
            return false;
        records.emplace_back(stored);
        return true;
    }
    TBootData& record = records.emplace_back();
    for (TField field : layout) {
        if (field == TField::Source || field == TField::Media) {
            int32_t& code = field == TField::Source ? record.Source : record.Media;
            if (!in.ReadInt32(code))
                return false;
            if (field == TField::Media && version == 2)
                code = MediaOfVersion2(code);
            continue;
        }
        if (!ReadText(in, *TextField(record, field)))
            return false;
    }
    return true;
}

// Whole huge pages of the content, which is kept in them.
constexpr size_t kGiveBackStep = size_t(4) << 20;

// How many records to make room for before reading them: the count in the
// file is not trusted, only what the content left can really hold.
size_t RecordsToReserve(int32_t count, const TLayout& layout, size_t contentLeft) {
    const size_t smallestRecord = layout.size() * 4; // every text empty
    return count > 0 ? std::min(static_cast<size_t>(count), contentLeft / smallestRecord) : 0;
}

// The whole file, read in pieces as they arrive, never more than a list can
// be: a stream is hardly longer than its content.
bool ReadWholeFile(TByteSource& file, std::string& bytes, std::string& reason) {
    constexpr size_t kPiece = 1 << 20;
    const size_t most = kMostListContent + kMostListContent / 1024;
    bytes.clear();
    if (file.SizeHint() > 0)
        bytes.reserve(std::min(static_cast<size_t>(file.SizeHint()), most) + 1);
    for (;;) {
        size_t had = bytes.size();
        if (had > most) {
            reason = "The file is too large to be a list.";
            return false;
        }
        // Into the room made from the size hint first, so that nothing is copied.
        const size_t piece = bytes.capacity() > had ? bytes.capacity() - had : kPiece;
        bytes.resize(had + piece);
        long long got = file.Read(&bytes[had], piece);
        bytes.resize(had + static_cast<size_t>(std::max(got, 0LL)));
        if (got < 0) {
            reason = AsSentence(file.Error());
            return false;
        }
        if (got == 0)
            return true;
    }
}

std::string InflateErrorText(TInflateError error) {
    switch (error) {
    case TInflateError::None:
        return {};
    case TInflateError::Empty:
        return "The file is empty.";
    case TInflateError::NotCompressed:
        return "The file is not a Korvalen list: its content is not a valid compressed stream.";
    case TInflateError::Corrupt:
        return "The file is damaged: its compressed content is corrupt.";
    case TInflateError::EndsEarly:
        return "The file is damaged: it ends in the middle of its compressed content.";
    case TInflateError::TooLarge:
        return "The list is too large to be opened: its content is over " + std::to_string(kMostListContent >> 30) +
               " GiB.";
    case TInflateError::NoMemory:
        return "There is not enough memory to open the list.";
    }
    return {};
}

TListReadResult Failure(int32_t version, std::string reason) {
    return {TListReadResult::TStatus::Failed, version, std::move(reason)};
}

constexpr size_t kStoredFields = 14;

char* PutInt32(char* at, int32_t value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    at[0] = char(bits & 0xFF);
    at[1] = char(bits >> 8 & 0xFF);
    at[2] = char(bits >> 16 & 0xFF);
    at[3] = char(bits >> 24 & 0xFF);
    return at + 4;
}

// Most texts of a list are short: two overlapping moves copy one without
// the call that a copy of any length costs.
void CopyText(char* to, const char* from, size_t size) {
    if (size >= 8 && size <= 16) {
        uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + size - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + size - 8, &tail, 8);
    } else if (size >= 4 && size < 8) {
        uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + size - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + size - 4, &tail, 4);
    } else if (size > 16) {
        std::memcpy(to, from, size);
    } else if (size > 0) {
        to[0] = from[0];
        to[size / 2] = from[size / 2];
        to[size - 1] = from[size - 1];
    }
}

char* PutText(char* at, const std::string& text) {
    at = PutInt32(at, static_cast<int32_t>(text.size()));
    CopyText(at, text.data(), text.size());
    return at + text.size();
}

// The size of the content of `records`, and its longest text, which a
// length of four bytes must hold: both in one pass over the list.
struct TContentMeasure {
    size_t Size = 0;
    size_t LongestText = 0;
};

TContentMeasure MeasureContent(const TArrayOfBootData& records) {
    TContentMeasure measure{8 + kStoredFields * 4 * records.size(), 0};
    for (const TBootData& r : records)
        for (const std::string* text : {&r.Band, &r.Quality, &r.Name, &r.Date, &r.City, &r.Venue, &r.Country, &r.Num,
                                        &r.Info, &r.Covers[0], &r.Covers[1], &r.Comment}) {
            measure.Size += text->size();
            measure.LongestText = std::max(measure.LongestText, text->size());
        }
    return measure;
}

// A version-13 record at `at`, which has room for all of it.
char* PutRecord(char* at, const TBootData& r) {
    at = PutText(at, r.Band);
    at = PutInt32(at, r.Source);
    at = PutInt32(at, r.Media);
    at = PutText(at, r.Quality);
    at = PutText(at, r.Name);
    at = PutText(at, r.Date);
    at = PutText(at, r.City);
    at = PutText(at, r.Venue);
    at = PutText(at, r.Country);
    at = PutText(at, r.Num);
    at = PutText(at, r.Info);
    at = PutText(at, r.Covers[0]);
    at = PutText(at, r.Covers[1]);
    return PutText(at, r.Comment);
}

} // namespace

size_t ListContentSize(const TArrayOfBootData& records) {
    return MeasureContent(records).Size;
}

bool RoomForRecords(size_t have, size_t more, std::string& error, size_t most) {
    if (have <= most && more <= most - have)
        return true;
    error = "The list would hold " + std::to_string(have + more) + " bootlegs, more than the program can open (" +
            std::to_string(most) + "). Nothing was changed.";
    return false;
}

TListReadResult ReadListFile(TByteSource& file, TArrayOfBootData& records) {
    TInflated content;
    try {
        std::string bytes, reason;
        if (!ReadWholeFile(file, bytes, reason))
            return Failure(0, reason);
        TInflateError error = InflateBytes(bytes.data(), bytes.size(), kMostListContent, content);
        if (error != TInflateError::None)
            return Failure(0, InflateErrorText(error));
    } catch (const std::bad_alloc&) {
        content.Clear(); // gives the memory back before the message is built
        return Failure(0, "There is not enough memory to open the list.");
    }
    TContentReader in(content.View());
    int32_t version = 0;
    if (!in.ReadInt32(version))
        return Failure(0, "The file is damaged: it holds no list.");
    if (version > kListFileVersion)
        return {TListReadResult::TStatus::NewerVersion, version,
                "Wrong file version (" + std::to_string(version) + ")."};

    TArrayOfBootData read;
    if (const TLayout* layout = LayoutOfVersion(version)) {
        int32_t count = 0;
        if (!in.ReadInt32(count))
            return Failure(version, "The file is damaged: it ends before its number of bootlegs.");
        if (count > kMostListRecords)
            return Failure(version, "The list holds " + std::to_string(count) +
                                        " bootlegs, more than the program can open (" +
                                        std::to_string(kMostListRecords) + ").");
        int32_t i = 0;
        try {
            read.reserve(RecordsToReserve(count, *layout, in.Left()));
            size_t givenBack = 0;
            for (; i < count; ++i) {
                // The content read so far is in the records now: giving it
                // back as the records grow keeps the two from adding up.
                if (in.Position() - givenBack >= kGiveBackStep) {
                    givenBack = in.Position();
                    content.GiveBackBefore(givenBack);
                }
                if (!ReadRecord(in, *layout, version, read))
                    return Failure(version, "The file is damaged: it ends after " + std::to_string(i) + " of its " +
                                                std::to_string(count) + " bootlegs.");
            }
        } catch (const std::bad_alloc&) {
            read = TArrayOfBootData(); // gives the memory back before the message is built
            return Failure(version, "There is not enough memory to open the list: it ran out after " +
                                        std::to_string(i) + " of its " + std::to_string(count) + " bootlegs.");
        }
    }
    records = std::move(read);
    return {TListReadResult::TStatus::Ok, version, {}};
}

void TListContent::Clear() {
    m_buffer.Clear();
    m_size = 0;
}

bool MakeListContent(const TArrayOfBootData& records, TListContent& content, std::string& error) {
    content.Clear();
    if (records.size() > static_cast<size_t>(INT32_MAX)) {
        error = "The list has too many bootlegs to be stored.";
        return false;
    }
    // Sized first, then written straight into memory of that size: no piece
    // of a big list is copied twice, and its pages are filled once.
    const TContentMeasure measure = MeasureContent(records);
    if (measure.LongestText > static_cast<size_t>(INT32_MAX)) {
        error = "A text of the list is too long to be stored (over 2 GiB).";
        return false;
    }
    const size_t size = measure.Size;
    if (!content.m_buffer.Allocate(size)) {
        error = "There is not enough memory to store the list.";
        return false;
    }
    char* bytes = content.m_buffer.Data();
    char* at = PutInt32(PutInt32(bytes, kListFileVersion), static_cast<int32_t>(records.size()));
    for (const TBootData& record : records)
        at = PutRecord(at, record);
    content.m_size = size;
    return true;
}

bool WriteListContent(const TArrayOfBootData& records, TByteSink& sink, std::string& error) {
    TListContent content;
    if (!MakeListContent(records, content, error))
        return false;
    if (sink.Write(content.Data(), content.Size()))
        return true;
    error = sink.Error();
    return false;
}

bool WriteListFile(const TArrayOfBootData& records, TByteSink& file, std::string& error) {
    TListContent content;
    std::string packed;
    if (!MakeListContent(records, content, error) ||
        !DeflateBytes(content.Data(), content.Size(), kDeflateLevel, packed, error))
        return false;
    content.Clear(); // not needed while the file is written
    if (file.Write(packed.data(), packed.size()))
        return true;
    error = file.Error();
    return false;
}
