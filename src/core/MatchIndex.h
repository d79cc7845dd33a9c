#pragma once

#include "BootData.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Which bootlegs count as the same bootleg for compare and join: equal Date
// and Band bytes (or, loosely, equal core/LooseMatch keys), and equal Source
// and Media codes where the options ask for them. No other field takes part.
struct TMatchOptions {
    bool Source = true;
    bool Media = true;
    bool Loose = false;
};

// Sorts records into groups of matching records in one pass: every lookup
// costs one hash and, on average, one comparison, however many records share
// a band or a date. The index keeps pointers to the first record of each
// group, so those records must stay where they are while the index is used.
class TMatchIndex {
public:
    explicit TMatchIndex(TMatchOptions options, size_t expectedGroups = 0);

    static constexpr int32_t kNone = -1;

    // The group of `record`; a new group (numbered from 0 in order of first
    // appearance) when no record added before matches it.
    int32_t Add(const TBootData& record, bool* isNew = nullptr);
    // The group of `record`, or kNone when no added record matches it.
    int32_t Find(const TBootData& record) const;
    size_t GroupCount() const { return m_first.size(); }

private:
    // Loosely, the key of `record` is left in m_key for SameGroup.
    size_t Hash(const TBootData& record) const;
    bool SameGroup(size_t group, const TBootData& record) const;
    std::string_view KeyOf(size_t group) const;
    size_t SlotOf(const TBootData& record, size_t hash) const;
    void Grow();

    TMatchOptions m_options;
    std::vector<const TBootData*> m_first; // first record of each group
    std::vector<size_t> m_hashes;          // hash of each group
    std::vector<int32_t> m_slots;          // group + 1 per slot; 0 is empty; size a power of two
    // Loosely: the keys of all groups one after another, and where each ends.
    std::string m_keys;
    std::vector<size_t> m_keyEnds;
    mutable std::string m_key;
};
