#include "program/Program.h"
#include "support/FakeProgramHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <tuple>

namespace {

struct TSettingsFixture : testing::Test {
    TTempDir Home;
    TFakeProgramHost Host;
    TMemorySettingsStore Store;

    std::unique_ptr<TProgram> Start() {
        return std::make_unique<TProgram>(Host, Store, MakeProgramFolders("/x/korvalen", Home.Path()));
    }

    // The values of a first start, on the host's screen.
    void ExpectDefaults(const TProgram& program) {
        const TScreenSize screen = Host.Screen;
        const TWindowPlacement& main = program.MainPlacement;
        EXPECT_EQ(main.ShowState, 1);
        EXPECT_EQ(main.Left, (screen.Width - kMainWindowSize.Width) / 2);
        EXPECT_EQ(main.Top, (screen.Height - kMainWindowSize.Height) / 2);
        EXPECT_EQ(main.Right, (screen.Width + kMainWindowSize.Width) / 2);
        EXPECT_EQ(main.Bottom, (screen.Height + kMainWindowSize.Height) / 2);
        EXPECT_EQ(program.CommentPlacement.Left, (screen.Width - kCommentWindowSize.Width) / 2);
        EXPECT_EQ(program.CommentPlacement.Right, (screen.Width + kCommentWindowSize.Width) / 2);
        EXPECT_EQ(program.CommentPlacement.Bottom - program.CommentPlacement.Top, kCommentWindowSize.Height);
        EXPECT_EQ(program.GridWidths, TProgram::DesignGridWidths());
        EXPECT_EQ(program.ExportPos, DefaultExportOrder());
        EXPECT_EQ(program.RollupWidth, kDefaultRollupWidth);
        EXPECT_EQ(program.ConcListIndex, 0);
        EXPECT_TRUE(program.Filter.SourceSelAll && program.Filter.MediaSelAll);
        EXPECT_EQ(program.CodePage, TCodePage::Windows1250);
        EXPECT_FALSE(program.LooseMatch);
    }
};

using Settings = TSettingsFixture;

// Every value name the settings have been stored under, spelt out, so that a
// value that is renamed, dropped or added shows here.
// clang-format off
const std::set<std::string> kStoredNames = {
    "Path",
    "MainState", "MainLeft", "MainTop", "MainRight", "MainBottom",
    "CommentState", "CommentLeft", "CommentTop", "CommentRight", "CommentBottom",
    "File1", "File2", "File3", "File4", "File5", "File6", "File7", "File8", "File9", "File10",
    "GridWitdh1", "GridWitdh2", "GridWitdh3", "GridWitdh4", "GridWitdh5", "GridWitdh6", "GridWitdh7",
    "GridWitdh8", "GridWitdh9", "GridWitdh10", "GridWitdh11", "GridWitdh12", "GridWitdh13", "GridWitdh14",
    "ExportPos0", "ExportPos1", "ExportPos2", "ExportPos3", "ExportPos4", "ExportPos5", "ExportPos6",
    "ExportPos7", "ExportPos8", "ExportPos9", "ExportPos10", "ExportPos11", "ExportPos12", "ExportPos13",
    "ExportParams1", "ExportParams2", "ExportFile", "ExportFormat", "PdfFile", "RollupWidth",
    "SourceSelAll", "SourceSel0", "SourceSel1", "SourceSel2", "SourceSel3", "SourceSel4", "SourceSel5",
    "MediaSelAll", "MediaSel0", "MediaSel1", "MediaSel2", "MediaSel3", "MediaSel4", "MediaSel5", "MediaSel6",
    "MediaSel7", "MediaSel8", "MediaSel9", "MediaSel10", "MediaSel11", "MediaSel12", "MediaSel13", "MediaSel14",
    "MediaSel15", "MediaSel16",
    "ConcListIndex", "ListFuncParam1", "ListFuncParam2", "ListFuncParam3", "ListFuncLoose", "LegacyCodePage",
    "BackupCount", "SamplesOffered", "OpenLists"
};
// clang-format on

// The number after `prefix` in `name`, or -1 when `name` is not `prefix`
// and digits.
int NumberAfter(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return -1;
    const std::string digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(digits);
}

// A value for `name` that differs from its default and that its field can
// hold, on a 1920 x 1080 screen; the history names files in `folder`.
std::variant<int32_t, std::string> NonDefaultValue(const std::string& name, const std::string& folder) {
    const std::map<std::string, std::variant<int32_t, std::string>> single = {
        {"MainState", 3},         {"MainLeft", 10},
        {"MainTop", 20},          {"MainRight", 810},
        {"MainBottom", 620},      {"CommentState", 2},
        {"CommentLeft", 5},       {"CommentTop", 6},
        {"CommentRight", 485},    {"CommentBottom", 566},
        {"RollupWidth", 300},     {"ConcListIndex", 5},
        {"LegacyCodePage", 1252}, {"ExportFile", std::string("/tmp/export.txt")},
        {"SourceSelAll", 0},      {"MediaSelAll", 0},
        {"ExportFormat", 2},      {"PdfFile", std::string("/tmp/list.pdf")},
        {"BackupCount", 0},       {"ListFuncLoose", 1},
        {"SamplesOffered", 1}};
    if (auto found = single.find(name); found != single.end())
        return found->second;
    if (NumberAfter(name, "File") >= 0)
        return folder + "/" + name + ".kvu";
    if (const int column = NumberAfter(name, "GridWitdh"); column >= 0)
        return 20 + column;
    if (const int position = NumberAfter(name, "ExportPos"); position >= 0)
        return 13 - position;
    if (NumberAfter(name, "SourceSel") >= 0 || NumberAfter(name, "MediaSel") >= 0)
        return 1;
    if (NumberAfter(name, "ExportParams") >= 0 || NumberAfter(name, "ListFuncParam") >= 0)
        return 0;
    ADD_FAILURE() << "no value for " << name;
    return 0;
}

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
    EXPECT_EQ(main.Bottom - main.Top, kMainWindowSize.Height);
    const TWindowPlacement& comment = program->CommentPlacement;
    EXPECT_EQ(std::make_tuple(comment.Left, comment.Top, comment.Right, comment.Bottom),
              std::make_tuple(800, 464, 1280, 1024));
}

TEST_F(Settings, EveryValueIsWrittenUnderItsName) {
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

    const std::map<std::string, std::variant<int32_t, std::string>> expected = {
        {"Path", Home.Path()},     {"MainState", 3},
        {"MainLeft", 10},          {"MainBottom", 620},
        {"CommentRight", 485},     {"GridWitdh14", 333},
        {"ExportPos0", 13},        {"ExportParams1", 0},
        {"SourceSelAll", 0},       {"SourceSel1", 1},
        {"MediaSel16", 1},         {"ListFuncParam2", 0},
        {"LegacyCodePage", 28592}, {"File1", std::string("/lists/a.kvu")}};
    for (const auto& [name, value] : expected)
        EXPECT_EQ(Store.Values.at(name), value) << name;
    // The stored name "GridWitdh" keeps its old spelling.
    for (const char* name : {"SourceSel6", "MediaSel17", "GridWidth1"})
        EXPECT_EQ(Store.Values.count(name), 0u) << name;
}

TEST_F(Settings, TheStoredNamesAreThoseOfEveryEarlierRun) {
    std::string error;
    ASSERT_TRUE(Start()->SaveSettings(error));
    std::set<std::string> written;
    for (const auto& [name, value] : Store.Values)
        written.insert(name);
    EXPECT_EQ(written, kStoredNames);
}

TEST_F(Settings, EveryStoredValueIsReadAndWrittenBackAsItWas) {
    for (const std::string& name : kStoredNames)
        // "Path" is written for others to find, never read; "OpenLists" names
        // the lists open when written, and none is open here.
        if (name != "Path" && name != "OpenLists")
            Store.Values[name] = NonDefaultValue(name, Home.Path());
    for (int i = 1; i <= THistory::kSize; ++i) // the history keeps only files that exist
        WriteBytes(std::get<std::string>(Store.Values["File" + std::to_string(i)]), "");
    const auto stored = Store.Values;
    auto program = Start();
    Host.Placement = program->MainPlacement; // as the window takes it when shown

    Store.Values.clear();
    std::string error;
    ASSERT_TRUE(program->SaveSettings(error));
    Store.Values.erase("Path");
    Store.Values.erase("OpenLists");
    for (const auto& [name, value] : stored)
        EXPECT_EQ(Store.Values[name], value) << name;
    EXPECT_EQ(Store.Values.size(), stored.size());
}
