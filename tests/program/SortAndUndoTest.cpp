#include "program/SortAndUndo.h"

#include "core/ListView.h"
#include "core/Project.h"
#include "program/ListNames.h"
#include "support/FakeProgramHost.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The view left behind must be the one a fresh build gives, rows and
// ViewIndex alike, since the window no longer builds it after these commands.
void ExpectViewAsBuilt(const TProject& list, const TFilterState& filter, const std::string& when) {
    TArrayOfBootData copy = list.Data;
    EXPECT_EQ(list.View, BuildListView(copy, filter)) << when;
    for (size_t i = 0; i < copy.size(); ++i)
        ASSERT_EQ(list.Data[i].ViewIndex, copy[i].ViewIndex) << when << ", record " << i;
}

TEST(SortAndUndo, SortUndoAndRedoLeaveTheViewTheFilterBuildsOnRandomLists) {
    std::mt19937 random(36);
    for (int round = 0; round < 40; ++round) {
        TProject list;
        for (size_t i = random() % 60; i > 0; --i)
            list.Data.push_back(MatchRecord(std::string(1, char('A' + random() % 4)), std::to_string(random() % 9),
                                            static_cast<int32_t>(random() % 6)));
        TFilterState filter;
        filter.SourceSelAll = random() % 2 == 0;
        for (bool& selected : filter.SourceSel)
            selected = random() % 2 == 0;
        list.BuildView(filter);
        const std::string context = "round " + std::to_string(round);
        TFakeProgramHost host;
        SortList(host, list, 1 + static_cast<int>(random() % 3), random() % 2 == 0, filter);
        ExpectViewAsBuilt(list, filter, context + ", sorted");
        const bool moved = list.UndoSteps.CanUndo();
        EXPECT_EQ(UndoOrRedoList(host, list, filter, false).Done, moved);
        ExpectViewAsBuilt(list, filter, context + ", undone");
        EXPECT_EQ(UndoOrRedoList(host, list, filter, true).Done, moved);
        ExpectViewAsBuilt(list, filter, context + ", redone");
        EXPECT_EQ(host.WaitedFor.size(), moved ? 6u : 2u) << context;
    }
}

TEST(SortAndUndo, OnlyStepsThatMoveRecordsWaitAwayFromTheWindow) {
    TProject list;
    list.Data = {MatchRecord("B", "1"), MatchRecord("A", "2")};
    TFilterState filter;
    TFakeProgramHost host;
    SortList(host, list, 1, true, filter);
    EXPECT_EQ(host.WaitedFor, (std::vector<std::string>{"Sorting " + ListName(list), "Sorting " + ListName(list)}));
    list.UndoSteps.Touch(list.Data, 0);
    list.Data[0].Comment = "typed";
    list.CommitChange("edit");
    host.WaitedFor.clear();
    UndoOrRedoList(host, list, filter, false);
    EXPECT_TRUE(host.WaitedFor.empty());
    UndoOrRedoList(host, list, filter, false);
    EXPECT_EQ(host.WaitedFor, (std::vector<std::string>{"Undoing sort A-Z", "Undoing sort A-Z"}));
    EXPECT_EQ(list.Data[0].Band, "B");
}

} // namespace
