#include "program/Program.h"
#include "support/FakeProgramHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

struct TSettingsFixture : testing::Test {
    TTempDir Home;
    TFakeProgramHost Host;
    TMemorySettingsStore Store;

    std::unique_ptr<TProgram> Start() {
        return std::make_unique<TProgram>(Host, Store, MakeProgramFolders("/x/korvalen", Home.Path()));
    }
    int32_t Int(const std::string& name) { return std::get<int32_t>(Store.Values.at(name)); }

    // The values of a first start, on the host's screen.
    void ExpectDefaults(const TProgram& program) {
        const TScreenSize screen = Host.Screen;
        const TWindowPlacement& main = program.MainPlacement;
        EXPECT_EQ(main.ShowState, 1);
        EXPECT_EQ(main.Left, (screen.Width - 780) / 2);
        EXPECT_EQ(main.Top, (screen.Height - 580) / 2);
        EXPECT_EQ(main.Right, (screen.Width + 780) / 2);
        EXPECT_EQ(main.Bottom, (screen.Height + 580) / 2);
        EXPECT_EQ(program.CommentPlacement.Left, (screen.Width - 480) / 2);
        EXPECT_EQ(program.CommentPlacement.Right, (screen.Width + 480) / 2);
        EXPECT_EQ(program.CommentPlacement.Bottom - program.CommentPlacement.Top, 560);
        EXPECT_EQ(program.GridWidths, TProgram::DesignGridWidths());
        for (int i = 0; i < 14; ++i)
            EXPECT_EQ(program.ExportPos[i], i);
        EXPECT_EQ(program.RollupWidth, 211);
        EXPECT_EQ(program.ConcListIndex, 0);
        EXPECT_TRUE(program.Filter.SourceSelAll && program.Filter.MediaSelAll);
        EXPECT_EQ(program.CodePage, TCodePage::Windows1250);
    }
};

using Settings = TSettingsFixture;

} // namespace

TEST_F(Settings, EmptyStoreGivesTheDefaults) {
    Host.Screen = {1921, 1081};
    auto program = Start();
    ExpectDefaults(*program);
}

TEST_F(Settings, ValuesNoWindowOrListCanHaveFallBack) {
    Host.Screen = {1000, 800};
    Store.Values["MainState"] = 99;
    Store.Values["CommentLeft"] = 500;
    Store.Values["CommentRight"] = 100; // right of its left edge it must be
    Store.Values["GridWitdh2"] = -5;
    Store.Values["GridWitdh3"] = std::string("wide");
    Store.Values["GridWitdh4"] = 10001;
    Store.Values["ExportPos0"] = 1; // 1 twice: no order of the properties
    Store.Values["RollupWidth"] = -1;
    Store.Values["ConcListIndex"] = -3;
    Store.Values["SourceSelAll"] = std::string("no");
    Store.Values["LegacyCodePage"] = 65001; // UTF-8 is no legacy page
    ExpectDefaults(*Start());
    Store.Values["LegacyCodePage"] = std::string("1251");
    ExpectDefaults(*Start());
}

TEST_F(Settings, HostilePlacementsGiveWindowsOnTheScreen) {
    Host.Screen = {1280, 1024};
    Store.Values["MainLeft"] = INT32_MIN;
    Store.Values["MainRight"] = INT32_MAX;
    Store.Values["CommentLeft"] = 5000;
    Store.Values["CommentTop"] = 5000;
    Store.Values["CommentRight"] = 5480;
    Store.Values["CommentBottom"] = 5560;
    auto program = Start();
    const TWindowPlacement& main = program->MainPlacement;
    EXPECT_EQ(std::make_tuple(main.Left, main.Right), std::make_tuple(0, 1280));
    EXPECT_EQ(main.Bottom - main.Top, 580);
    const TWindowPlacement& comment = program->CommentPlacement;
    EXPECT_EQ(std::make_tuple(comment.Left, comment.Top, comment.Right, comment.Bottom),
              std::make_tuple(800, 464, 1280, 1024));
}

TEST_F(Settings, EveryValueIsWrittenUnderItsNameAndReadBack) {
    auto program = Start();
    Host.Placement = {3, 10, 20, 810, 620};
    program->CommentPlacement = {1, 5, 6, 485, 566};
    program->History.SetEntry(1, "/lists/a.kvu");
    program->GridWidths[13] = 333;
    program->ExportPos = {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    program->ExportParams = {false, true};
    program->ExportFile = "/tmp/export.txt";
    program->Filter.SourceSelAll = false;
    program->Filter.SourceSel[1] = true;
    program->Filter.MediaSel[16] = true;
    program->ConcListIndex = 4;
    program->ListFuncParam = {true, false, true};
    program->CodePage = TCodePage::Iso8859_2;
    std::string error;
    ASSERT_TRUE(program->SaveSettings(error));

    EXPECT_EQ(std::get<std::string>(Store.Values.at("Path")), Home.Path());
    EXPECT_EQ(Int("MainState"), 3);
    EXPECT_EQ(Int("MainLeft"), 10);
    EXPECT_EQ(Int("MainBottom"), 620);
    EXPECT_EQ(Int("CommentRight"), 485);
    EXPECT_EQ(Int("GridWitdh14"), 333);
    EXPECT_EQ(Int("ExportPos0"), 13);
    EXPECT_EQ(Int("ExportParams1"), 0);
    EXPECT_EQ(Int("SourceSelAll"), 0);
    EXPECT_EQ(Int("SourceSel1"), 1);
    EXPECT_EQ(Int("MediaSel16"), 1);
    EXPECT_EQ(Int("ListFuncParam2"), 0);
    EXPECT_EQ(Int("LegacyCodePage"), 28592);
    EXPECT_EQ(std::get<std::string>(Store.Values.at("File1")), "/lists/a.kvu");
    EXPECT_EQ(Store.Values.count("SourceSel6"), 0u);
    EXPECT_EQ(Store.Values.count("MediaSel17"), 0u);
    EXPECT_EQ(Store.Values.count("GridWidth1"), 0u); // the stored name keeps its old spelling

    auto again = Start();
    EXPECT_EQ(again->MainPlacement.ShowState, 3);
    EXPECT_EQ(again->MainPlacement.Right, 810);
    EXPECT_EQ(again->CommentPlacement.Left, 5);
    EXPECT_EQ(again->GridWidths[13], 333);
    EXPECT_EQ(again->ExportPos, program->ExportPos);
    EXPECT_EQ(again->ExportParams, program->ExportParams);
    EXPECT_EQ(again->ExportFile, "/tmp/export.txt");
    EXPECT_FALSE(again->Filter.SourceSelAll);
    EXPECT_TRUE(again->Filter.SourceSel[1]);
    EXPECT_FALSE(again->Filter.SourceSel[0]);
    EXPECT_TRUE(again->Filter.MediaSel[16]);
    EXPECT_EQ(again->ConcListIndex, 4);
    EXPECT_EQ(again->ListFuncParam, program->ListFuncParam);
    EXPECT_EQ(again->CodePage, TCodePage::Iso8859_2);
}
