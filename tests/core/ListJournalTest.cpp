#include "core/ListJournal.h"

#include "support/RandomChanges.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

std::string Le32(uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}

uint32_t ZlibCrc(const std::string& bytes) {
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

// A journal of `moves` random changes, undos and redos of a random list:
// its bytes, the end of every entry, and the records after each entry.
struct TRecordedJournal {
    std::string Bytes;
    std::vector<size_t> EntryEnds;
    std::vector<std::vector<TBootData>> After;
    std::vector<TBootData> Base;
    size_t HeaderEnd = 0;
};

TRecordedJournal Record(uint32_t seed, int moves) {
    TRecordedJournal out;
    TChanger changer(seed);
    TProject list;
    changer.RandomList(list, 30);
    out.Base = Snapshot(list);
    TJournalHeader header;
    header.ListPath = "/l.kvu";
    out.Bytes = JournalHeaderBytes(header);
    out.HeaderEnd = out.Bytes.size();
    TJournalRecorder recorder(
        [&](const std::string& entry) {
            out.Bytes += entry;
            out.EntryEnds.push_back(out.Bytes.size());
            out.After.push_back(Snapshot(list));
        },
        [] { return int64_t(7); });
    list.UndoSteps.SetRecorder(&recorder);
    for (int move = 0; move < moves; ++move) {
        const int kind = changer.R.Int(0, 9);
        if (kind <= 5)
            list.CommitChange(changer.Change(list));
        else if (kind <= 7)
            list.UndoChange();
        else
            list.RedoChange();
    }
    // The snapshot is taken when the entry is written: within the step's
    // commit, before the history has anything else to do.
    return out;
}

TEST(ListJournal, HeaderAndEntryBytesAreExact) {
    TJournalHeader header;
    header.ListPath = "/a";
    header.Host = "h";
    header.Pid = 0x0102030405;
    header.Started = 9;
    header.BaseBytes = "xy";
    header.BaseChecksum = ZlibCrc("xy");
    std::string body = Le32(2) + "/a" + Le32(1) + "h" + Le32(0x02030405) + Le32(1) + Le32(9) + Le32(0) +
                       Le32(ZlibCrc("xy")) + Le32(2) + "xy";
    std::string expected = "KVJOURNL" + Le32(1) + Le32(static_cast<uint32_t>(body.size())) + body;
    expected += Le32(ZlibCrc(expected));
    EXPECT_EQ(JournalHeaderBytes(header), expected);
    const std::string start = JournalHeaderStart(header, 2);
    EXPECT_EQ(start + "xy" + JournalHeaderEnd(ZlibCrc(start + "xy")), expected);
    EXPECT_EQ(JournalEntryBytes("abc"), Le32(3) + Le32(ZlibCrc("abc")) + "abc");

    // One edit of a record's band, as the recorder writes it.
    std::string entry;
    TJournalRecorder recorder([&](const std::string& bytes) { entry = bytes; }, [] { return int64_t(5); });
    TProject list;
    list.Data.resize(2);
    list.UndoSteps.SetRecorder(&recorder);
    list.UndoSteps.Touch(list.Data, 1);
    list.Data[1].Band = "Yes";
    list.CommitChange("edit");
    const std::string content = Le32(5) + Le32(0) + Le32(4) + "edit" + Le32(1) + std::string(1, '\0') + Le32(1) +
                                Le32(1) + '\0' + Le32(3) + "Yes";
    EXPECT_EQ(entry, JournalEntryBytes(content));
}

TEST(ListJournal, ReplayingTheEntriesGivesTheRecordsOfEveryStep) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const TRecordedJournal recorded = Record(seed, 60);
        TJournal journal;
        std::string error;
        ASSERT_TRUE(ReadJournal(recorded.Bytes, journal, error)) << error;
        ASSERT_EQ(journal.Entries.size(), recorded.After.size());
        EXPECT_TRUE(journal.Rest.empty());
        TProject list;
        list.Data.assign(recorded.Base.begin(), recorded.Base.end());
        for (size_t i = 0; i < journal.Entries.size(); ++i) {
            ASSERT_TRUE(ReplayJournalEntry(journal.Entries[i], list, error)) << "seed " << seed << ", entry " << i;
            ASSERT_TRUE(SameRecords(list, recorded.After[i])) << "seed " << seed << ", entry " << i;
        }
        EXPECT_FALSE(list.Saved);
        // Replayed changes are steps of their own: all of them can be taken back.
        while (list.UndoChange().Done) {
        }
        EXPECT_TRUE(SameRecords(list, recorded.Base)) << "seed " << seed;
    }
}

// A crash may cut the journal anywhere: every whole entry comes back, and
// the rest is reported.
TEST(ListJournal, CutAtEveryByteEveryWholeEntryIsReadAndTheRestReported) {
    const TRecordedJournal recorded = Record(3, 12);
    ASSERT_GE(recorded.EntryEnds.size(), 4u);
    const size_t from = recorded.EntryEnds[recorded.EntryEnds.size() - 4];
    for (size_t cut = from; cut <= recorded.Bytes.size(); ++cut) {
        TJournal journal;
        std::string error;
        ASSERT_TRUE(ReadJournal(recorded.Bytes.substr(0, cut), journal, error)) << cut;
        size_t whole = 0;
        while (whole < recorded.EntryEnds.size() && recorded.EntryEnds[whole] <= cut)
            ++whole;
        EXPECT_EQ(journal.Entries.size(), whole) << cut;
        const bool atEnd = cut == recorded.EntryEnds[whole - 1];
        EXPECT_EQ(journal.Rest.empty(), atEnd) << cut << ": " << journal.Rest;
        if (!atEnd) {
            EXPECT_EQ(journal.Rest,
                      std::to_string(cut - recorded.EntryEnds[whole - 1]) + " bytes at the end were cut short");
        }
    }
}

TEST(ListJournal, AForeignNewerOrDamagedJournalIsRefusedWithAReason) {
    const TRecordedJournal recorded = Record(5, 6);
    const size_t headerEnd = recorded.HeaderEnd;
    auto refused = [](std::string bytes) {
        TJournal journal;
        std::string error;
        return ReadJournal(bytes, journal, error) ? std::string("read") : error;
    };
    EXPECT_EQ(refused(""), "not a Korvalen recovery journal");
    EXPECT_EQ(refused("PK\x03\x04 a zip file"), "not a Korvalen recovery journal");
    std::string newer = recorded.Bytes;
    newer[8] = 2;
    EXPECT_EQ(refused(newer), "written by a newer Korvalen (journal version 2)");
    for (size_t at : {size_t(12), size_t(20), headerEnd - 1}) {
        std::string damaged = recorded.Bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x40);
        EXPECT_EQ(refused(damaged), "the journal's header is damaged") << at;
    }
    EXPECT_EQ(refused(recorded.Bytes.substr(0, headerEnd - 1)), "the journal's header is damaged");

    // A damaged entry ends the reading there; the entries before it stay.
    std::string damaged = recorded.Bytes;
    damaged[recorded.EntryEnds[1] + 9] ^= 1;
    TJournal journal;
    std::string error;
    ASSERT_TRUE(ReadJournal(damaged, journal, error));
    EXPECT_EQ(journal.Entries.size(), 2u);
    EXPECT_EQ(journal.Rest, std::to_string(damaged.size() - recorded.EntryEnds[1]) + " bytes at the end are damaged");
    // A length far past the end is a cut, never an allocation.
    ASSERT_TRUE(ReadJournal(recorded.Bytes.substr(0, headerEnd) + Le32(0xFFFFFFF0) + Le32(0), journal, error));
    EXPECT_TRUE(journal.Entries.empty());
    EXPECT_FALSE(journal.Rest.empty());
}

TEST(ListJournal, AnEntryThatDoesNotFitTheListChangesNothing) {
    const TRecordedJournal recorded = Record(9, 30);
    TJournal journal;
    std::string error;
    ASSERT_TRUE(ReadJournal(recorded.Bytes, journal, error));
    ASSERT_FALSE(journal.Entries.empty());
    size_t refusedCount = 0;
    for (const std::string& entry : journal.Entries) {
        TProject tiny; // no records at all: removals, edits and sorts cannot fit
        tiny.Data.resize(1);
        const std::vector<TBootData> before = Snapshot(tiny);
        if (!ReplayJournalEntry(entry, tiny, error)) {
            ++refusedCount;
            EXPECT_TRUE(SameRecords(tiny, before));
            EXPECT_FALSE(tiny.UndoSteps.CanUndo());
        }
        // Counts past the bytes there are, cut anywhere.
        for (size_t cut = 0; cut < entry.size(); cut += 7)
            EXPECT_FALSE(ReplayJournalEntry(entry.substr(0, cut), tiny, error)) << cut;
    }
    EXPECT_GT(refusedCount, 0u);

    // A sort that names a record twice would copy one and lose the other.
    TProject two;
    two.Data.resize(2);
    two.Data[0].Band = "a";
    const auto sort = [](uint32_t first, uint32_t second) {
        return Le32(5) + Le32(0) + Le32(4) + "sort" + Le32(1) + '\3' + Le32(2) + Le32(first) + Le32(second);
    };
    EXPECT_FALSE(ReplayJournalEntry(sort(1, 1), two, error));
    EXPECT_EQ(two.Data[0].Band, "a");
    EXPECT_TRUE(ReplayJournalEntry(sort(1, 0), two, error)) << error;
    EXPECT_EQ(two.Data[1].Band, "a");
}

} // namespace
