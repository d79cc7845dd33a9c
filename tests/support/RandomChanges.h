#pragma once

#include "core/ListSort.h"
#include "core/Project.h"
#include "support/Records.h"

#include <string>
#include <vector>

inline std::vector<TBootData> Snapshot(const TProject& list) {
    return {list.Data.begin(), list.Data.end()};
}

inline bool SameRecords(const TProject& list, const std::vector<TBootData>& snapshot) {
    if (list.Data.size() != snapshot.size())
        return false;
    for (size_t i = 0; i < snapshot.size(); ++i)
        if (!SameStoredFields(list.Data[i], snapshot[i]))
            return false;
    return true;
}

// Random changes of every kind through the history, each one committed as
// a step; the test knows what the list should be after each.
class TChanger {
public:
    explicit TChanger(uint32_t seed) : R(seed) {}

    void RandomList(TProject& list, int most) {
        list.Data.clear();
        const int n = R.Int(0, most);
        for (int i = 0; i < n; ++i)
            list.Data.push_back(R.Record());
    }

    int32_t AnyRecord(const TProject& list) { return R.Int(0, static_cast<int32_t>(list.Data.size()) - 1); }

    void EditFields(TProject& list) {
        if (list.Data.empty())
            return;
        const int edits = R.Int(1, 4);
        for (int k = 0; k < edits; ++k) {
            const int32_t i = AnyRecord(list);
            list.UndoSteps.Touch(list.Data, i);
            TBootData& record = list.Data[static_cast<size_t>(i)];
            switch (R.Int(0, 5)) {
            case 0:
                record.Band = R.Text(30);
                break;
            case 1:
                record.Source = R.Int(-3, 9);
                break;
            case 2:
                record.Covers = {R.Text(20), R.Text(3)};
                break;
            case 3:
                record.Info = R.Text(200);
                break;
            case 4:
                record.Comment = record.Comment; // touched, not changed
                break;
            default:
                record.Media = R.Int(0, 16);
                record.Date = R.Text(10);
                break;
            }
        }
    }

    void Append(TProject& list) {
        const int n = R.Int(1, 3);
        for (int k = 0; k < n; ++k)
            list.UndoSteps.Append(list.Data, R.Record());
    }

    void Remove(TProject& list) {
        std::vector<int32_t> doomed;
        for (int32_t i = 0; i < static_cast<int32_t>(list.Data.size()); ++i)
            if (R.Int(0, 3) == 0)
                doomed.push_back(i);
        list.UndoSteps.Remove(list.Data, doomed);
    }

    // One step of any kind, or of several kinds at once (a paste that adds
    // rows, a delete after an edit).
    std::string Change(TProject& list) {
        switch (R.Int(0, 6)) {
        case 0:
            EditFields(list);
            return "edit";
        case 1:
            Append(list);
            return "add";
        case 2:
            Remove(list);
            return "delete";
        case 3:
            list.UndoSteps.Reorder(list.Data, SortOrder(list.Data, R.Int(1, 14), R.Int(0, 1) == 1));
            return "sort";
        case 4:
            Append(list);
            EditFields(list);
            return "paste";
        case 5:
            EditFields(list);
            Remove(list);
            EditFields(list);
            return "mixed";
        default:
            Remove(list);
            Append(list);
            return "replace";
        }
    }

    TRandomRecords R;
};
