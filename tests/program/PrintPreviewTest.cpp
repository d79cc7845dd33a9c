#include "program/PrintPreview.h"

#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMargin = TPrintPreview::kMargin;

// A landscape page of 1,000 x 700 at 100 % in an 1,032 x 600 viewport:
// fitting the width draws it at 100 %.
TPrintPreview Preview(size_t pages) {
    TPrintPreview view;
    view.SetViewport(1000 + 2 * kMargin, 600);
    view.SetPages(pages, 1000, 700);
    return view;
}

// The pages drawn, by the rule: a page shows when any row of it is in view.
std::vector<size_t> ReferenceVisible(const TPrintPreview& view, int viewHeight) {
    std::vector<size_t> shown;
    for (size_t page = 0; page < view.PageCount(); ++page) {
        const int top = view.PageTop(page);
        if (top < view.ScrollY() + viewHeight && top + view.PageHeight() > view.ScrollY())
            shown.push_back(page);
    }
    return shown;
}

TEST(PrintPreview, VisiblePagesFollowTheRuleOnRandomViews) {
    TRandomRecords random(3217);
    for (int round = 0; round < 2000; ++round) {
        TPrintPreview view;
        const int viewHeight = random.Int(1, 1200);
        view.SetViewport(random.Int(1, 1600), viewHeight);
        view.SetPages(static_cast<size_t>(random.Int(1, 300)), random.Int(50, 1200), random.Int(50, 1200));
        view.SetZoom(random.Int(5, 450) / 100.0);
        view.ScrollTo(0, random.Int(-100, view.ContentHeight() + 100));
        const TPageSpan got = view.VisiblePages();
        std::vector<size_t> listed;
        for (size_t page = got.First; page < got.End; ++page)
            listed.push_back(page);
        ASSERT_EQ(listed, ReferenceVisible(view, viewHeight)) << "round " << round;
    }
}

TEST(PrintPreview, PageKeysStepThroughThePagesAndTheEndStillReachesTheLastPage) {
    TPrintPreview view = Preview(250);
    EXPECT_EQ(view.CurrentPage(), 0u);
    using P = TPrintPreview;
    // Each key and the page it brings to the top.
    const std::pair<void (P::*)(), size_t> keys[] = {{&P::NextPage, 1},   {&P::NextPage, 2},    {&P::PreviousPage, 1},
                                                     {&P::LastPage, 249}, {&P::NextPage, 249},  {&P::PreviousPage, 248},
                                                     {&P::FirstPage, 0},  {&P::PreviousPage, 0}};
    for (const auto& [key, page] : keys) {
        (view.*key)();
        EXPECT_EQ(view.CurrentPage(), page);
        EXPECT_EQ(view.ScrollY(), page == 0 ? 0 : view.PageTop(page) - kMargin) << page;
    }
    view.GoToPage(1000);
    EXPECT_EQ(view.CurrentPage(), 249u);
    // Several pages in view: the last one cannot reach the top, and is current still.
    view.SetZoom(0.25);
    view.PreviousPage();
    view.LastPage();
    EXPECT_EQ(view.CurrentPage(), 249u);
    EXPECT_EQ(view.ScrollY(), view.MaxScrollY());
    EXPECT_LT(view.ScrollY(), view.PageTop(249) - kMargin);
}

TEST(PrintPreview, ScrollingMakesThePageThatFillsMostOfTheViewCurrent) {
    TPrintPreview view = Preview(10);
    const int stride = view.PageHeight() + TPrintPreview::kGap;
    view.ScrollTo(0, 3 * stride + 200); // 516 rows of page 3 show, 68 of page 4
    EXPECT_EQ(view.CurrentPage(), 3u);
    view.ScrollTo(0, 3 * stride + 500); // page 3: 216, page 4: 368
    EXPECT_EQ(view.CurrentPage(), 4u);
    view.ScrollTo(0, 1 << 30);
    EXPECT_EQ(view.ScrollY(), view.MaxScrollY());
    EXPECT_EQ(view.CurrentPage(), 9u);
}

TEST(PrintPreview, FittingFollowsTheViewportAndAFixedZoomDoesNot) {
    TPrintPreview view = Preview(3);
    EXPECT_EQ(view.ZoomMode(), TPreviewZoom::FitWidth);
    EXPECT_EQ(view.PageWidth(), 1000);
    EXPECT_EQ(view.PageLeft(), kMargin);
    view.SetViewport(500 + 2 * kMargin, 600);
    EXPECT_EQ(view.PageWidth(), 500);
    view.FitPage();
    EXPECT_EQ(view.PageWidth(), 500); // the width is the narrower fit
    view.SetViewport(2000, 600);
    EXPECT_EQ(view.PageHeight(), 600 - 2 * kMargin);
    view.SetZoom(1);
    view.SetViewport(2000, 600);
    EXPECT_EQ(view.ZoomPercent(), 100);
    EXPECT_EQ(view.PageLeft(), 500); // centred
    view.SetViewport(300, 600);
    EXPECT_EQ(view.MaxScrollX(), 1000 + 2 * kMargin - 300);
}

TEST(PrintPreview, ZoomStepsAlongTheScaleWithinItsLimitsAndKeepsTheCurrentPage) {
    TPrintPreview view = Preview(40);
    view.GoToPage(20);
    view.ZoomIn();
    EXPECT_EQ(view.ZoomPercent(), 125);
    EXPECT_EQ(view.CurrentPage(), 20u);
    EXPECT_EQ(view.ScrollY(), view.PageTop(20) - kMargin * 125 / 100);
    view.ZoomOut();
    view.ZoomOut();
    EXPECT_EQ(view.ZoomPercent(), 75);
    EXPECT_EQ(view.ZoomMode(), TPreviewZoom::Fixed);
    const TPageSpan shown = view.VisiblePages();
    EXPECT_TRUE(shown.First <= 20 && 20 < shown.End);
    for (int i = 0; i < 20; ++i)
        view.ZoomOut();
    EXPECT_EQ(view.ZoomPercent(), 10);
    for (int i = 0; i < 20; ++i)
        view.ZoomIn();
    EXPECT_EQ(view.ZoomPercent(), 400);
    view.SetPages(0, 0, 0); // an empty document still has its one page
    EXPECT_EQ(view.PageCount(), 1u);
    EXPECT_EQ(view.CurrentPage(), 0u);
}

} // namespace
