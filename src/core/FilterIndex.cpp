#include "core/FilterIndex.h"

#include "core/Codes.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

enum : uint8_t { kDirty = 1, kKept = 2, kLegacy = 4 };

// The marks before each cell; folded text is UTF-8 and never holds these bytes.
constexpr unsigned char kUtf8Mark = 0xFE;
constexpr unsigned char kLegacyMark = 0xFF;

// The text columns in the order of TQueryColumn.
constexpr std::string TBootData::*kFields[kQueryTextColumns] = {
    &TBootData::Band, &TBootData::Date,    &TBootData::City, &TBootData::Country, &TBootData::Venue,
    &TBootData::Name, &TBootData::Quality, &TBootData::Num,  &TBootData::Comment,
};

uint8_t StoredCode(TCodeKind kind, int32_t code) {
    return IsCode(kind, code) ? static_cast<uint8_t>(code) : 0xFF;
}

// Room for the folded record: a legacy byte may take three bytes folded.
size_t MostFoldedBytes(const TBootData& record) {
    size_t bytes = 0;
    for (auto field : kFields)
        bytes += 3 * (record.*field).size() + 1;
    return bytes;
}

// The first place of `needle` (at least one byte) in `text`, or nullptr.
// Sixteen places at a time are tested on the needle's first and last byte,
// which rules out nearly all of them in folded text, where the C library's
// search tests every place.
const char* FindBytes(const char* text, size_t size, const std::string& needle) {
    const size_t n = needle.size();
    if (n == 1)
        return static_cast<const char*>(std::memchr(text, needle[0], size));
    size_t i = 0;
#ifdef __SSE2__
    const __m128i first = _mm_set1_epi8(needle[0]);
    const __m128i last = _mm_set1_epi8(needle[n - 1]);
    for (; i + n - 1 + 16 <= size; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i + n - 1));
        auto mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        for (; mask != 0; mask &= mask - 1) {
            const size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
            if (std::memcmp(text + at + 1, needle.data() + 1, n - 2) == 0)
                return text + at;
        }
    }
#endif
    return static_cast<const char*>(memmem(text + i, size - i, needle.data(), n));
}

} // namespace

bool TCodeMatches::Any() const {
    return std::find(Sources.begin(), Sources.end(), true) != Sources.end() ||
           std::find(Media.begin(), Media.end(), true) != Media.end();
}

void TFilterIndex::Fold(const TBootData& record, TSlot& slot, std::string& into) {
    const size_t start = into.size();
    bool legacy = false;
    for (auto field : kFields) {
        const size_t mark = into.size();
        into += '\0';
        const TTextKind kind = AppendFoldedText(record.*field, into);
        into[mark] = static_cast<char>(kind == TTextKind::Utf8 ? kUtf8Mark : kLegacyMark);
        legacy = legacy || kind == TTextKind::Legacy;
    }
    slot.Start = start;
    slot.Length = static_cast<uint32_t>(into.size() - start);
    slot.Source = StoredCode(TCodeKind::Source, record.Source);
    slot.Media = StoredCode(TCodeKind::Media, record.Media);
    if ((slot.Flags & kLegacy) != 0)
        --m_legacy;
    slot.Flags = static_cast<uint8_t>((slot.Flags & kKept) | (legacy ? kLegacy : 0));
    if (legacy)
        ++m_legacy;
}

void TFilterIndex::Build(const TArrayOfBootData& data) {
    const std::vector<int32_t> kept = m_slots.size() == data.size() ? Kept() : std::vector<int32_t>();
    size_t bytes = 0;
    for (const TBootData& record : data)
        for (auto field : kFields)
            bytes += (record.*field).size() + 1;
    std::string().swap(m_blob);
    m_blob.reserve(bytes + bytes / 32);
    m_slots.assign(data.size(), TSlot());
    m_legacy = m_dirty = m_kept = m_garbage = 0;
    for (size_t i = 0; i < data.size(); ++i)
        Fold(data[i], m_slots[i], m_blob);
    if (m_blob.capacity() > m_blob.size() + m_blob.size() / 8)
        m_blob.shrink_to_fit();
    for (int32_t record : kept)
        Keep(record);
    m_built = true;
    m_scattered = false;
    m_page = LegacyCodePage();
}

void TFilterIndex::Compact(size_t room) {
    std::string laid;
    laid.reserve(m_blob.size() - m_garbage + room);
    for (TSlot& slot : m_slots) {
        if (slot.Length == 0)
            continue;
        const size_t start = laid.size();
        laid.append(m_blob, slot.Start, slot.Length);
        slot.Start = start;
    }
    m_blob.swap(laid);
    m_garbage = 0;
    m_scattered = false;
}

bool TFilterIndex::Refresh(const TArrayOfBootData& data) {
    if (!m_built || m_page != LegacyCodePage() || m_slots.size() != data.size()) {
        Build(data);
        return true;
    }
    if (m_dirty == 0 && !m_scattered)
        return false;
    size_t room = 0;
    for (size_t i = 0; i < m_slots.size() && m_dirty > 0; ++i) {
        TSlot& slot = m_slots[i];
        if ((slot.Flags & kDirty) == 0)
            continue;
        m_garbage += slot.Length;
        slot.Length = 0;
        room += MostFoldedBytes(data[i]);
    }
    // Laid out again in list order when a sort scattered the records or
    // when more than half of the buffer is left over from former texts;
    // never grown by doubling, which would cost twice the texts.
    if (m_scattered || m_garbage > m_blob.size() / 2 || m_blob.size() + room > m_blob.capacity())
        Compact(room + m_blob.size() / 16);
    for (size_t i = 0; i < m_slots.size() && m_dirty > 0; ++i) {
        if ((m_slots[i].Flags & kDirty) == 0)
            continue;
        Fold(data[i], m_slots[i], m_blob);
        --m_dirty;
    }
    return false;
}

bool TFilterIndex::Follow(std::vector<TRecordChange> changes) {
    for (const TRecordChange& change : changes) {
        if (change.Kind == TRecordChange::Reset) {
            m_built = false;
            m_slots.clear();
            std::string().swap(m_blob);
            m_legacy = m_dirty = m_kept = m_garbage = 0;
        } else if (m_built) {
            Apply(change);
        }
    }
    return !changes.empty();
}

void TFilterIndex::Apply(const TRecordChange& change) {
    switch (change.Kind) {
    case TRecordChange::Touched:
        for (int32_t index : change.Positions) {
            if (index < 0 || static_cast<size_t>(index) >= m_slots.size() || (m_slots[index].Flags & kDirty) != 0)
                continue;
            m_slots[index].Flags |= kDirty;
            ++m_dirty;
        }
        break;
    case TRecordChange::Inserted:
        Insert(change.Positions, static_cast<uint8_t>(kDirty | (change.Added ? kKept : 0)));
        break;
    case TRecordChange::Removed:
        Remove(change.Positions);
        break;
    case TRecordChange::Reordered:
        Reorder(change.Order);
        break;
    case TRecordChange::Reset:
        break;
    }
}

void TFilterIndex::Insert(const std::vector<int32_t>& positions, uint8_t flags) {
    const size_t size = m_slots.size() + positions.size();
    std::vector<TSlot> slots;
    slots.reserve(size);
    size_t from = 0, j = 0;
    for (size_t i = 0; i < size; ++i) {
        if (j < positions.size() && static_cast<size_t>(positions[j]) == i) {
            slots.emplace_back().Flags = flags;
            ++j;
        } else if (from < m_slots.size()) {
            slots.push_back(m_slots[from++]);
        }
    }
    if (j != positions.size() || slots.size() != size) {
        m_built = false; // not the list this index follows: start afresh
        return;
    }
    m_slots.swap(slots);
    m_dirty += positions.size();
    if ((flags & kKept) != 0)
        m_kept += positions.size();
}

void TFilterIndex::Remove(const std::vector<int32_t>& positions) {
    size_t kept = 0, j = 0;
    for (size_t i = 0; i < m_slots.size(); ++i) {
        const TSlot& slot = m_slots[i];
        if (j < positions.size() && static_cast<size_t>(positions[j]) == i) {
            ++j;
            m_garbage += slot.Length;
            m_dirty -= (slot.Flags & kDirty) != 0;
            m_kept -= (slot.Flags & kKept) != 0;
            m_legacy -= (slot.Flags & kLegacy) != 0;
            continue;
        }
        m_slots[kept++] = slot;
    }
    m_slots.resize(kept);
    if (j != positions.size())
        m_built = false;
}

void TFilterIndex::Reorder(const std::vector<uint32_t>& order) {
    if (order.size() != m_slots.size()) {
        m_built = false;
        return;
    }
    std::vector<TSlot> slots(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] >= m_slots.size()) {
            m_built = false;
            return;
        }
        slots[i] = m_slots[order[i]];
    }
    m_slots.swap(slots);
    m_scattered = true;
}

void TFilterIndex::Keep(int32_t record) {
    if (record < 0 || static_cast<size_t>(record) >= m_slots.size() || (m_slots[record].Flags & kKept) != 0)
        return;
    m_slots[record].Flags |= kKept;
    ++m_kept;
}

void TFilterIndex::ForgetKept() {
    for (size_t i = 0; i < m_slots.size() && m_kept > 0; ++i)
        if ((m_slots[i].Flags & kKept) != 0) {
            m_slots[i].Flags &= static_cast<uint8_t>(~kKept);
            --m_kept;
        }
    m_kept = 0;
}

std::vector<int32_t> TFilterIndex::Kept() const {
    std::vector<int32_t> kept;
    for (size_t i = 0; i < m_slots.size() && kept.size() < m_kept; ++i)
        if ((m_slots[i].Flags & kKept) != 0)
            kept.push_back(static_cast<int32_t>(i));
    return kept;
}

size_t TFilterIndex::Bytes() const {
    return m_blob.capacity() + m_slots.capacity() * sizeof(TSlot);
}

bool TFilterIndex::CodesMatch(const TSlot& slot, const TCodeMatches& codes) const {
    return (slot.Source < codes.Sources.size() && codes.Sources[slot.Source]) ||
           (slot.Media < codes.Media.size() && codes.Media[slot.Media]);
}

bool TFilterIndex::Adjacent(int32_t a, int32_t b) const {
    return m_slots[a].Start + m_slots[a].Length == m_slots[b].Start;
}

bool TFilterIndex::HitCounts(const TSlot& slot, size_t hit, TQueryColumn column, TTextKind kind, bool checkKind) const {
    int cell = -1;
    unsigned char mark = 0;
    for (size_t p = slot.Start; p <= hit; ++p) {
        const auto b = static_cast<unsigned char>(m_blob[p]);
        if (b >= kUtf8Mark) {
            ++cell;
            mark = b;
        }
    }
    if (column != TQueryColumn::Any && cell != static_cast<int>(column))
        return false;
    return !checkKind || mark == (kind == TTextKind::Utf8 ? kUtf8Mark : kLegacyMark);
}

void TFilterIndex::ScanRun(const TCandidates& candidates, size_t first, size_t last, const TIndexSearch& search,
                           TTextKind kind, bool checkKind, std::vector<int32_t>& found) const {
    const std::string& needle = search.Pattern.Folded(kind);
    const bool codes = search.Codes.Any();
    const bool verify = checkKind || search.Column != TQueryColumn::Any;
    const char* base = m_blob.data();
    const TSlot& lastSlot = m_slots[candidates[last - 1]];
    const size_t runEnd = lastSlot.Start + lastSlot.Length;
    constexpr size_t kNone = static_cast<size_t>(-1);
    auto next = [&](size_t from) {
        if (from >= runEnd)
            return kNone;
        const char* at = FindBytes(base + from, runEnd - from, needle);
        return at ? static_cast<size_t>(at - base) : kNone;
    };
    size_t hit = next(m_slots[candidates[first]].Start);
    for (size_t k = first; k < last; ++k) {
        if (hit == kNone && !codes)
            break;
        const int32_t record = candidates[k];
        const TSlot& slot = m_slots[record];
        const size_t end = slot.Start + slot.Length;
        bool match = codes && CodesMatch(slot, search.Codes);
        while (!match && hit < end) {
            if (!verify || HitCounts(slot, hit, search.Column, kind, checkKind))
                match = true;
            else
                hit = next(hit + 1);
        }
        if (match)
            found.push_back(record);
        if (hit < end)
            hit = next(end);
    }
}

void TFilterIndex::FindKind(const TCandidates& candidates, const TIndexSearch& search, TTextKind kind, bool checkKind,
                            std::vector<int32_t>& found) const {
    // Records next to each other in the list and in the buffer are searched
    // as one stretch.
    for (size_t i = 0; i < candidates.Count;) {
        size_t j = i + 1;
        while (j < candidates.Count && candidates[j] == candidates[j - 1] + 1 &&
               Adjacent(candidates[j - 1], candidates[j]))
            ++j;
        ScanRun(candidates, i, j, search, kind, checkKind, found);
        i = j;
    }
}

void TFilterIndex::Find(const std::vector<int32_t>* candidates, const TIndexSearch& search,
                        std::vector<int32_t>& found) const {
    const TCandidates looked{candidates, candidates ? candidates->size() : m_slots.size()};
    found.clear();
    found.reserve(looked.Count);
    if (search.Column == TQueryColumn::Source || search.Column == TQueryColumn::Media) {
        for (size_t k = 0; k < looked.Count; ++k)
            if (CodesMatch(m_slots[looked[k]], search.Codes))
                found.push_back(looked[k]);
        return;
    }
    if (search.Pattern.Empty())
        return;
    // Texts of the two kinds fold differently only for letters beyond a..z.
    if (search.Pattern.SameForBoth() || m_legacy == 0) {
        FindKind(looked, search, TTextKind::Utf8, false, found);
        return;
    }
    std::vector<int32_t> utf8, legacy;
    FindKind(looked, search, TTextKind::Utf8, true, utf8);
    FindKind(looked, search, TTextKind::Legacy, true, legacy);
    std::set_union(utf8.begin(), utf8.end(), legacy.begin(), legacy.end(), std::back_inserter(found));
}
