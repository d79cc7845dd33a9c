#include "program/PrintLayout.h"

#include "support/Records.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// The page rule written out: lines go on a page while they fit; a heading
// that would stand last, or whose row does not fit after it, starts the next
// page; a line that fits on no page stands alone.
std::vector<size_t> ReferencePages(const std::vector<TPrintLine>& body, const TPrintMetrics& m) {
    std::vector<size_t> starts{0};
    int used = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        const int own = body[i].Heading ? m.HeadingHeight : m.RowHeight;
        const bool headsARow = body[i].Heading && i + 1 < body.size();
        const int withNext = headsARow ? own + (body[i + 1].Heading ? m.HeadingHeight : m.RowHeight) : own;
        if (used != 0 && used + withNext > m.BodyHeight) {
            starts.push_back(i);
            used = 0;
        }
        used += own;
    }
    return starts;
}

TEST(PrintLayout, PagesFollowTheRuleOnRandomBodies) {
    TRandomRecords random(4411);
    for (int round = 0; round < 500; ++round) {
        TPrintPlan plan;
        // As a plan is made: every heading heads a row.
        for (int n = random.Int(0, 80); n > 0; --n) {
            if (random.Int(0, 4) == 0)
                plan.Body.push_back({true, 0});
            plan.Body.push_back({false, 0});
        }
        const TPrintMetrics metrics{random.Int(0, 60), random.Int(1, 9), random.Int(1, 15)};
        PaginatePrint(plan, metrics);
        ASSERT_EQ(plan.PageStarts, ReferencePages(plan.Body, metrics)) << "round " << round;
        for (size_t page = 0; page < plan.PageCount(); ++page) {
            ASSERT_LT(plan.PageStarts[page], std::max<size_t>(plan.PageEnd(page), 1)) << "no empty page";
            if (plan.PageEnd(page) > plan.PageStarts[page] + 1) {
                EXPECT_FALSE(plan.Body[plan.PageEnd(page) - 1].Heading) << "a heading goes over with its row";
            }
        }
    }
}

TEST(PrintLayout, RowsOfTheViewGetTheSectionHeadingsOfTheExport) {
    TArrayOfBootData data(3);
    data[0].Band = "Yes";
    data[0].Date = "1974.12.01";
    data[1].Band = "Can";
    data[2].Band = "Yes";
    data[2].Date = "1974.12.02";
    const std::vector<int32_t> view = {2, 1, 0};
    std::vector<TBand> bands(1);
    bands[0].Name = "Yes";
    bands[0].Tours.push_back({"Relayer", "1974", "1975", 0, false, {}});
    const TStrings2 names;
    const TPrintPlan plan = PlanPrint({data, view, bands, names}, {true, true});
    EXPECT_EQ(plan.Headings, (std::vector<std::string>{"Yes - Relayer", "Can", "Yes - Relayer"}));
    ASSERT_EQ(plan.Body.size(), 6u);
    EXPECT_EQ(plan.Body[3].Heading, false);
    EXPECT_EQ(plan.Body[3].Index, 1) << "rows count in the view";
    EXPECT_EQ(plan.Lines.size(), 13u);
    EXPECT_EQ(PrintCaption(plan.Lines[5]), "Boootleg name");
    EXPECT_TRUE(PlanPrint({data, view, bands, names}, {false, true}).Headings.empty());
}

TEST(PrintLayout, ColumnsFitThePageAndNarrowOnesKeepTheirWidths) {
    EXPECT_EQ(FitColumnWidths({10, 20, 30}, 100), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(FitColumnWidths({10, 200, 300}, 100), (std::vector<int>{10, 45, 45}));
    EXPECT_EQ(FitColumnWidths({40, 40, 90}, 100), (std::vector<int>{33, 33, 33}));
    EXPECT_EQ(FitColumnWidths({5, 500}, 0), (std::vector<int>{1, 1}));
    EXPECT_TRUE(FitColumnWidths({}, 100).empty());
    const std::vector<int> wide = FitColumnWidths({900, 10, 700, 5, 300, 20}, 1000);
    EXPECT_LE(std::accumulate(wide.begin(), wide.end(), 0), 1000);
    EXPECT_EQ(wide[1], 10);
    EXPECT_EQ(PrintPageNumber(3, 12), "Page 3 of 12");
}

} // namespace
