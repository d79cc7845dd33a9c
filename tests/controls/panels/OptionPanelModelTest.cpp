#include "controls/panels/OptionPanelModel.h"

#include "controls/markup/MarkupSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TOptionPanelModel Panel(int32_t count, int32_t columns, int32_t itemHeight, int32_t border, int32_t orientation,
                        bool radio = false) {
    TOptionPanelModel panel;
    panel.SetCount(count);
    panel.SetLineCount(count);
    panel.SetColumns(columns);
    panel.SetItemHeight(itemHeight);
    panel.SetBorderSize(border);
    panel.SetOrientation(orientation);
    panel.SetRadio(radio);
    return panel;
}

TEST(OptionPanelModel, HeightFollowsTheRowsOfItems) {
    EXPECT_EQ(Panel(2, 1, 24, 0, 0).WantedHeight(), 48);
    EXPECT_EQ(Panel(0, 1, 24, 0, 0).WantedHeight(), 10);
    EXPECT_EQ(Panel(5, 2, 30, 4, 1).WantedHeight(), 3 * 30 + 8);
    EXPECT_EQ(Panel(2, 1, 35, 0, 0).WantedHeight(), 70);
}

TEST(OptionPanelModel, ItemsRunDownTheColumnsOrAcrossTheRows) {
    // Seven items in three columns, 100 + 2 x 5 pixels wide: item width 33.
    const TOptionPanelModel down = Panel(7, 3, 20, 5, 0);
    EXPECT_EQ(down.ItemRect(1, 110), (TRect{6, 6, 37, 24}));
    EXPECT_EQ(down.ItemRect(4, 110), (TRect{39, 6, 70, 24}));  // the second column starts with item 4
    EXPECT_EQ(down.ItemRect(7, 110), (TRect{72, 6, 103, 24})); // the third with item 7
    const TOptionPanelModel across = Panel(7, 3, 20, 5, 1);
    EXPECT_EQ(across.ItemRect(2, 110), (TRect{39, 6, 70, 24}));
    EXPECT_EQ(across.ItemRect(4, 110), (TRect{6, 26, 37, 44}));
    EXPECT_EQ(across.ItemRect(0, 110), (TRect{}));
    EXPECT_EQ(across.ItemRect(8, 110), (TRect{}));
}

TEST(OptionPanelModel, EveryItemIsHitInsideItsCellAndNothingOutsideTheGrid) {
    for (int orientation : {0, 1}) {
        for (int border : {0, 3}) {
            const TOptionPanelModel panel = Panel(7, 3, 20, border, orientation);
            const int32_t width = 101 + 2 * border; // one pixel left over right of the columns
            for (int32_t i = 1; i <= 7; ++i) {
                const TRect r = panel.ItemRect(i, width);
                // The one-pixel gap around the frame still belongs to the item.
                for (auto [x, y] : {std::pair{r.Left - 1, r.Top - 1}, std::pair{r.Right, r.Bottom},
                                    std::pair{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}})
                    EXPECT_EQ(panel.HitTest(x, y, width), i) << orientation << " " << border << " " << x << "," << y;
            }
            // The cell of the missing ninth item, the border, the pixel right of the columns.
            EXPECT_EQ(panel.HitTest(border + 2 * 33 + 5, border + 2 * 20 + 5, width), 0);
            EXPECT_EQ(panel.HitTest(width - 1, border + 5, width), 0);
            EXPECT_EQ(panel.HitTest(border + 5, border + 3 * 20, width), 0);
            if (border > 0) {
                EXPECT_EQ(panel.HitTest(border - 1, border + 5, width), 0);
                EXPECT_EQ(panel.HitTest(border + 5, border - 1, width), 0);
            }
        }
    }
    // Narrower than its columns: no item is wide enough to be hit.
    EXPECT_EQ(Panel(3, 3, 20, 0, 1).HitTest(0, 0, 2), 0);
}

TEST(OptionPanelModel, CheckedIsFalseOutsideTheItemsAndGrowsWithTheCount) {
    TOptionPanelModel panel = Panel(2, 1, 24, 0, 0);
    for (int32_t outside : {0, 3})
        EXPECT_FALSE(panel.SetChecked(outside, true) || panel.Checked(outside)) << outside;
    EXPECT_TRUE(panel.SetChecked(2, true));
    EXPECT_TRUE(panel.Checked(2));
    panel.SetCount(40);
    EXPECT_TRUE(panel.SetChecked(40, true));
    EXPECT_TRUE(panel.Checked(40));
    EXPECT_TRUE(panel.Checked(2));
    EXPECT_FALSE(panel.Checked(41));
}

TEST(OptionPanelModel, SettersRefuseEqualAndOutOfBoundsValues) {
    TOptionPanelModel panel;
    EXPECT_FALSE(panel.SetColumns(0));
    EXPECT_FALSE(panel.SetItemHeight(0));
    EXPECT_FALSE(panel.SetBorderSize(-1));
    EXPECT_FALSE(panel.SetOrientation(2));
    EXPECT_FALSE(panel.SetOrientation(-1));
    EXPECT_FALSE(panel.SetColumns(1));
    EXPECT_TRUE(panel.SetColumns(2));
    EXPECT_EQ(panel.Columns(), 2);
    EXPECT_EQ(panel.ItemHeight(), 30);
    EXPECT_TRUE(panel.SetItemHeight(24));
    EXPECT_EQ(panel.ItemHeight(), 24);
    panel.SetCount(3);
    EXPECT_TRUE(panel.SetItemIndex(3));
    EXPECT_FALSE(panel.SetItemIndex(4));
    EXPECT_TRUE(panel.SetRadio(true));
    EXPECT_EQ(panel.ItemIndex(), 1);
    panel.SetItemIndex(2);
    EXPECT_TRUE(panel.SetRadio(false));
    EXPECT_EQ(panel.ItemIndex(), 1);
}

TEST(OptionPanelModel, PressesToggleInCheckModeAndFireAlways) {
    TOptionPanelModel panel = Panel(2, 1, 24, 0, 0);
    EXPECT_TRUE(panel.Press(TPanelButton::Left, 10, 30, 100));
    EXPECT_TRUE(panel.Checked(2));
    EXPECT_EQ(panel.ItemIndex(), 2);
    EXPECT_TRUE(panel.Press(TPanelButton::Right, 10, 30, 100));
    EXPECT_FALSE(panel.Checked(2));
    EXPECT_TRUE(panel.Press(TPanelButton::Middle, 10, 5, 100));
    EXPECT_FALSE(panel.Checked(1));
    EXPECT_EQ(panel.ItemIndex(), 2);
    // Below every item: nothing changes, OnChange still fires.
    EXPECT_TRUE(panel.Press(TPanelButton::Left, 10, 60, 100));
    EXPECT_FALSE(panel.Checked(1) || panel.Checked(2));
}

TEST(OptionPanelModel, PressesInRadioModeFireOnlyWhenTheSelectionMoves) {
    TOptionPanelModel panel = Panel(2, 1, 24, 0, 0, true);
    EXPECT_FALSE(panel.Press(TPanelButton::Left, 10, 5, 100));
    EXPECT_FALSE(panel.Press(TPanelButton::Left, 10, 60, 100));
    EXPECT_TRUE(panel.Press(TPanelButton::Right, 10, 30, 100));
    EXPECT_EQ(panel.ItemIndex(), 2);
    EXPECT_FALSE(panel.Press(TPanelButton::Middle, 10, 5, 100));
    EXPECT_EQ(panel.ItemIndex(), 2);
    EXPECT_FALSE(panel.Checked(1) || panel.Checked(2));
}

// Seven items in three columns: down the columns 1 2 3 | 4 5 6 | 7, across
// the rows 1 2 3 / 4 5 6 / 7.
using KeyCase = std::tuple<int /*orientation*/, int /*from*/, TPanelKey, int /*to*/>;
class OptionPanelModelKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(OptionPanelModelKeys, MovesAsTheKeyTableSays) {
    const auto [orientation, from, key, to] = GetParam();
    TOptionPanelModel panel = Panel(7, 3, 20, 0, orientation, true);
    panel.SetItemIndex(from);
    bool handled = false;
    EXPECT_EQ(panel.Key(key, handled), from != to);
    EXPECT_TRUE(handled);
    EXPECT_EQ(panel.ItemIndex(), to) << "orientation " << orientation << " from " << from << " key "
                                     << static_cast<int>(key);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DownTheColumns, OptionPanelModelKeys, testing::Values(
    KeyCase{0, 5, TPanelKey::Up, 4},       KeyCase{0, 4, TPanelKey::Up, 4},
    KeyCase{0, 5, TPanelKey::Down, 6},     KeyCase{0, 6, TPanelKey::Down, 6},     KeyCase{0, 7, TPanelKey::Down, 7},
    KeyCase{0, 2, TPanelKey::Right, 5},    KeyCase{0, 5, TPanelKey::Right, 5},
    KeyCase{0, 5, TPanelKey::Left, 2},     KeyCase{0, 2, TPanelKey::Left, 2},
    KeyCase{0, 5, TPanelKey::PageUp, 4},   KeyCase{0, 5, TPanelKey::PageDown, 6}, KeyCase{0, 7, TPanelKey::PageDown, 7},
    KeyCase{0, 3, TPanelKey::End, 7},      KeyCase{0, 6, TPanelKey::Home, 1}));
INSTANTIATE_TEST_SUITE_P(AcrossTheRows, OptionPanelModelKeys, testing::Values(
    KeyCase{1, 5, TPanelKey::Left, 4},     KeyCase{1, 4, TPanelKey::Left, 4},
    KeyCase{1, 5, TPanelKey::Right, 6},    KeyCase{1, 6, TPanelKey::Right, 6},    KeyCase{1, 7, TPanelKey::Right, 7},
    KeyCase{1, 5, TPanelKey::Up, 2},       KeyCase{1, 2, TPanelKey::Up, 2},
    KeyCase{1, 4, TPanelKey::Down, 7},     KeyCase{1, 5, TPanelKey::Down, 5},
    KeyCase{1, 7, TPanelKey::PageUp, 1},   KeyCase{1, 2, TPanelKey::PageDown, 5}, KeyCase{1, 1, TPanelKey::PageDown, 7},
    KeyCase{1, 3, TPanelKey::End, 7},      KeyCase{1, 6, TPanelKey::Home, 1}));
// clang-format on

TEST(OptionPanelModel, KeysStopAtTheLastCaptionAndSpaceTogglesOnlyInCheckMode) {
    TOptionPanelModel panel = Panel(5, 1, 20, 0, 0);
    panel.SetLineCount(3);
    bool handled = false;
    EXPECT_TRUE(panel.Key(TPanelKey::End, handled));
    EXPECT_EQ(panel.ItemIndex(), 3);
    EXPECT_TRUE(panel.Key(TPanelKey::Down, handled)); // check mode fires even without a move
    EXPECT_EQ(panel.ItemIndex(), 3);
    EXPECT_TRUE(panel.Key(TPanelKey::Space, handled));
    EXPECT_TRUE(panel.Checked(3));
    EXPECT_FALSE(panel.Key(TPanelKey::Other, handled));
    EXPECT_FALSE(handled);

    panel.SetRadio(true);
    EXPECT_FALSE(panel.Key(TPanelKey::Space, handled));
    EXPECT_TRUE(handled);
    EXPECT_FALSE(panel.Checked(1));
    // Without captions there is nowhere to go.
    panel.SetLineCount(0);
    EXPECT_FALSE(panel.Key(TPanelKey::End, handled));
    EXPECT_EQ(panel.ItemIndex(), 1);
}

TEST(OptionPanelModel, TheWheelMovesOneItemANotchWithinTheCaptionsAndNeverToggles) {
    TOptionPanelModel panel = Panel(4, 1, 20, 0, 0);
    EXPECT_TRUE(panel.Wheel(-120));
    EXPECT_EQ(panel.ItemIndex(), 2);
    EXPECT_TRUE(panel.Wheel(-360));
    EXPECT_EQ(panel.ItemIndex(), 4);
    EXPECT_FALSE(panel.Wheel(-120));
    EXPECT_TRUE(panel.Wheel(1200));
    EXPECT_EQ(panel.ItemIndex(), 1);
    EXPECT_FALSE(panel.Wheel(60));
    for (int32_t i = 1; i <= 4; ++i)
        EXPECT_FALSE(panel.Checked(i));
}

TEST(OptionPanelModel, PicturesAndCaptionsKeepApart) {
    const TRect item{10, 20, 110, 50};
    TPanelItemParts left = PanelItemParts(item, taLeftJustify, 0, 0, 0);
    EXPECT_EQ(left.Caption, (TRect{20, 22, 110, 50}));
    left = PanelItemParts(item, taLeftJustify, 16, 0, 3);
    EXPECT_EQ(left.PictureLeft, 20);
    EXPECT_EQ(left.Caption, (TRect{46, 19, 110, 50}));
    const TPanelItemParts right = PanelItemParts(item, taRightJustify, 16, 0, 0);
    EXPECT_EQ(right.PictureLeft, 110 - 16 - 10);
    EXPECT_EQ(right.Caption, (TRect{10, 22, 74, 50}));
    EXPECT_EQ(PanelItemParts(item, taCenter, 0, 40, 0).Caption, (TRect{10, 22, 110, 50}));
    // Centred together: 16 + 10 + 40 = 66 pixels in the middle of 100.
    const TPanelItemParts centre = PanelItemParts(item, taCenter, 16, 40, 0);
    EXPECT_EQ(centre.PictureLeft, 27);
    EXPECT_EQ(centre.Caption.Left, 53);
    EXPECT_EQ(centre.Caption.Right, 93);
    EXPECT_EQ(PanelItemParts(item, taCenter, 16, 0, 0).PictureLeft, 52);
}

TEST(OptionPanelModel, SelectedColourLiesTwoThirdsTowardsTheLighterChannel) {
    EXPECT_EQ(SelectedItemColor(JoinRgb(0, 0, 128), JoinRgb(255, 255, 255)), JoinRgb(168, 168, 212));
    EXPECT_EQ(SelectedItemColor(JoinRgb(255, 255, 255), JoinRgb(0, 0, 128)), JoinRgb(168, 168, 212));
    EXPECT_EQ(SelectedItemColor(JoinRgb(48, 140, 198), JoinRgb(48, 200, 10)), JoinRgb(48, 180, 134));
}

} // namespace
