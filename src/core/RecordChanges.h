#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What happened to the records of a list, in order, since it was last taken:
// what a structure kept beside the records (the quick filter's index) needs
// to follow them without looking at every record again. The undo history
// notes every change here, since every change passes through it. Too much
// untaken becomes one Reset, and after a Reset nothing more is noted: the
// follower then starts afresh from the records as they are.

struct TRecordChange {
    enum TKind : uint8_t { Touched, Inserted, Removed, Reordered, Reset } Kind = Reset;
    // Touched: records whose fields may have changed. Inserted: where the
    // new records stand, ascending. Removed: where they stood, ascending.
    std::vector<int32_t> Positions;
    // Inserted: records new to the list, not ones put back by undo or redo.
    bool Added = false;
    // Reordered: order[i] is the former index of the record now at i.
    std::vector<uint32_t> Order;
};

class TRecordChanges {
public:
    void Touched(int32_t index);
    void Inserted(const std::vector<int32_t>& positions, bool added);
    void Removed(const std::vector<int32_t>& positions);
    void Reordered(const std::vector<uint32_t>& order);
    void Reset();

    std::vector<TRecordChange> Take();
    // Nothing happened since the last Take.
    bool Empty() const { return m_changes.empty(); }

private:
    // The change to fill in, or nullptr when a reset makes it needless.
    TRecordChange* Note(TRecordChange::TKind kind, size_t size);

    std::vector<TRecordChange> m_changes;
    size_t m_size = 0;
};
