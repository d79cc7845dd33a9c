#include "core/UndoHistory.h"
#include "core/ListSort.h"
#include "core/Project.h"

#include "support/RandomChanges.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace {

// Each state of the list gets a number; the reference keeps the states the
// history can still reach (dropping the oldest steps shifts the saved point
// with them), and the list is saved exactly when undo and redo stand on the
// number a save wrote. A save may end steps after it took the list: its
// state is the saved point then if the history can still reach it.
TEST(UndoHistory, RandomChangesUndoRedoAndSavesMatchTheReachableStates) {
    struct TState {
        int Number;
        std::vector<TBootData> Records;
    };
    for (uint32_t seed = 1; seed <= 80; ++seed) {
        const size_t limit = seed % 6 == 0 ? 1000 : 1 + seed % 5;
        TChanger changer(seed);
        TProject list;
        list.UndoSteps = TUndoHistory({limit, size_t(1) << 30});
        changer.RandomList(list, 30);
        std::deque<TState> reachable{{0, Snapshot(list)}};
        size_t at = 0;
        int next = 1, saved = 0, markedState = 0;
        uint64_t mark = 0;
        bool marked = false;
        for (int move = 0; move < 150; ++move) {
            const int kind = changer.R.Int(0, 9);
            if (kind <= 3) {
                if (list.CommitChange(changer.Change(list))) {
                    reachable.resize(at + 1);
                    reachable.push_back({next++, Snapshot(list)});
                    ++at;
                    while (reachable.size() > limit + 1) {
                        reachable.pop_front();
                        --at;
                    }
                }
            } else if (kind <= 5) {
                if (list.UndoChange().Done)
                    --at;
            } else if (kind <= 7) {
                if (list.RedoChange().Done)
                    ++at;
            } else if (kind == 8) {
                list.UndoSteps.MarkSaved();
                list.Saved = true;
                saved = reachable[at].Number;
            } else if (!marked) {
                mark = list.UndoSteps.StateMark();
                markedState = reachable[at].Number;
                marked = true;
            } else {
                list.SavedAt(mark);
                marked = false;
                const bool kept = std::any_of(reachable.begin(), reachable.end(),
                                              [&](const TState& state) { return state.Number == markedState; });
                saved = kept ? markedState : -1;
            }
            ASSERT_TRUE(SameRecords(list, reachable[at].Records)) << "seed " << seed << ", move " << move;
            ASSERT_EQ(list.UndoSteps.CanUndo(), at > 0) << "seed " << seed << ", move " << move;
            ASSERT_EQ(list.UndoSteps.CanRedo(), at + 1 < reachable.size()) << "seed " << seed << ", move " << move;
            ASSERT_EQ(list.Saved, reachable[at].Number == saved) << "seed " << seed << ", move " << move;
        }
    }
}

TEST(UndoHistory, AStepKeepsOnlyWhatChanged) {
    TProject list;
    TRandomRecords r(7);
    for (int i = 0; i < 1000; ++i)
        list.Data.push_back(r.Record());
    list.UndoSteps.Touch(list.Data, 10);
    list.UndoSteps.Touch(list.Data, 11); // touched, never changed
    list.Data[10].Comment = "a comment long enough to leave the string's own buffer";
    list.UndoSteps.Touch(list.Data, 10); // the first touch holds the old value
    list.Data[10].Comment = "x";
    ASSERT_TRUE(list.CommitChange("edit"));
    const TStepSummary none = list.UndoSteps.OpenSummary(list.Data);
    EXPECT_TRUE(none.Empty());
    EXPECT_LT(list.UndoSteps.Bytes(), 400u); // one field, not a copy of the record or the list
    EXPECT_FALSE(list.CommitChange("nothing"));
    EXPECT_EQ(list.UndoSteps.StepCount(), 1u);

    // The two cover names of a record are one cell.
    list.UndoSteps.Touch(list.Data, 3);
    list.Data[3].Covers = {"f", "b"};
    list.UndoSteps.Touch(list.Data, 4);
    list.Data[4].Source += 1;
    list.Data[4].Band += "x";
    list.UndoSteps.Touch(list.Data, 5);
    list.Data[5].Covers[1] = "b"; // a back cover alone is a cell too
    EXPECT_EQ(list.UndoSteps.OpenSummary(list.Data).Cells, 4u);
}

TEST(UndoHistory, TheOldestStepsGoBeyondTheLimitsButTheNewestStays) {
    // A byte limit smaller than one step keeps that step alone.
    TProject big;
    big.UndoSteps = TUndoHistory({200, 1000});
    TRandomRecords r(3);
    for (int i = 0; i < 100; ++i)
        big.Data.push_back(r.Record());
    big.UndoSteps.Remove(big.Data, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    big.CommitChange("delete");
    big.UndoSteps.Remove(big.Data, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    big.CommitChange("delete");
    EXPECT_EQ(big.UndoSteps.StepCount(), 1u);
    EXPECT_GT(big.UndoSteps.Bytes(), 1000u);
    EXPECT_TRUE(big.UndoChange().Done);
    EXPECT_EQ(big.Data.size(), 90u);

    // Undoing an add takes the record into the step: if that passes the
    // limit, the farthest redo goes, never the one redo needs next.
    TProject adds;
    adds.UndoSteps = TUndoHistory({200, 1600});
    for (int i = 0; i < 3; ++i) {
        adds.UndoSteps.Append(adds.Data, r.Record());
        adds.CommitChange("add " + std::to_string(i));
    }
    while (adds.UndoChange().Done) {
    }
    ASSERT_EQ(adds.UndoSteps.StepCount(), 2u);
    EXPECT_EQ(adds.UndoSteps.RedoName(), "add 0");
    EXPECT_TRUE(adds.RedoChange().Done);
    EXPECT_EQ(adds.Data.size(), 1u);
}

TEST(UndoHistory, AListMadeUnsavedOutsideTheHistoryNeverLooksSavedAgain) {
    TProject joined; // as a join makes it: records of other lists, never saved
    joined.Data.resize(2);
    joined.Saved = false;
    joined.UndoSteps.Touch(joined.Data, 0);
    joined.Data[0].Band = "x";
    joined.CommitChange("edit");
    joined.UndoChange();
    EXPECT_FALSE(joined.Saved);
}

TEST(UndoHistory, ResultsNameTheRecordsAndTheFieldToShow) {
    TProject list;
    list.Data.resize(6);
    for (int i = 0; i < 6; ++i)
        list.Data[i].Band = std::string(1, char('a' + i));
    // An edit: the edited record and its field.
    list.UndoSteps.Touch(list.Data, 4);
    list.Data[4].City = "Oslo";
    list.CommitChange("edit");
    TUndoResult undo = list.UndoChange();
    EXPECT_EQ(undo.Records, (std::vector<int32_t>{4}));
    EXPECT_EQ(undo.Field, static_cast<int>(TRecordField::City));
    list.RedoChange();

    // A delete: undo names the records back in; redo where they were.
    list.UndoSteps.Remove(list.Data, {1, 3});
    list.CommitChange("delete");
    undo = list.UndoChange();
    EXPECT_EQ(undo.Records, (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(undo.Field, -1);
    EXPECT_EQ(list.RedoChange().Records, (std::vector<int32_t>{1}));

    // A paste that edits a record, then adds two: all three, where they are now.
    list.UndoSteps.Touch(list.Data, 0);
    list.Data[0].Name = "pasted";
    list.UndoSteps.Append(list.Data, TBootData());
    list.UndoSteps.Append(list.Data, TBootData());
    list.CommitChange("paste");
    list.UndoChange();
    EXPECT_EQ(list.RedoChange().Records, (std::vector<int32_t>{0, 4, 5}));

    // An edit followed through a sort that moves the record.
    list.UndoSteps.Touch(list.Data, 0);
    list.Data[0].Band = "z";
    list.UndoSteps.Reorder(list.Data, {1, 2, 3, 4, 5, 0});
    list.CommitChange("edit and sort");
    list.UndoChange();
    EXPECT_EQ(list.RedoChange().Records, (std::vector<int32_t>{5}));
    EXPECT_EQ(list.Data[5].Band, "z");
}

} // namespace
