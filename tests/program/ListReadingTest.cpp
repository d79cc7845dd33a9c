#include "program/ListReading.h"

#include "core/Codes.h"
#include "core/Strings2.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Number(TProperty property) {
    return static_cast<int32_t>(property);
}

// Every item named after its number, the name of source 1 in markup.
TStrings2 Names() {
    TStrings2 names;
    for (int32_t item = 1; item <= 70; ++item)
        names.Add(item == CodeNameItem(TCodeKind::Source, 1) ? "|b Sound|f board" : "item " + std::to_string(item));
    return names;
}

TEST(ListReading, CellsDrawnAsNamesOrPicturesReadTheirWords) {
    const TStrings2 names = Names();
    TBootData record;
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Source), record, 1), "Soundboard");
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Media), record, 2),
              "item " + std::to_string(CodeNameItem(TCodeKind::Media, 2)));
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Source), record, 99), "");
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Cover), record, 0), "");
    record.Covers[1] = "back.jpg";
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Cover), record, 0), "Back cover");
    record.Covers[0] = "front.jpg";
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Cover), record, 0), "Front cover, back cover");
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Info), record, 0), "");
    record.Info = "Taped from the desk";
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Info), record, 0), "Info");
    EXPECT_EQ(ListCellSpokenText(names, Number(TProperty::Band), record, 0), "");
}

TEST(ListReading, TheTitleBarReadsAsOneLine) {
    TTitleBarCounts counts;
    counts.Shown = 3;
    counts.Total = 10;
    counts.Hits = 1;
    EXPECT_EQ(TitleBarSpokenText(counts, "Summer tapes"), "List: Summer tapes, Bootlegs: 3 (10), Search: 1 (0)");
}

} // namespace
