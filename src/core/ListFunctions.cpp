#include "ListFunctions.h"

#include "ListCaption.h"

#include <cassert>
#include <cstdint>
#include <string>

namespace {

// For each group, one bit per selected list: does that list hold it?
class TPresence {
public:
    explicit TPresence(size_t lists) : m_words((lists + 63) / 64) {}

    void Resize(size_t groups) { m_bits.resize(groups * m_words, 0); }
    void Set(size_t group, size_t list) { m_bits[group * m_words + list / 64] |= uint64_t{1} << (list % 64); }
    bool Has(size_t group, size_t list) const { return (m_bits[group * m_words + list / 64] >> (list % 64)) & 1; }

private:
    size_t m_words;
    std::vector<uint64_t> m_bits;
};

void ResetResults(const std::vector<TProject*>& lists, const std::vector<bool>& selected, int32_t hits) {
    for (size_t i = 0; i < lists.size(); ++i) {
        for (TBootData& record : lists[i]->Data) {
            record.SearchHits = selected[i] ? hits : 0;
            record.SearchText.clear();
        }
    }
}

void MarkDuplicates(TProject& list, TMatchOptions options) {
    TMatchIndex index(options, list.Data.size());
    for (TBootData& record : list.Data) {
        bool isNew = false;
        index.Add(record, &isNew);
        if (!isNew)
            record.SearchHits = 1;
    }
}

void CompareSelected(const std::vector<TProject*>& chosen, TMatchOptions options) {
    size_t total = 0;
    for (const TProject* list : chosen)
        total += list->Data.size();
    TMatchIndex index(options, total);
    TPresence presence(chosen.size());
    // The group of every record, so that the second pass hashes nothing.
    std::vector<int32_t> groups;
    groups.reserve(total);
    for (size_t s = 0; s < chosen.size(); ++s)
        for (const TBootData& record : chosen[s]->Data) {
            groups.push_back(index.Add(record));
            presence.Resize(index.GroupCount());
            presence.Set(static_cast<size_t>(groups.back()), s);
        }

    std::vector<std::string> captions;
    for (const TProject* list : chosen)
        captions.push_back(ListCaption(list->FileName));
    size_t next = 0;
    for (size_t a = 0; a < chosen.size(); ++a)
        for (TBootData& record : chosen[a]->Data) {
            const size_t group = static_cast<size_t>(groups[next++]);
            for (size_t b = 0; b < chosen.size(); ++b) {
                if (b == a)
                    continue;
                if (presence.Has(group, b)) {
                    --record.SearchHits;
                } else {
                    if (!record.SearchText.empty())
                        record.SearchText += ", ";
                    record.SearchText += captions[b];
                }
            }
        }
}

// The kept records copied without their results, allocated at once: growing
// the array step by step costs more than the copies themselves.
bool CopyKept(const std::vector<const TBootData*>& kept, TArrayOfBootData& out, std::string& error, size_t most) {
    if (!RoomForRecords(0, kept.size(), error, most))
        return false;
    TArrayOfBootData copies;
    copies.reserve(kept.size());
    for (const TBootData* record : kept) {
        TBootData& copy = copies.emplace_back(*record);
        copy.SearchHits = 0;
        copy.SearchText.clear();
        copy.ViewIndex = -1;
    }
    out = std::move(copies);
    return true;
}

} // namespace

void CompareLists(const std::vector<TProject*>& lists, const std::vector<bool>& selected, TMatchOptions options) {
    assert(lists.size() == selected.size());
    std::vector<TProject*> chosen;
    for (size_t i = 0; i < lists.size(); ++i)
        if (selected[i])
            chosen.push_back(lists[i]);
    const int32_t k = static_cast<int32_t>(chosen.size());
    ResetResults(lists, selected, k - 1);
    if (k == 1)
        MarkDuplicates(*chosen.front(), options);
    else if (k >= 2)
        CompareSelected(chosen, options);
    for (size_t i = 0; i < lists.size(); ++i)
        lists[i]->SearchColumn = selected[i];
}

bool JoinLists(const std::vector<TProject*>& lists, const std::vector<bool>& selected, const TFilterState& filter,
               TMatchOptions options, TArrayOfBootData& joined, std::string& error, size_t most) {
    assert(lists.size() == selected.size());
    // The records to keep first, so that the joined array is allocated once.
    std::vector<const TBootData*> kept;
    TMatchIndex index(options);
    for (size_t i = 0; i < lists.size(); ++i) {
        if (!selected[i])
            continue;
        TProject& list = *lists[i];
        list.BuildView(filter);
        for (int32_t row : list.View) {
            const TBootData& record = list.Data[static_cast<size_t>(row)];
            bool isNew = false;
            index.Add(record, &isNew);
            if (isNew)
                kept.push_back(&record);
        }
    }
    return CopyKept(kept, joined, error, most);
}

bool LackingRecords(const std::vector<TProject*>& lists, const std::vector<bool>& selected, size_t mine,
                    TMatchOptions options, TArrayOfBootData& wants, std::string& error, size_t most) {
    assert(lists.size() == selected.size() && mine < lists.size());
    TMatchIndex index(options, lists[mine]->Data.size());
    for (const TBootData& record : lists[mine]->Data)
        index.Add(record);
    std::vector<const TBootData*> kept;
    for (size_t i = 0; i < lists.size(); ++i) {
        if (!selected[i] || i == mine)
            continue;
        for (const TBootData& record : lists[i]->Data) {
            bool isNew = false;
            index.Add(record, &isNew);
            if (isNew)
                kept.push_back(&record);
        }
    }
    return CopyKept(kept, wants, error, most);
}
