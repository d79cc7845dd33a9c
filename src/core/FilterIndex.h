#pragma once

#include "core/BootData.h"
#include "core/Codes.h"
#include "core/FilterQuery.h"
#include "core/RecordChanges.h"
#include "core/TextMatch.h"
#include "platform/CodePage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The text columns of every record of a list, folded once (core/TextMatch)
// and laid one after another in one buffer, so that a word is looked for in
// a whole list by one substring search instead of a fold of every cell for
// every keystroke. Each cell starts with a mark that no folded text holds
// (its kind: UTF-8 or legacy), so no match runs from one cell into the
// next. The index follows the records through the undo history's changes:
// an edited record is folded again on its own; a sort or many edits lay the
// buffer out again. It costs about the bytes of the text columns.

// The codes whose shown names hold a word.
struct TCodeMatches {
    std::array<bool, kSourceCount> Sources{};
    std::array<bool, kMediaCount> Media{};
    bool Any() const;
};

// One word to look for: where, and which codes' names hold it.
struct TIndexSearch {
    TTextPattern Pattern;
    TQueryColumn Column = TQueryColumn::Any;
    TCodeMatches Codes;
};

class TFilterIndex {
public:
    // Follows the changes since the last call; true when any record changed.
    bool Follow(std::vector<TRecordChange> changes);
    // Folds what is new or changed (everything, the first time or after the
    // legacy code page changed), so that the index shows `data` as it is.
    // True when everything was folded afresh.
    bool Refresh(const TArrayOfBootData& data);

    size_t Size() const { return m_slots.size(); }
    // Into `found`, the records of `candidates` (ascending record indices;
    // every record when nullptr) where `search` is found.
    void Find(const std::vector<int32_t>* candidates, const TIndexSearch& search, std::vector<int32_t>& found) const;

    // Records shown whatever the query says, until ForgetKept.
    void Keep(int32_t record);
    void ForgetKept();
    std::vector<int32_t> Kept() const;

    // The memory the index holds.
    size_t Bytes() const;

private:
    // The records looked at: a list of them, or every one.
    struct TCandidates {
        const std::vector<int32_t>* List;
        size_t Count;
        int32_t operator[](size_t k) const { return List ? (*List)[k] : static_cast<int32_t>(k); }
    };
    struct TSlot {
        size_t Start = 0;
        uint32_t Length = 0;
        uint8_t Flags = 0;
        uint8_t Source = 0xFF; // 0xFF: a code outside the known ones
        uint8_t Media = 0xFF;
    };

    void Build(const TArrayOfBootData& data);
    void Fold(const TBootData& record, TSlot& slot, std::string& into);
    void Compact(size_t room);
    void Apply(const TRecordChange& change);
    void Insert(const std::vector<int32_t>& positions, uint8_t flags);
    void Remove(const std::vector<int32_t>& positions);
    void Reorder(const std::vector<uint32_t>& order);
    void FindKind(const TCandidates& candidates, const TIndexSearch& search, TTextKind kind, bool checkKind,
                  std::vector<int32_t>& found) const;
    void ScanRun(const TCandidates& candidates, size_t first, size_t last, const TIndexSearch& search, TTextKind kind,
                 bool checkKind, std::vector<int32_t>& found) const;
    bool HitCounts(const TSlot& slot, size_t hit, TQueryColumn column, TTextKind kind, bool checkKind) const;
    bool CodesMatch(const TSlot& slot, const TCodeMatches& codes) const;
    bool Adjacent(int32_t a, int32_t b) const;

    std::string m_blob;
    std::vector<TSlot> m_slots;
    bool m_built = false;
    bool m_scattered = false; // records no longer lie in list order
    TCodePage m_page = kDefaultCodePage;
    size_t m_garbage = 0; // bytes of records folded again or gone
    size_t m_dirty = 0;
    size_t m_kept = 0;
    size_t m_legacy = 0; // records with a cell that is not UTF-8
};
