#pragma once

#include "core/BootData.h"
#include "core/RecordChanges.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

// The undo history of one list. A change is gathered in an open step (record
// fields noted before they change, records added, removed or reordered
// through the history) and becomes one step at Commit. A step keeps only what
// changed: the other bytes of the changed fields, the records that are out
// of the list, the order of a sort; never a copy of the list. The oldest
// steps go when there are more than the limits allow, but the newest step is
// always kept, however big. The saved point follows saves, undo and redo.

// The stored properties of a record, as a step keeps them.
enum class TRecordField : uint8_t {
    Band,
    Date,
    City,
    Venue,
    Country,
    Name,
    Info,
    Num,
    Comment,
    Source,
    Media,
    Quality,
    FrontCover,
    BackCover,
};
constexpr int kRecordFields = 14;

struct TUndoLimits {
    size_t Steps = 200;
    size_t Bytes = size_t(64) << 20;
};

// What the open step holds so far; a caption is made from it.
struct TStepSummary {
    size_t Added = 0;
    size_t Removed = 0;
    size_t Cells = 0; // changed fields; the two covers of a record count as one
    bool Reordered = false;
    bool Empty() const { return Added == 0 && Removed == 0 && Cells == 0 && !Reordered; }
};

// Where undo or redo left the records it touched, so that they can be shown.
struct TUndoResult {
    bool Done = false;
    // Record indices after the step, ascending; where removed records were
    // when only removals happened (within the list); empty after a sort.
    std::vector<int32_t> Records;
    // The one field every changed cell belongs to, or -1.
    int Field = -1;
};

class IUndoRecorder;

class TUndoHistory {
public:
    explicit TUndoHistory(TUndoLimits limits = {}) : m_limits(limits) {}

    // Recording into the open step. Touch before the fields of record
    // `index` change (a second touch of the same record adds nothing).
    void Touch(const TArrayOfBootData& data, int32_t index);
    void Append(TArrayOfBootData& data, TBootData record);
    // `positions` ascending and distinct.
    void Remove(TArrayOfBootData& data, const std::vector<int32_t>& positions);
    // order[i] is the former index of the record that comes to index i.
    void Reorder(TArrayOfBootData& data, std::vector<uint32_t> order);
    // Puts `records` in at `positions` (ascending, as indices after the insert).
    void Insert(TArrayOfBootData& data, const std::vector<int32_t>& positions, TArrayOfBootData records);
    TStepSummary OpenSummary(const TArrayOfBootData& data) const;
    // Closes the open step under `name`; false when it changed nothing, and
    // then no step is kept. Steps that could be redone are dropped.
    bool Commit(const TArrayOfBootData& data, std::string name);

    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current < m_steps.size(); }
    // The names of the step undo and redo would take back or do again.
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    // The step undo would take back removed or reordered records, so that
    // indices into the list from before it are stale.
    bool UndoStepMovedRecords() const;
    // The step undo (or redo) would take back (or do again) puts records in,
    // takes them out or reorders them, which may take as long as the list is.
    bool NextStepMovesRecords(bool redo) const;
    // An open step is committed first under an empty name.
    TUndoResult Undo(TArrayOfBootData& data);
    TUndoResult Redo(TArrayOfBootData& data);

    // Told of every change from now on; nullptr tells nobody.
    void SetRecorder(IUndoRecorder* recorder) { m_recorder = recorder; }

    void MarkSaved();
    // Names the state the records are in now (the open step left out), for
    // a save that ends later: MarkSavedAt makes that state the saved point
    // if the history can still reach it, and none otherwise.
    uint64_t StateMark() const;
    void MarkSavedAt(uint64_t mark);
    // No state the history can reach is the one on the disk.
    void ForgetSavedPoint() { m_savedReachable = false; }
    bool AtSavedPoint() const { return m_savedReachable && m_saved == m_current; }
    void Clear();

    // Every change to the records since the last Take, for those who follow them.
    TRecordChanges& Changes() { return m_changes; }

    size_t StepCount() const { return m_steps.size(); }
    size_t Bytes() const { return m_bytes; }
    const TUndoLimits& Limits() const { return m_limits; }

    struct TFieldEdit {
        int32_t Record;
        TRecordField Field;
        std::string Other; // the value the field does not hold now
    };
    struct TPart {
        enum TKind : uint8_t { Fields, Insert, Remove, Reorder } Kind = Fields;
        std::vector<TFieldEdit> Edits;
        // Insert: indices in the list with the records in; Remove: indices in
        // the list before they went. Ascending.
        std::vector<int32_t> Positions;
        // The records while they are out of the list.
        TArrayOfBootData Records;
        std::vector<uint32_t> Order;
    };
    struct TStep {
        std::string Name;
        std::vector<TPart> Parts;
        size_t Bytes = 0;
        uint64_t Id = 0; // names the state after this step
    };

private:
    void FlushTouched(const TArrayOfBootData& data);
    TUndoResult Apply(TStep& step, TArrayOfBootData& data, bool forward);
    void Recount(TStep& step);
    void DropOldest();
    void Trim();

    TUndoLimits m_limits;
    std::deque<TStep> m_steps;
    size_t m_current = 0; // steps done; the rest can be redone
    size_t m_saved = 0;
    bool m_savedReachable = true;
    uint64_t m_baseId = 0; // names the state before the first step kept
    uint64_t m_lastId = 0;
    size_t m_bytes = 0;
    TStep m_open;
    std::vector<std::pair<int32_t, TBootData>> m_touched;
    std::unordered_map<int32_t, size_t> m_touchedAt;
    TRecordChanges m_changes;
    IUndoRecorder* m_recorder = nullptr;
};

// Told of every change the history makes to the records, in the order made
// and with indices as they are at that moment, and of each step closed,
// undone or redone: enough to bring another copy of the records along.
class IUndoRecorder {
public:
    virtual ~IUndoRecorder() = default;
    // The fields of `edits` now hold in `data` what they were changed to.
    virtual void FieldsChanged(const TArrayOfBootData& data, const std::vector<TUndoHistory::TFieldEdit>& edits) = 0;
    // Records came in at `positions` (ascending) of `data`.
    virtual void Inserted(const TArrayOfBootData& data, const std::vector<int32_t>& positions) = 0;
    virtual void Removed(const std::vector<int32_t>& positions) = 0;
    virtual void Reordered(const std::vector<uint32_t>& order) = 0;
    // The changes since the last call are one step named `name`.
    virtual void StepClosed(const std::string& name) = 0;
};
