#include "core/RecordChanges.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordChanges, TooMuchUntakenBecomesOneResetUntilTaken) {
    TRecordChanges changes;
    // A touch costs its position and a share of its change: 2^19 of them fill what is kept.
    for (int32_t i = 0; i < (1 << 19); ++i)
        changes.Touched(i);
    EXPECT_EQ(changes.Take().at(0).Positions.size(), size_t(1) << 19);
    for (int32_t i = 0; i <= (1 << 19); ++i)
        changes.Touched(i);
    changes.Removed({3});
    const std::vector<TRecordChange> taken = changes.Take();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].Kind, TRecordChange::Reset);
    changes.Removed({3});
    EXPECT_EQ(changes.Take().at(0).Kind, TRecordChange::Removed);
}

} // namespace
