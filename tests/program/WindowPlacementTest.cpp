#include "program/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

auto Rect(const TWindowPlacement& p) {
    return std::make_tuple(p.Left, p.Top, p.Right, p.Bottom);
}

struct TPlacementCase {
    const char* What;
    TWindowPlacement Stored;
    std::tuple<int32_t, int32_t, int32_t, int32_t> Fitted;
    TScreenSize Minimum = {};
};

class FitPlacementTest : public testing::TestWithParam<TPlacementCase> {};

TEST_P(FitPlacementTest, OnA1280By1024Screen) {
    const TPlacementCase& c = GetParam();
    const TWindowPlacement fitted = FitPlacementOnScreen(c.Stored, {1280, 1024}, c.Minimum);
    EXPECT_EQ(Rect(fitted), c.Fitted) << c.What;
    EXPECT_EQ(fitted.ShowState, c.Stored.ShowState) << c.What;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Placements, FitPlacementTest, testing::Values(
    TPlacementCase{"on the screen: kept",            {1, 100, 50, 880, 630},                   {100, 50, 880, 630}},
    TPlacementCase{"partly off but usable: kept",    {3, 1100, 900, 1880, 1480},               {1100, 900, 1880, 1480}},
    TPlacementCase{"left of the screen, 150 shown",  {1, -630, 10, 150, 590},                  {-630, 10, 150, 590}},
    TPlacementCase{"far off: moved onto it",         {1, 5000, 5000, 5780, 5580},              {500, 444, 1280, 1024}},
    TPlacementCase{"only 50 shown: moved",           {1, 1230, 10, 2010, 590},                 {500, 10, 1280, 590}},
    TPlacementCase{"top above the screen: moved",    {1, 10, -5, 790, 575},                    {10, 0, 790, 580}},
    TPlacementCase{"whole range: shrunk and moved",  {1, INT_MIN, INT_MIN, INT_MAX, INT_MAX},  {0, 0, 1280, 1024}},
    TPlacementCase{"largest size: shrunk",           {1, 0, 0, INT_MAX, INT_MAX},              {0, 0, 1280, 1024}},
    TPlacementCase{"right edge beyond the range",    {2, INT_MAX - 10, 0, INT_MAX, 580},       {1270, 0, 1280, 580}},
    TPlacementCase{"no width: one pixel",            {1, 50, 50, 50, 50},                      {50, 50, 51, 51}},
    TPlacementCase{"narrower than the window can be: grown, moved on",
                                                     {1, 1226, 10, 1280, 590},                 {720, 10, 1280, 590}, {560, 520}}));
// clang-format on

TEST(FitPlacement, AScreenOfUnknownSizeChangesNothing) {
    const TWindowPlacement stored{1, 5000, 5000, 5780, 5580};
    EXPECT_EQ(Rect(FitPlacementOnScreen(stored, {0, 0})), Rect(stored));
}

} // namespace
