#include "core/UndoHistory.h"

#include "core/ListSort.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

template <class TRecord> auto TextField(TRecord& record, TRecordField field) -> decltype(&record.Band) {
    switch (field) {
    case TRecordField::Band:
        return &record.Band;
    case TRecordField::Date:
        return &record.Date;
    case TRecordField::City:
        return &record.City;
    case TRecordField::Venue:
        return &record.Venue;
    case TRecordField::Country:
        return &record.Country;
    case TRecordField::Name:
        return &record.Name;
    case TRecordField::Info:
        return &record.Info;
    case TRecordField::Num:
        return &record.Num;
    case TRecordField::Comment:
        return &record.Comment;
    case TRecordField::Quality:
        return &record.Quality;
    case TRecordField::FrontCover:
        return &record.Covers[0];
    case TRecordField::BackCover:
        return &record.Covers[1];
    default:
        return nullptr;
    }
}

template <class TRecord> auto CodeField(TRecord& record, TRecordField field) -> decltype((record.Source)) {
    return field == TRecordField::Source ? record.Source : record.Media;
}

std::string CodeBytes(int32_t code) {
    std::string bytes(sizeof code, '\0');
    std::memcpy(bytes.data(), &code, sizeof code);
    return bytes;
}

int32_t CodeOfBytes(const std::string& bytes) {
    int32_t code = 0;
    std::memcpy(&code, bytes.data(), std::min(bytes.size(), sizeof code));
    return code;
}

bool FieldDiffers(const TBootData& a, const TBootData& b, TRecordField field) {
    if (const std::string* text = TextField(a, field))
        return *text != *TextField(b, field);
    return CodeField(a, field) != CodeField(b, field);
}

std::string FieldValue(const TBootData& record, TRecordField field) {
    if (const std::string* text = TextField(record, field))
        return *text;
    return CodeBytes(CodeField(record, field));
}

// The record's field takes `other`, and `other` the field's former value.
void SwapField(TBootData& record, TUndoHistory::TFieldEdit& edit) {
    if (std::string* text = TextField(record, edit.Field)) {
        text->swap(edit.Other);
        return;
    }
    int32_t& code = CodeField(record, edit.Field);
    const int32_t former = code;
    code = CodeOfBytes(edit.Other);
    edit.Other = CodeBytes(former);
}

// The two cover names share one cell.
TRecordField CellOf(TRecordField field) {
    return field == TRecordField::BackCover ? TRecordField::FrontCover : field;
}

size_t CellCount(const std::vector<TUndoHistory::TFieldEdit>& edits) {
    size_t cells = 0;
    for (size_t i = 0; i < edits.size(); ++i) {
        const bool pairedCover = edits[i].Field == TRecordField::BackCover && i > 0 &&
                                 edits[i - 1].Record == edits[i].Record &&
                                 edits[i - 1].Field == TRecordField::FrontCover;
        if (!pairedCover)
            ++cells;
    }
    return cells;
}

size_t HeapBytes(const std::string& text) {
    static const size_t local = std::string().capacity();
    return text.capacity() > local ? text.capacity() + 1 : 0;
}

size_t RecordBytes(const TBootData& record) {
    size_t bytes = sizeof(TBootData);
    for (const std::string* text :
         {&record.Band, &record.Date, &record.City, &record.Venue, &record.Country, &record.Name, &record.Info,
          &record.Num, &record.Comment, &record.Quality, &record.Covers[0], &record.Covers[1], &record.SearchText})
        bytes += HeapBytes(*text);
    return bytes;
}

// Puts `records` into `data` so that they stand at `positions` (ascending),
// moving the others up without a second array.
void PutIn(TArrayOfBootData& data, TArrayOfBootData& records, const std::vector<int32_t>& positions) {
    assert(records.size() == positions.size());
    const size_t n = data.size();
    size_t j = positions.size();
    data.resize(n + j);
    size_t from = n;
    for (size_t i = data.size(); i-- > 0 && j > 0;) {
        if (static_cast<size_t>(positions[j - 1]) == i)
            data[i] = std::move(records[--j]);
        else
            data[i] = std::move(data[--from]);
    }
    TArrayOfBootData().swap(records);
}

void TakeOut(TArrayOfBootData& data, TArrayOfBootData& records, const std::vector<int32_t>& positions) {
    records.clear();
    records.reserve(positions.size());
    size_t kept = 0;
    size_t j = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        if (j < positions.size() && static_cast<size_t>(positions[j]) == i) {
            records.push_back(std::move(data[i]));
            ++j;
            continue;
        }
        if (kept != i) // a self-move would empty the strings
            data[kept] = std::move(data[i]);
        ++kept;
    }
    assert(j == positions.size());
    data.erase(data.begin() + static_cast<std::ptrdiff_t>(kept), data.end());
}

std::vector<uint32_t> Inverse(const std::vector<uint32_t>& order) {
    std::vector<uint32_t> inverse(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        inverse[order[i]] = static_cast<uint32_t>(i);
    return inverse;
}

// The records a step touched, followed through its later parts.
class TTouchedRecords {
public:
    void AddCells(const std::vector<TUndoHistory::TFieldEdit>& edits) {
        for (const TUndoHistory::TFieldEdit& edit : edits) {
            m_records.push_back(edit.Record);
            const int field = static_cast<int>(CellOf(edit.Field));
            m_field = m_field == kUnset || m_field == field ? field : -1;
        }
        Normalise();
    }
    void PutIn(const std::vector<int32_t>& positions) {
        // Record i before moves past every put-in record j with positions[j] - j <= i.
        size_t j = 0;
        for (int32_t& i : m_records) {
            while (j < positions.size() && positions[j] - static_cast<int32_t>(j) <= i)
                ++j;
            i += static_cast<int32_t>(j);
        }
        m_records.insert(m_records.end(), positions.begin(), positions.end());
        m_field = -1;
        m_onlyTakenOut = false;
        Normalise();
    }
    void TakeOut(const std::vector<int32_t>& positions) {
        std::vector<int32_t> kept;
        size_t j = 0;
        for (int32_t i : m_records) {
            while (j < positions.size() && positions[j] < i)
                ++j;
            if (j < positions.size() && positions[j] == i)
                continue;
            kept.push_back(i - static_cast<int32_t>(j));
        }
        m_records = std::move(kept);
        if (!positions.empty())
            m_takenOutAt = positions.front();
    }
    void Reorder(const std::vector<uint32_t>& inverse) {
        for (int32_t& i : m_records)
            i = static_cast<int32_t>(inverse[static_cast<size_t>(i)]);
        m_onlyTakenOut = false;
        Normalise();
    }
    TUndoResult Result(size_t size) const {
        TUndoResult result;
        result.Done = true;
        result.Records = m_records;
        result.Field = m_field == kUnset ? -1 : m_field;
        if (m_records.empty() && m_onlyTakenOut && m_takenOutAt >= 0 && size > 0)
            result.Records = {std::min(m_takenOutAt, static_cast<int32_t>(size) - 1)};
        return result;
    }

private:
    static constexpr int kUnset = -2;
    void Normalise() {
        std::sort(m_records.begin(), m_records.end());
        m_records.erase(std::unique(m_records.begin(), m_records.end()), m_records.end());
    }
    std::vector<int32_t> m_records;
    int m_field = kUnset;
    bool m_onlyTakenOut = true;
    int32_t m_takenOutAt = -1;
};

} // namespace

void TUndoHistory::Touch(const TArrayOfBootData& data, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= data.size())
        return;
    // A record touched again may change again since the follower last looked.
    m_changes.Touched(index);
    if (m_touchedAt.count(index))
        return;
    m_touchedAt.emplace(index, m_touched.size());
    m_touched.emplace_back(index, data[static_cast<size_t>(index)]);
}

void TUndoHistory::FlushTouched(const TArrayOfBootData& data) {
    TPart part;
    std::sort(m_touched.begin(), m_touched.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [index, before] : m_touched) {
        if (static_cast<size_t>(index) >= data.size())
            continue;
        const TBootData& now = data[static_cast<size_t>(index)];
        for (int f = 0; f < kRecordFields; ++f) {
            const auto field = static_cast<TRecordField>(f);
            if (FieldDiffers(before, now, field))
                part.Edits.push_back({index, field, FieldValue(before, field)});
        }
    }
    m_touched.clear();
    m_touchedAt.clear();
    if (!part.Edits.empty()) {
        part.Edits.shrink_to_fit();
        if (m_recorder)
            m_recorder->FieldsChanged(data, part.Edits);
        m_open.Parts.push_back(std::move(part));
    }
}

void TUndoHistory::Append(TArrayOfBootData& data, TBootData record) {
    FlushTouched(data);
    const auto position = static_cast<int32_t>(data.size());
    data.push_back(std::move(record));
    m_changes.Inserted({position}, true);
    if (m_recorder)
        m_recorder->Inserted(data, {position});
    if (!m_open.Parts.empty() && m_open.Parts.back().Kind == TPart::Insert &&
        m_open.Parts.back().Positions.back() == position - 1) {
        m_open.Parts.back().Positions.push_back(position);
        return;
    }
    TPart part;
    part.Kind = TPart::Insert;
    part.Positions.push_back(position);
    m_open.Parts.push_back(std::move(part));
}

void TUndoHistory::Remove(TArrayOfBootData& data, const std::vector<int32_t>& positions) {
    if (positions.empty())
        return;
    FlushTouched(data);
    TPart part;
    part.Kind = TPart::Remove;
    part.Positions = positions;
    TakeOut(data, part.Records, part.Positions);
    m_changes.Removed(part.Positions);
    if (m_recorder)
        m_recorder->Removed(positions);
    m_open.Parts.push_back(std::move(part));
}

void TUndoHistory::Insert(TArrayOfBootData& data, const std::vector<int32_t>& positions, TArrayOfBootData records) {
    if (positions.empty())
        return;
    FlushTouched(data);
    TPart part;
    part.Kind = TPart::Insert;
    part.Positions = positions;
    PutIn(data, records, part.Positions);
    m_changes.Inserted(part.Positions, false);
    if (m_recorder)
        m_recorder->Inserted(data, positions);
    m_open.Parts.push_back(std::move(part));
}

void TUndoHistory::Reorder(TArrayOfBootData& data, std::vector<uint32_t> order) {
    assert(order.size() == data.size());
    bool same = true;
    for (size_t i = 0; i < order.size() && same; ++i)
        same = order[i] == i;
    if (same)
        return;
    FlushTouched(data);
    TPart part;
    part.Kind = TPart::Reorder;
    part.Order = order;
    m_changes.Reordered(order);
    ReorderRecords(data, std::move(order));
    if (m_recorder)
        m_recorder->Reordered(part.Order);
    m_open.Parts.push_back(std::move(part));
}

TStepSummary TUndoHistory::OpenSummary(const TArrayOfBootData& data) const {
    TStepSummary summary;
    for (const TPart& part : m_open.Parts) {
        if (part.Kind == TPart::Fields)
            summary.Cells += CellCount(part.Edits);
        else if (part.Kind == TPart::Insert)
            summary.Added += part.Positions.size();
        else if (part.Kind == TPart::Remove)
            summary.Removed += part.Positions.size();
        else
            summary.Reordered = true;
    }
    for (const auto& [index, before] : m_touched) {
        if (static_cast<size_t>(index) >= data.size())
            continue;
        std::vector<TFieldEdit> edits;
        for (int f = 0; f < kRecordFields; ++f)
            if (FieldDiffers(before, data[static_cast<size_t>(index)], static_cast<TRecordField>(f)))
                edits.push_back({index, static_cast<TRecordField>(f), {}});
        summary.Cells += CellCount(edits);
    }
    return summary;
}

bool TUndoHistory::Commit(const TArrayOfBootData& data, std::string name) {
    FlushTouched(data);
    if (m_open.Parts.empty())
        return false;
    while (m_steps.size() > m_current) {
        m_bytes -= m_steps.back().Bytes;
        m_steps.pop_back();
    }
    if (m_saved > m_current)
        m_savedReachable = false;
    m_open.Name = std::move(name);
    m_open.Id = ++m_lastId;
    Recount(m_open);
    m_bytes += m_open.Bytes;
    if (m_recorder)
        m_recorder->StepClosed(m_open.Name);
    m_steps.push_back(std::move(m_open));
    m_open = TStep();
    ++m_current;
    Trim();
    return true;
}

const std::string& TUndoHistory::UndoName() const {
    static const std::string none;
    return CanUndo() ? m_steps[m_current - 1].Name : none;
}

const std::string& TUndoHistory::RedoName() const {
    static const std::string none;
    return CanRedo() ? m_steps[m_current].Name : none;
}

bool TUndoHistory::UndoStepMovedRecords() const {
    if (!CanUndo())
        return false;
    for (const TPart& part : m_steps[m_current - 1].Parts)
        if (part.Kind == TPart::Remove || part.Kind == TPart::Reorder)
            return true;
    return false;
}

bool TUndoHistory::NextStepMovesRecords(bool redo) const {
    if (redo ? !CanRedo() : !CanUndo())
        return false;
    for (const TPart& part : m_steps[redo ? m_current : m_current - 1].Parts)
        if (part.Kind != TPart::Fields)
            return true;
    return false;
}

TUndoResult TUndoHistory::Undo(TArrayOfBootData& data) {
    Commit(data, std::string());
    if (!CanUndo())
        return {};
    TStep& step = m_steps[--m_current];
    TUndoResult result = Apply(step, data, false);
    if (m_recorder)
        m_recorder->StepClosed("undo of " + step.Name);
    return result;
}

TUndoResult TUndoHistory::Redo(TArrayOfBootData& data) {
    Commit(data, std::string());
    if (!CanRedo())
        return {};
    TStep& step = m_steps[m_current++];
    TUndoResult result = Apply(step, data, true);
    if (m_recorder)
        m_recorder->StepClosed(step.Name);
    return result;
}

TUndoResult TUndoHistory::Apply(TStep& step, TArrayOfBootData& data, bool forward) {
    TTouchedRecords touched;
    const size_t count = step.Parts.size();
    for (size_t k = 0; k < count; ++k) {
        TPart& part = step.Parts[forward ? k : count - 1 - k];
        switch (part.Kind) {
        case TPart::Fields:
            for (TFieldEdit& edit : part.Edits) {
                m_changes.Touched(edit.Record);
                SwapField(data[static_cast<size_t>(edit.Record)], edit);
            }
            touched.AddCells(part.Edits);
            if (m_recorder)
                m_recorder->FieldsChanged(data, part.Edits);
            break;
        case TPart::Insert:
        case TPart::Remove:
            if ((part.Kind == TPart::Insert) == forward) {
                PutIn(data, part.Records, part.Positions);
                m_changes.Inserted(part.Positions, false);
                touched.PutIn(part.Positions);
                if (m_recorder)
                    m_recorder->Inserted(data, part.Positions);
            } else {
                TakeOut(data, part.Records, part.Positions);
                m_changes.Removed(part.Positions);
                touched.TakeOut(part.Positions);
                if (m_recorder)
                    m_recorder->Removed(part.Positions);
            }
            break;
        case TPart::Reorder: {
            const std::vector<uint32_t> inverse = Inverse(part.Order);
            m_changes.Reordered(forward ? part.Order : inverse);
            ReorderRecords(data, forward ? part.Order : inverse);
            if (m_recorder)
                m_recorder->Reordered(forward ? part.Order : inverse);
            // Record i moves to where the order names it: inverse when going forward.
            touched.Reorder(forward ? inverse : part.Order);
            break;
        }
        }
    }
    m_bytes -= step.Bytes;
    Recount(step);
    m_bytes += step.Bytes;
    Trim();
    return touched.Result(data.size());
}

void TUndoHistory::Recount(TStep& step) {
    size_t bytes = sizeof(TStep) + HeapBytes(step.Name);
    for (const TPart& part : step.Parts) {
        bytes += sizeof(TPart) + part.Edits.capacity() * sizeof(TFieldEdit) +
                 part.Positions.capacity() * sizeof(int32_t) + part.Order.capacity() * sizeof(uint32_t) +
                 (part.Records.capacity() - part.Records.size()) * sizeof(TBootData);
        for (const TFieldEdit& edit : part.Edits)
            bytes += HeapBytes(edit.Other);
        for (const TBootData& record : part.Records)
            bytes += RecordBytes(record);
    }
    step.Bytes = bytes;
}

void TUndoHistory::DropOldest() {
    // With nothing left to undo the oldest step is the one redo needs next:
    // the farthest redo goes instead.
    if (m_current == 0) {
        m_bytes -= m_steps.back().Bytes;
        m_steps.pop_back();
        if (m_saved > m_steps.size())
            m_savedReachable = false;
        return;
    }
    m_bytes -= m_steps.front().Bytes;
    m_baseId = m_steps.front().Id;
    m_steps.pop_front();
    --m_current;
    if (m_saved == 0)
        m_savedReachable = false;
    else
        --m_saved;
}

void TUndoHistory::Trim() {
    while (m_steps.size() > 1 && (m_steps.size() > m_limits.Steps || m_bytes > m_limits.Bytes))
        DropOldest();
}

void TUndoHistory::MarkSaved() {
    m_saved = m_current;
    m_savedReachable = true;
}

uint64_t TUndoHistory::StateMark() const {
    return m_current == 0 ? m_baseId : m_steps[m_current - 1].Id;
}

void TUndoHistory::MarkSavedAt(uint64_t mark) {
    m_savedReachable = false;
    for (size_t at = 0; at <= m_steps.size(); ++at)
        if ((at == 0 ? m_baseId : m_steps[at - 1].Id) == mark) {
            m_saved = at;
            m_savedReachable = true;
            return;
        }
}

void TUndoHistory::Clear() {
    m_baseId = ++m_lastId;
    m_steps.clear();
    m_current = m_saved = m_bytes = 0;
    m_savedReachable = true;
    m_open = TStep();
    m_touched.clear();
    m_touchedAt.clear();
    m_changes.Reset();
}
