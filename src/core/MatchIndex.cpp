#include "MatchIndex.h"

#include "core/LooseMatch.h"

#include <functional>
#include <string_view>

namespace {

constexpr size_t kMinimumSlots = 16;

size_t Mix(size_t h, size_t value) {
    // The boost combine step: good enough spreading for linear probing.
    return h ^ (value + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

size_t SlotsFor(size_t groups) {
    size_t slots = kMinimumSlots;
    while (slots < groups * 2)
        slots *= 2;
    return slots;
}

bool CodesMatch(const TBootData& a, const TBootData& b, TMatchOptions options) {
    return (!options.Source || a.Source == b.Source) && (!options.Media || a.Media == b.Media);
}

} // namespace

TMatchIndex::TMatchIndex(TMatchOptions options, size_t expectedGroups)
    : m_options(options), m_slots(SlotsFor(expectedGroups), 0) {
    m_first.reserve(expectedGroups);
    m_hashes.reserve(expectedGroups);
}

size_t TMatchIndex::Hash(const TBootData& record) const {
    std::hash<std::string_view> text;
    size_t h;
    if (m_options.Loose) {
        m_key.clear();
        AppendLooseKey(record, m_key);
        h = text(m_key);
    } else {
        h = Mix(text(record.Date), text(record.Band));
    }
    if (m_options.Source)
        h = Mix(h, static_cast<uint32_t>(record.Source));
    if (m_options.Media)
        h = Mix(h, static_cast<uint32_t>(record.Media) + 0x10000u);
    return h;
}

// The slot holding the group of `record`, or the empty slot where it belongs.
size_t TMatchIndex::SlotOf(const TBootData& record, size_t hash) const {
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        int32_t group = m_slots[slot] - 1;
        if (group < 0)
            return slot;
        const size_t g = static_cast<size_t>(group);
        if (m_hashes[g] == hash && SameGroup(g, record))
            return slot;
    }
}

std::string_view TMatchIndex::KeyOf(size_t group) const {
    const size_t start = group == 0 ? 0 : m_keyEnds[group - 1];
    return std::string_view(m_keys).substr(start, m_keyEnds[group] - start);
}

bool TMatchIndex::SameGroup(size_t group, const TBootData& record) const {
    const TBootData& first = *m_first[group];
    if (!CodesMatch(first, record, m_options))
        return false;
    if (m_options.Loose)
        return KeyOf(group) == m_key;
    return first.Date == record.Date && first.Band == record.Band;
}

void TMatchIndex::Grow() {
    std::vector<int32_t> slots(m_slots.size() * 2, 0);
    const size_t mask = slots.size() - 1;
    for (size_t g = 0; g < m_first.size(); ++g) {
        size_t slot = m_hashes[g] & mask;
        while (slots[slot] != 0)
            slot = (slot + 1) & mask;
        slots[slot] = static_cast<int32_t>(g + 1);
    }
    m_slots.swap(slots);
}

int32_t TMatchIndex::Add(const TBootData& record, bool* isNew) {
    const size_t hash = Hash(record);
    size_t slot = SlotOf(record, hash);
    if (m_slots[slot] != 0) {
        if (isNew)
            *isNew = false;
        return m_slots[slot] - 1;
    }
    const int32_t group = static_cast<int32_t>(m_first.size());
    m_first.push_back(&record);
    m_hashes.push_back(hash);
    if (m_options.Loose) {
        m_keys += m_key;
        m_keyEnds.push_back(m_keys.size());
    }
    m_slots[slot] = group + 1;
    // At most half full, so that probe runs stay short.
    if (m_first.size() * 2 > m_slots.size())
        Grow();
    if (isNew)
        *isNew = true;
    return group;
}

int32_t TMatchIndex::Find(const TBootData& record) const {
    size_t slot = SlotOf(record, Hash(record));
    return m_slots[slot] - 1;
}
