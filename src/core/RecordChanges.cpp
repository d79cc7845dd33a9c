#include "core/RecordChanges.h"

#include <cstddef>
#include <utility>

namespace {

// Beyond this many noted positions, starting afresh costs less than following.
constexpr size_t kMostKept = size_t(1) << 20;

} // namespace

TRecordChange* TRecordChanges::Note(TRecordChange::TKind kind, size_t size) {
    // After a reset the follower starts from the records as they are then.
    if (!m_changes.empty() && m_changes.front().Kind == TRecordChange::Reset)
        return nullptr;
    m_size += size + 1;
    if (m_size > kMostKept) {
        Reset();
        return nullptr;
    }
    if (kind == TRecordChange::Touched && !m_changes.empty() && m_changes.back().Kind == kind)
        return &m_changes.back();
    m_changes.emplace_back().Kind = kind;
    return &m_changes.back();
}

void TRecordChanges::Touched(int32_t index) {
    if (TRecordChange* change = Note(TRecordChange::Touched, 1))
        change->Positions.push_back(index);
}

void TRecordChanges::Inserted(const std::vector<int32_t>& positions, bool added) {
    if (positions.empty())
        return;
    // Records put after all those just inserted leave those where they are:
    // one change for the lot, or a follower copies its slots once per record
    // of an import.
    if (!m_changes.empty()) {
        TRecordChange& last = m_changes.back();
        if (last.Kind == TRecordChange::Inserted && last.Added == added && positions.front() > last.Positions.back()) {
            m_size += positions.size();
            if (m_size > kMostKept) {
                Reset();
                return;
            }
            last.Positions.insert(last.Positions.end(), positions.begin(), positions.end());
            return;
        }
    }
    if (TRecordChange* change = Note(TRecordChange::Inserted, positions.size())) {
        change->Positions = positions;
        change->Added = added;
    }
}

void TRecordChanges::Removed(const std::vector<int32_t>& positions) {
    if (TRecordChange* change = Note(TRecordChange::Removed, positions.size()))
        change->Positions = positions;
}

void TRecordChanges::Reordered(const std::vector<uint32_t>& order) {
    if (TRecordChange* change = Note(TRecordChange::Reordered, order.size()))
        change->Order = order;
}

void TRecordChanges::Reset() {
    m_changes.clear();
    m_changes.emplace_back().Kind = TRecordChange::Reset;
    m_size = 1;
}

std::vector<TRecordChange> TRecordChanges::Take() {
    m_size = 0;
    return std::exchange(m_changes, {});
}
